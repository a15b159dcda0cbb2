// SPDX-License-Identifier: GPL-3.0-or-later
// The help file built from app/help: a real compiled-help file that holds
// every page of the help's sources, read back through chmlib.
#include "chm_archive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

using ql310::ChmArchive;

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The sources of the help's pages, contents and style.
std::vector<fs::path> helpSources()
{
    std::vector<fs::path> sources;
    for (const auto& entry : fs::directory_iterator(QL310_HELP_SOURCE_DIR)) {
        const auto extension = entry.path().extension();
        if (extension == ".html" || extension == ".hhc" || extension == ".css")
            sources.push_back(entry.path());
    }
    std::sort(sources.begin(), sources.end());
    return sources;
}

} // namespace

TEST(HelpFile, StartsWithTheCompiledHelpSignature)
{
    const auto bytes = fileBytes(QL310_HELP_FILE);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "ITSF");
}

TEST(HelpFile, HoldsEveryPageOfTheSourcesUnchanged)
{
    ChmArchive archive;
    ASSERT_TRUE(archive.open(QL310_HELP_FILE));
    const auto sources = helpSources();
    // One page per editor page, the call log among them, and the contents page.
    EXPECT_EQ(std::count_if(sources.begin(), sources.end(),
                            [](const fs::path& p) { return p.extension() == ".html"; }),
              9);
    const auto held = archive.files();
    for (const fs::path& source : sources) {
        const std::string name = "/" + source.filename().string();
        EXPECT_NE(std::find(held.begin(), held.end(), name), held.end()) << name;
        const auto bytes = archive.read(name);
        ASSERT_TRUE(bytes.has_value()) << name;
        EXPECT_EQ(*bytes, fileBytes(source)) << name;
    }
}

TEST(HelpFile, NamesItsTitleStartPageAndContents)
{
    ChmArchive archive;
    ASSERT_TRUE(archive.open(QL310_HELP_FILE));
    EXPECT_EQ(archive.title(), "ISDN TA Configuration Help");
    EXPECT_EQ(archive.defaultTopic(), "index.html");
    EXPECT_EQ(archive.contentsFile(), "contents.hhc");
    // Without the leading slash, the same page.
    EXPECT_EQ(archive.read("index.html"), archive.read("/index.html"));
}

TEST(HelpFile, ListsNoneOfItsInternalFiles)
{
    ChmArchive archive;
    ASSERT_TRUE(archive.open(QL310_HELP_FILE));
    for (const std::string& name : archive.files()) {
        EXPECT_EQ(name.front(), '/') << name;
        EXPECT_NE(name[1], '#') << name;
        EXPECT_NE(name[1], '$') << name;
        EXPECT_EQ(name.find("::"), std::string::npos) << name;
    }
}

TEST(ChmArchiveReading, AMissingPageIsNothing)
{
    ChmArchive archive;
    ASSERT_TRUE(archive.open(QL310_HELP_FILE));
    EXPECT_FALSE(archive.read("/no-such-page.html").has_value());
    EXPECT_FALSE(archive.read("").has_value());
}

TEST(ChmArchiveReading, AFileThatIsNotCompiledHelpDoesNotOpen)
{
    const fs::path path = fs::temp_directory_path() / "ql310_not_help.chm";
    {
        std::ofstream out(path, std::ios::binary);
        out << "ITSF but nothing else of a help file";
    }
    ChmArchive archive;
    EXPECT_FALSE(archive.open(path.string()));
    EXPECT_FALSE(archive.isOpen());
    EXPECT_TRUE(archive.files().empty());
    EXPECT_FALSE(archive.read("/index.html").has_value());
    EXPECT_FALSE(archive.open((fs::temp_directory_path() / "ql310_absent.chm").string()));
    fs::remove(path);
}
