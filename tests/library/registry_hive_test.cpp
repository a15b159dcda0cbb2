// SPDX-License-Identifier: GPL-3.0-or-later
// The registry hive file: what opening, reading and writing a key does to
// the REGEDIT4 text, and what two writers at once leave behind.
#include "registry_hive.h"
#include "simulated_adapter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace ql310::registry;
using ql310::test::TemporaryDirectory;

constexpr const char* kSubKey = "Software\\hemlor\\Ririv\\Settings";
constexpr const char* kHeader = "[HKEY_LOCAL_MACHINE\\Software\\hemlor\\Ririv\\Settings]";

class Hive : public ::testing::Test {
protected:
    std::string read() const
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void write(const std::string& text) const
    {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    }
    ino_t inode() const
    {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_ino;
    }
    TemporaryDirectory directory;
    std::string path = directory.path() + "/hklm.reg";
};

TEST_F(Hive, KeyPathsAndValueNamesMatchWithoutRegardToCase)
{
    write(std::string("REGEDIT4\n\n") + kHeader + "\n\"Analog Coding\"=dword:00000001\n");
    RegistryKey key;
    ASSERT_EQ(key.open("SOFTWARE\\HEMLOR\\RIRIV\\SETTINGS", Access::Read, path), OpenStatus::Ok);
    Value value;
    ASSERT_TRUE(key.query("analog coding", value));
    EXPECT_EQ(value.type, ValueType::Dword);
    EXPECT_EQ(value.number, 1u);
}

TEST_F(Hive, MissingFileMissingKeyAndBrokenFileCannotBeOpened)
{
    RegistryKey key;
    EXPECT_EQ(key.open(kSubKey, Access::Read, path), OpenStatus::NoFile);
    write("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Other]\n");
    EXPECT_EQ(key.open(kSubKey, Access::Read, path), OpenStatus::NoKey);
    EXPECT_EQ(key.open(kSubKey, Access::Full, path), OpenStatus::NoKey);
    write(std::string("REGEDIT4\n\n") + kHeader + "\n\"MSN1\"=\"unterminated\n");
    EXPECT_EQ(key.open(kSubKey, Access::Read, path), OpenStatus::Malformed);
    write(std::string("Windows Registry Editor\n\n") + kHeader + "\n");
    EXPECT_EQ(key.open(kSubKey, Access::Read, path), OpenStatus::Malformed);
}

TEST_F(Hive, ABrokenFileIsNeverRewritten)
{
    const std::string broken = std::string("REGEDIT4\n\n") + kHeader + "\n\"CAPI\"=word:1\n";
    write(broken);
    RegistryKey key;
    bool created = false;
    EXPECT_EQ(key.create(kSubKey, created, path), OpenStatus::Malformed);
    key.close();
    EXPECT_EQ(read(), broken);
}

// A hive cut off inside continued data would swallow whatever was
// appended after it, and the next start could not read the hive at all.
TEST_F(Hive, DataContinuedPastTheEndIsACutOffHiveAndIsNotExtended)
{
    const std::string cut = std::string("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Other]\n") +
                            "\"Blob\"=hex:01,02,\\";
    write(cut);
    RegistryKey key;
    bool created = false;
    EXPECT_EQ(key.create(kSubKey, created, path), OpenStatus::Malformed);
    key.close();
    EXPECT_EQ(read(), cut);

    // Continued data that does end still reads whole.
    write(std::string("REGEDIT4\n\n") + kHeader + "\n\"Blob\"=hex:01,02,\\\n  03\n");
    ASSERT_EQ(key.open(kSubKey, Access::Read, path), OpenStatus::Ok);
    Value value;
    ASSERT_TRUE(key.query("Blob", value));
    EXPECT_EQ(value.bytes, (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(Hive, StringsKeepBackslashesAndQuotesThroughTheFile)
{
    write(std::string("REGEDIT4\n\n") + kHeader + "\n");
    const std::string text = "C:\\dir \"quoted\" \\\\";
    {
        RegistryKey key;
        ASSERT_EQ(key.open(kSubKey, Access::Full, path), OpenStatus::Ok);
        EXPECT_TRUE(key.setString("Path", text));
        EXPECT_TRUE(key.close());
    }
    EXPECT_NE(read().find("\"Path\"=\"C:\\\\dir \\\"quoted\\\" \\\\\\\\\"\n"), std::string::npos)
        << read();
    RegistryKey key;
    ASSERT_EQ(key.open(kSubKey, Access::Read, path), OpenStatus::Ok);
    Value value;
    ASSERT_TRUE(key.query("path", value));
    EXPECT_EQ(value.text, text);
}

TEST_F(Hive, ATextWithALineBreakIsRefusedAndTheFileStaysValid)
{
    write(std::string("REGEDIT4\n\n") + kHeader + "\n");
    {
        RegistryKey key;
        ASSERT_EQ(key.open(kSubKey, Access::Full, path), OpenStatus::Ok);
        EXPECT_FALSE(key.setString("MSN1", "12\n[HKEY_LOCAL_MACHINE\\Injected]"));
        key.close();
    }
    RegistryKey key;
    EXPECT_EQ(key.open("Injected", Access::Read, path), OpenStatus::NoKey);
}

TEST_F(Hive, NumbersAreWrittenAsEightHexDigitsAndReadInShortForm)
{
    write(std::string("REGEDIT4\n\n") + kHeader + "\n\"Short\"=DWORD:1f\n");
    {
        RegistryKey key;
        ASSERT_EQ(key.open(kSubKey, Access::Full, path), OpenStatus::Ok);
        Value value;
        ASSERT_TRUE(key.query("Short", value));
        EXPECT_EQ(value.number, 0x1Fu);
        key.setDword("MP_Open_CPS", 7200);
        key.close();
    }
    EXPECT_NE(read().find("\"MP_Open_CPS\"=dword:00001c20\n"), std::string::npos);
}

TEST_F(Hive, WritingKeepsModeLineEndingsAndLeavesNoTemporaryFile)
{
    write(std::string("REGEDIT4\r\n\r\n") + kHeader + "\r\n\"A\"=\"1\"\r\n");
    ::chmod(path.c_str(), 0640);
    {
        RegistryKey key;
        ASSERT_EQ(key.open(kSubKey, Access::Full, path), OpenStatus::Ok);
        key.setString("A", "2");
        key.setString("B", "3");
        ASSERT_TRUE(key.close());
    }
    EXPECT_EQ(read(), std::string("REGEDIT4\r\n\r\n") + kHeader + "\r\n\"A\"=\"2\"\r\n\"B\"=\"3\"\r\n");
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    for (const auto& entry : std::filesystem::directory_iterator(directory.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "hklm.reg" || name == "hklm.reg.lock") << name;
    }
}

TEST_F(Hive, AWorldWritableHiveIsStoredBackWithoutThatPermission)
{
    write(std::string("REGEDIT4\n\n") + kHeader + "\n\"A\"=\"1\"\n");
    ::chmod(path.c_str(), 0666);
    {
        RegistryKey key;
        ASSERT_EQ(key.open(kSubKey, Access::Full, path), OpenStatus::Ok);
        key.setString("A", "2");
        ASSERT_TRUE(key.close());
    }
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0664u);
}

TEST_F(Hive, SettingTheSameValuesAgainLeavesTheFileAlone)
{
    write(std::string("REGEDIT4\n\n") + kHeader + "\n\"A\"=dword:00000005\n");
    const ino_t before = inode();
    RegistryKey key;
    ASSERT_EQ(key.open(kSubKey, Access::Full, path), OpenStatus::Ok);
    key.setDword("a", 5);
    ASSERT_TRUE(key.close());
    EXPECT_EQ(inode(), before);
}

TEST_F(Hive, CreateMakesTheFileAndTheKeyOnlyWhenMissing)
{
    const std::string nested = directory.path() + "/lib/ql310/hklm.reg";
    bool created = false;
    {
        RegistryKey key;
        ASSERT_EQ(key.create(kSubKey, created, nested), OpenStatus::Ok);
        EXPECT_TRUE(created);
        key.setDword("CAPI", 2);
        ASSERT_TRUE(key.close());
    }
    RegistryKey key;
    ASSERT_EQ(key.create(kSubKey, created, nested), OpenStatus::Ok);
    EXPECT_FALSE(created);
    Value value;
    EXPECT_TRUE(key.query("CAPI", value));
}

TEST_F(Hive, AnEmptyFileIsAnEmptyHive)
{
    write("");
    RegistryKey key;
    bool created = false;
    ASSERT_EQ(key.create(kSubKey, created, path), OpenStatus::Ok);
    EXPECT_TRUE(created);
    ASSERT_TRUE(key.close());
    EXPECT_EQ(read(), std::string("REGEDIT4\n\n") + kHeader + "\n");
}

TEST_F(Hive, FullAccessNeedsAHiveThisUserCanWrite)
{
    write(std::string("REGEDIT4\n\n") + kHeader + "\n");
    ::chmod(path.c_str(), 0444);
    ::chmod(directory.path().c_str(), 0755);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // Root may write anything; the check runs as an ordinary user then.
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        RegistryKey key;
        if (key.open(kSubKey, Access::Full, path) != OpenStatus::NotWritable)
            ::_exit(1);
        if (key.open(kSubKey, Access::Read, path) != OpenStatus::Ok)
            ::_exit(2);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// Each writer counts its own value up, one locked read-modify-write at a
// time; an update lost to the other writer shows as a short count.
TEST_F(Hive, TwoProcessesWritingAtOnceLoseNoUpdate)
{
    write(std::string("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Other]\n\"Kept\"=\"yes\"\n\n") +
          kHeader + "\n");
    constexpr uint32_t kRounds = 150;
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = ::fork();
        ASSERT_GE(writers[w], 0);
        if (writers[w] == 0) {
            const std::string name = "Counter" + std::to_string(w);
            for (uint32_t i = 0; i < kRounds; ++i) {
                RegistryKey key;
                if (key.open(kSubKey, Access::Full, path) != OpenStatus::Ok)
                    ::_exit(1);
                Value value;
                const uint32_t count = key.query(name, value) ? value.number : 0;
                key.setDword(name, count + 1);
                if (!key.close())
                    ::_exit(2);
            }
            ::_exit(0);
        }
    }
    for (pid_t writer : writers) {
        int status = 0;
        ASSERT_EQ(::waitpid(writer, &status, 0), writer);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    RegistryKey key;
    ASSERT_EQ(key.open(kSubKey, Access::Read, path), OpenStatus::Ok);
    for (const char* name : {"Counter0", "Counter1"}) {
        Value value;
        ASSERT_TRUE(key.query(name, value)) << name;
        EXPECT_EQ(value.number, kRounds) << name;
    }
    RegistryKey other;
    ASSERT_EQ(other.open("Software\\Other", Access::Read, path), OpenStatus::Ok);
    Value kept;
    EXPECT_TRUE(other.query("Kept", kept));
}

} // namespace
