// SPDX-License-Identifier: GPL-3.0-or-later
// Settings, LCR and phone-book files on disk.
#include "setting_files.h"
#include "simulated_adapter.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>

namespace {

using namespace ql310::files;
namespace fs = std::filesystem;

struct Memory {
    std::array<uint8_t, kTableBlockSize> table;
    std::array<uint8_t, kSettingBlockSize> setting;
    std::array<uint8_t, kLineParamsSize> lineParams;
    explicit Memory(uint8_t seed)
    {
        for (size_t i = 0; i < table.size(); ++i)
            table[i] = static_cast<uint8_t>(seed + i);
        for (size_t i = 0; i < setting.size(); ++i)
            setting[i] = static_cast<uint8_t>(seed * 3 + i * 7);
        for (size_t i = 0; i < lineParams.size(); ++i)
            lineParams[i] = static_cast<uint8_t>(seed ^ i);
    }
    Images images() { return {table.data(), setting.data(), lineParams.data()}; }
};

std::vector<uint8_t> contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, size_t size, uint8_t value)
{
    std::ofstream(path, std::ios::binary) << std::string(size, static_cast<char>(value));
}

class SettingFiles : public ::testing::Test {
protected:
    std::string path(const char* name) const { return dir.path() + "/" + name; }
    ql310::test::TemporaryDirectory dir;
};

TEST_F(SettingFiles, EachKindHoldsItsImagesBackToBack)
{
    Memory memory(5);
    std::string reason;
    ASSERT_TRUE(saveFile(path("a.310"), FileKind::Settings, memory.images(), reason)) << reason;
    ASSERT_TRUE(saveFile(path("a.lcr"), FileKind::Lcr, memory.images(), reason)) << reason;
    ASSERT_TRUE(saveFile(path("a.pb"), FileKind::PhoneBook, memory.images(), reason)) << reason;

    const auto settings = contentOf(path("a.310"));
    ASSERT_EQ(settings.size(), 4513u);
    EXPECT_TRUE(std::equal(memory.table.begin(), memory.table.end(), settings.begin()));
    EXPECT_TRUE(std::equal(memory.setting.begin(), memory.setting.end(), settings.begin() + 1792));
    EXPECT_TRUE(std::equal(memory.lineParams.begin(), memory.lineParams.end(),
                           settings.begin() + 3840));
    const auto lcr = contentOf(path("a.lcr"));
    EXPECT_EQ(lcr, std::vector<uint8_t>(memory.setting.begin(), memory.setting.end()));
    const auto phoneBook = contentOf(path("a.pb"));
    EXPECT_EQ(phoneBook, std::vector<uint8_t>(memory.table.begin(), memory.table.end()));
}

TEST_F(SettingFiles, SaveThenLoadGivesTheSameImages)
{
    Memory saved(9);
    std::string reason;
    ASSERT_TRUE(saveFile(path("b.310"), FileKind::Settings, saved.images(), reason));
    std::vector<uint8_t> content;
    ASSERT_TRUE(readFile(path("b.310"), FileKind::Settings, content, reason)) << reason;
    Memory loaded(0);
    splitSettings(content, loaded.images());
    EXPECT_EQ(loaded.table, saved.table);
    EXPECT_EQ(loaded.setting, saved.setting);
    EXPECT_EQ(loaded.lineParams, saved.lineParams);
}

TEST_F(SettingFiles, ASaveOverALongerFileKeepsItsRest)
{
    // A phone book saved over a settings file leaves a settings file whose
    // start is the new phone book; the rest stays, the mode too.
    writeBytes(path("c.310"), 4513, 0xEE);
    ::chmod(path("c.310").c_str(), 0640);
    Memory memory(1);
    std::string reason;
    ASSERT_TRUE(saveFile(path("c.310"), FileKind::PhoneBook, memory.images(), reason)) << reason;
    std::vector<uint8_t> expected(memory.table.begin(), memory.table.end());
    expected.resize(4513, 0xEE);
    EXPECT_EQ(contentOf(path("c.310")), expected);
    // An LCR file over it: its first 2048 bytes are new, the rest stays.
    ASSERT_TRUE(saveFile(path("c.310"), FileKind::Lcr, memory.images(), reason)) << reason;
    std::copy(memory.setting.begin(), memory.setting.end(), expected.begin());
    EXPECT_EQ(contentOf(path("c.310")), expected);
    struct stat st {};
    ASSERT_EQ(::stat(path("c.310").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    // A file too large to keep is refused and stays as it was.
    fs::resize_file(path("c.310"), kMaxKeptFileSize + 1);
    EXPECT_FALSE(saveFile(path("c.310"), FileKind::PhoneBook, memory.images(), reason));
    EXPECT_EQ(reason, "the file is larger than 16 MB");
    EXPECT_EQ(fs::file_size(path("c.310")), kMaxKeptFileSize + 1);
}

TEST_F(SettingFiles, ASaveThroughALinkReplacesTheFileItPointsTo)
{
    fs::create_directory(path("kept"));
    writeBytes(path("kept/f.310"), 4513, 0xEE);
    fs::create_symlink("kept/f.310", path("link.310"));
    Memory memory(2);
    std::string reason;
    ASSERT_TRUE(saveFile(path("link.310"), FileKind::Lcr, memory.images(), reason)) << reason;
    EXPECT_TRUE(fs::is_symlink(path("link.310")));
    std::vector<uint8_t> expected(memory.setting.begin(), memory.setting.end());
    expected.resize(4513, 0xEE);
    EXPECT_EQ(contentOf(path("kept/f.310")), expected);
}

// Saved over only a regular file the user may write, or a new name; the
// rest is refused and stays what it was.
TEST_F(SettingFiles, ASaveOverWhatIsNoWritableFileIsRefused)
{
    Memory memory(3);
    std::string reason;
    writeBytes(path("readonly.310"), 10, 0x11);
    ::chmod(path("readonly.310").c_str(), 0444);
    ASSERT_EQ(::mkfifo(path("pipe.310").c_str(), 0600), 0);
    fs::create_symlink("/dev/null", path("null.310"));
    fs::create_symlink("loop.310", path("loop.310"));
    for (const char* name : {"readonly.310", "pipe.310", "null.310", "loop.310"}) {
        SCOPED_TRACE(name);
        reason.clear();
        EXPECT_FALSE(saveFile(path(name), FileKind::Settings, memory.images(), reason));
        EXPECT_FALSE(reason.empty());
    }
    EXPECT_EQ(contentOf(path("readonly.310")).size(), 10u);
    EXPECT_TRUE(fs::is_fifo(path("pipe.310")));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_TRUE(fs::is_symlink(path("null.310")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 4);
}

TEST_F(SettingFiles, ASaveThroughADanglingLinkIsRefused)
{
    // The link would make a file wherever it points.
    fs::create_directory(path("kept"));
    fs::create_symlink("kept/new.310", path("link.310"));
    fs::create_symlink("gone/new.310", path("nowhere.310"));
    Memory memory(4);
    std::string reason;
    for (const char* name : {"link.310", "nowhere.310"}) {
        EXPECT_FALSE(saveFile(path(name), FileKind::PhoneBook, memory.images(), reason));
        EXPECT_EQ(reason, "it is a link to a file that does not exist");
        EXPECT_TRUE(fs::is_symlink(path(name)));
    }
    EXPECT_TRUE(fs::is_empty(path("kept")));
    EXPECT_FALSE(fs::exists(path("gone")));
}

TEST_F(SettingFiles, AFailedSaveLeavesNothingAndSaysWhy)
{
    Memory memory(1);
    std::string reason;
    EXPECT_FALSE(saveFile(path("missing/d.310"), FileKind::Settings, memory.images(), reason));
    EXPECT_FALSE(reason.empty());
    // The target is a folder: the rename fails and the folder stays as it was.
    fs::create_directory(path("e.310"));
    reason.clear();
    EXPECT_FALSE(saveFile(path("e.310"), FileKind::Settings, memory.images(), reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_TRUE(fs::is_directory(path("e.310")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST_F(SettingFiles, ShortOrMissingFilesAreRefusedAndLongerOnesAccepted)
{
    std::vector<uint8_t> content = {1, 2, 3};
    std::string reason;
    EXPECT_FALSE(readFile(path("none.310"), FileKind::Settings, content, reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(content, (std::vector<uint8_t>{1, 2, 3}));

    writeBytes(path("short.310"), 1792, 0x11); // a phone book chosen as settings
    reason.clear();
    EXPECT_FALSE(readFile(path("short.310"), FileKind::Settings, content, reason));
    EXPECT_NE(reason.find("1792"), std::string::npos);
    EXPECT_EQ(content, (std::vector<uint8_t>{1, 2, 3}));

    writeBytes(path("long.pb"), 4513, 0x22); // a settings file chosen as phone book
    ASSERT_TRUE(readFile(path("long.pb"), FileKind::PhoneBook, content, reason));
    EXPECT_EQ(content.size(), 1792u);
    EXPECT_TRUE(readFile(path("long.pb"), FileKind::Lcr, content, reason));
}

TEST_F(SettingFiles, ANamedPipeIsRefusedAtOnce)
{
    ASSERT_EQ(::mkfifo(path("pipe.310").c_str(), 0600), 0);
    std::vector<uint8_t> content;
    std::string reason;
    // Nobody ever writes into the pipe: a blocking read would not return.
    EXPECT_FALSE(readFile(path("pipe.310"), FileKind::Settings, content, reason));
    EXPECT_EQ(reason, "it is not a regular file");
    EXPECT_TRUE(content.empty());
}

TEST(SettingFileKinds, SizesAndFilters)
{
    EXPECT_EQ(fileSize(FileKind::Settings), 4513u);
    EXPECT_EQ(fileSize(FileKind::Lcr), 2048u);
    EXPECT_EQ(fileSize(FileKind::PhoneBook), 1792u);
    EXPECT_STREQ(fileFilter(FileKind::Settings), "310 Files (*.310) | *.310|All Files (*.*) | *.*");
    EXPECT_STREQ(fileFilter(FileKind::Lcr), "LCR Files (*.lcr) | *.lcr|All Files (*.*) | *.*");
    EXPECT_STREQ(fileFilter(FileKind::PhoneBook),
                 "PhoneBook Files (*.pb) | *.pb|All Files (*.*) | *.*");
}

} // namespace
