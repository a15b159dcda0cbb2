// SPDX-License-Identifier: GPL-3.0-or-later
// Read access to a compiled-HTML-help file (.chm) through chmlib: the list
// of the files it holds, their bytes, and the title and default page that
// its #SYSTEM file names. No Qt in here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct chmFile;

namespace ql310 {

class ChmArchive {
public:
    ChmArchive() = default;
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    // False when the file is missing or is not a compiled help file.
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return m_file != nullptr; }

    // Paths of the ordinary files held, each starting with "/" (e.g.
    // "/index.html"); the archive's internal files (#SYSTEM, ::DataSpace...)
    // are left out.
    std::vector<std::string> files() const;
    // The bytes of the file at `path` ("/index.html" or "index.html"), or
    // nothing when the archive does not hold it.
    std::optional<std::vector<std::uint8_t>> read(const std::string& path) const;

    // From the #SYSTEM file; empty when it does not name them.
    std::string title() const { return m_title; }
    std::string defaultTopic() const { return m_defaultTopic; }
    std::string contentsFile() const { return m_contentsFile; }

private:
    void readSystemFile();

    chmFile* m_file = nullptr;
    std::string m_title;
    std::string m_defaultTopic;
    std::string m_contentsFile;
};

} // namespace ql310
