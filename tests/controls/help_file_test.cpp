// SPDX-License-Identifier: GPL-3.0-or-later
// The help files built from app/help (English) and app/help/de (German):
// real compiled-help files that hold every page of their sources, read back
// through chmlib; the German pages answer to the same pages and anchors.
#include "chm_archive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

using ql310::ChmArchive;

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const fs::path kEnglishSources = QL310_HELP_SOURCE_DIR;
const fs::path kGermanSources = fs::path(QL310_HELP_SOURCE_DIR) / "de";

// The sources of the help's pages, contents and style.
std::vector<fs::path> helpSources(const fs::path& directory)
{
    std::vector<fs::path> sources;
    for (const auto& entry : fs::directory_iterator(directory)) {
        const auto extension = entry.path().extension();
        if (extension == ".html" || extension == ".hhc" || extension == ".css")
            sources.push_back(entry.path());
    }
    std::sort(sources.begin(), sources.end());
    return sources;
}

// In order, every value of the attribute `attribute` in the file, e.g. the
// anchors (id) or the links (href) of a page.
std::vector<std::string> attributeValues(const fs::path& path, const std::string& attribute)
{
    const auto bytes = fileBytes(path);
    const std::string text(bytes.begin(), bytes.end());
    const std::regex pattern(attribute + "=\"([^\"]*)\"");
    std::vector<std::string> values;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator();
         ++it)
        values.push_back((*it)[1]);
    return values;
}

std::set<std::string> attributeSet(const fs::path& path, const std::string& attribute)
{
    const auto values = attributeValues(path, attribute);
    return {values.begin(), values.end()};
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
    for (const auto& [file, directory] : {std::pair{QL310_HELP_FILE, kEnglishSources},
                                          std::pair{QL310_HELP_FILE_DE, kGermanSources}}) {
        SCOPED_TRACE(file);
        ChmArchive archive;
        ASSERT_TRUE(archive.open(file));
        const auto sources = helpSources(directory);
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
}

// F1 opens a page (and the contents an anchor) by name: the German file
// must answer to every name the English one does.
TEST(HelpFile, TheGermanHelpHasEveryEnglishPageWithItsAnchorsAndLinks)
{
    for (const fs::path& english : helpSources(kEnglishSources)) {
        const fs::path german = kGermanSources / english.filename();
        SCOPED_TRACE(german.string());
        ASSERT_TRUE(fs::is_regular_file(german));
        if (english.extension() == ".css") {
            EXPECT_EQ(fileBytes(german), fileBytes(english));
            continue;
        }
        EXPECT_EQ(attributeSet(german, " id"), attributeSet(english, " id"));
        EXPECT_EQ(attributeSet(german, " href"), attributeSet(english, " href"));
        EXPECT_EQ(attributeValues(german, "<html lang"), std::vector<std::string>{"de"});
        // The contents: the same pages in the same order.
        EXPECT_EQ(attributeValues(german, "\"Local\" value"), attributeValues(english, "\"Local\" value"));
    }
    ChmArchive archive;
    ASSERT_TRUE(archive.open(QL310_HELP_FILE_DE));
    EXPECT_EQ(archive.title(), "Hilfe zur ISDN-TA-Konfiguration");
    EXPECT_EQ(archive.defaultTopic(), "index.html");
    EXPECT_EQ(archive.contentsFile(), "contents.hhc");
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
