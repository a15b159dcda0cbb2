// SPDX-License-Identifier: GPL-3.0-or-later
// The device operations against a real simulated adapter: request order,
// byte-count rules and every result code.
#include "simulated_adapter.h"
#include "ql310.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Codes = std::vector<std::string>;
using ql310::test::SimulatedAdapter;

constexpr int kTimeoutMs = 400;

struct Images {
    std::array<uint8_t, QL310_TABLE_BLOCK_SIZE> table;
    std::array<uint8_t, QL310_SETTING_BLOCK_SIZE> setting;
    std::array<uint8_t, QL310_CALL_HISTORY_SIZE> history;
    explicit Images(uint8_t fill)
    {
        table.fill(fill);
        setting.fill(fill);
        history.fill(fill);
    }
};

long long elapsedMs(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 since)
        .count();
}

class Transfer : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("QL310_TIMEOUT_MS", std::to_string(kTimeoutMs).c_str(), 1);
        ASSERT_TRUE(adapter.start());
    }
    // What the adapter holds now, read back in a clean state.
    Images adapterImages()
    {
        Images images(0);
        EXPECT_EQ(adapter.command("clear"), "ok");
        EXPECT_EQ(QL310_LoadSetting(images.table.data(), images.setting.data()), QL310_OK);
        EXPECT_EQ(QL_GetCallHistoryData(images.history.data()), QL310_OK);
        return images;
    }
    // A file of the adapter's state directory.
    std::vector<uint8_t> stateFile(const char* name) const
    {
        std::ifstream in(adapter.stateDir() + "/" + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    template <size_t N>
    static std::vector<uint8_t> bytesOf(const std::array<uint8_t, N>& image)
    {
        return {image.begin(), image.end()};
    }
    SimulatedAdapter adapter{QL310_ADAPTER_PATH};
};

TEST_F(Transfer, ReadReturnsTheAdapterImagesByteForByte)
{
    Images images(0xEE);
    ASSERT_EQ(QL310_LoadSetting(images.table.data(), images.setting.data()), QL310_OK);
    ASSERT_EQ(QL_GetCallHistoryData(images.history.data()), QL310_OK);

    EXPECT_EQ(stateFile("setting.bin"), bytesOf(images.setting));
    EXPECT_EQ(stateFile("table.bin"), bytesOf(images.table));
    EXPECT_EQ(stateFile("history.bin"), bytesOf(images.history));

    EXPECT_EQ(adapter.journalCodes(), (Codes{"800120F0", "800120D4", "800120D0", "8001210C"}));
}

TEST_F(Transfer, WriteThenReadGivesWhatWasWrittenAlsoAfterARestart)
{
    Images written(0);
    for (size_t i = 0; i < written.setting.size(); ++i)
        written.setting[i] = static_cast<uint8_t>(i * 7 + 1);
    for (size_t i = 0; i < written.table.size(); ++i)
        written.table[i] = static_cast<uint8_t>(i * 13 + 5);
    Images sent = written;
    ASSERT_EQ(QL310_SaveSetting(sent.table.data(), sent.setting.data()), QL310_OK);
    EXPECT_EQ(adapter.journalCodes(4), (Codes{"800120E8", "800120DC", "800120D8", "800120EC"}));

    Images read(0);
    ASSERT_EQ(QL310_LoadSetting(read.table.data(), read.setting.data()), QL310_OK);
    EXPECT_EQ(read.setting, written.setting);
    EXPECT_EQ(read.table, written.table);

    adapter.stop();
    ASSERT_TRUE(adapter.start());
    Images again(0);
    ASSERT_EQ(QL310_LoadSetting(again.table.data(), again.setting.data()), QL310_OK);
    EXPECT_EQ(again.setting, written.setting);
    EXPECT_EQ(again.table, written.table);
}

TEST_F(Transfer, TheJournalShowsTheBlockThatWasSent)
{
    Images images(0);
    images.setting[0] = 0xAB;
    images.setting[2047] = 0xCD;
    ASSERT_EQ(QL310_SaveSetting(images.table.data(), images.setting.data()), QL310_OK);
    const auto lines = adapter.journal();
    ASSERT_GE(lines.size(), 2u);
    const std::string& write = lines[1];
    ASSERT_EQ(write.rfind("800120DC 2048 ", 0), 0u);
    const std::string hex = write.substr(14);
    ASSERT_EQ(hex.size(), 4096u);
    EXPECT_EQ(hex.substr(0, 2), "AB");
    EXPECT_EQ(hex.substr(4094), "CD");
}

TEST_F(Transfer, AbsentDriverGivesOneAtOnceAndLeavesTheImages)
{
    adapter.stop();
    Images images(0x5A);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(QL310_LoadSetting(images.table.data(), images.setting.data()), QL310_NO_DEVICE);
    EXPECT_EQ(QL310_SaveSetting(images.table.data(), images.setting.data()), QL310_NO_DEVICE);
    EXPECT_EQ(QL_GetCallHistoryData(images.history.data()), QL310_NO_DEVICE);
    EXPECT_LT(elapsedMs(start), 1000);
    EXPECT_EQ(images.table, Images(0x5A).table);
    EXPECT_EQ(images.setting, Images(0x5A).setting);
    EXPECT_EQ(images.history, Images(0x5A).history);
}

TEST_F(Transfer, VanishedDeviceCountsAsAbsentAndComesBack)
{
    ASSERT_EQ(adapter.command("vanish"), "ok");
    Images images(0);
    EXPECT_EQ(QL_GetCallHistoryData(images.history.data()), QL310_NO_DEVICE);
    ASSERT_EQ(adapter.command("appear"), "ok");
    EXPECT_EQ(QL_GetCallHistoryData(images.history.data()), QL310_OK);
}

TEST_F(Transfer, OnlyACountOfThreeBeforeAReadMeansBusy)
{
    Images images(0x11);
    ASSERT_EQ(adapter.command("status status-read 2"), "ok");
    EXPECT_EQ(QL310_LoadSetting(images.table.data(), images.setting.data()), QL310_OK);

    Images busy(0x11);
    ASSERT_EQ(adapter.command("busy read"), "ok");
    EXPECT_EQ(QL310_LoadSetting(busy.table.data(), busy.setting.data()), QL310_BUSY);
    EXPECT_EQ(busy.setting, Images(0x11).setting);
    EXPECT_EQ(busy.table, Images(0x11).table);
    // Two reads: the first transferred both blocks, the second only asked.
    EXPECT_EQ(adapter.journalCodes(),
              (Codes{"800120F0", "800120D4", "800120D0", "800120F0"}));
}

TEST_F(Transfer, AnyCountBeforeAWriteMeansBusyAndEndOfWriteStillGoesOut)
{
    const Images before = adapterImages();
    Images images(0x77);
    ASSERT_EQ(adapter.command("status status-write 2"), "ok");
    EXPECT_EQ(QL310_SaveSetting(images.table.data(), images.setting.data()), QL310_BUSY);
    ASSERT_EQ(adapter.command("busy write"), "ok");
    EXPECT_EQ(QL310_SaveSetting(images.table.data(), images.setting.data()), QL310_BUSY);
    // After the four requests of adapterImages().
    const Codes codes = adapter.journalCodes(8);
    EXPECT_EQ(Codes(codes.begin() + 4, codes.end()),
              (Codes{"800120E8", "800120EC", "800120E8", "800120EC"}));
    EXPECT_EQ(adapterImages().setting, before.setting);
}

TEST_F(Transfer, SettingBlockReadOfNothingSkipsTheTableBlock)
{
    Images images(0x33);
    ASSERT_EQ(adapter.command("zero read-setting"), "ok");
    EXPECT_EQ(QL310_LoadSetting(images.table.data(), images.setting.data()), QL310_READ_EMPTY);
    EXPECT_EQ(images.table, Images(0x33).table);
    EXPECT_EQ(adapter.journalCodes(), (Codes{"800120F0", "800120D4"}));
}

TEST_F(Transfer, TableBlockReadOfNothingKeepsTheNewSettingBlock)
{
    const Images adapterHas = adapterImages();
    Images images(0x33);
    ASSERT_EQ(adapter.command("zero read-table"), "ok");
    EXPECT_EQ(QL310_LoadSetting(images.table.data(), images.setting.data()), QL310_READ_EMPTY);
    EXPECT_EQ(images.setting, adapterHas.setting);
}

TEST_F(Transfer, WriteOfNothingGivesFourAndEndsTheWrite)
{
    Images images(0x44);
    ASSERT_EQ(adapter.command("zero write-setting"), "ok");
    EXPECT_EQ(QL310_SaveSetting(images.table.data(), images.setting.data()), QL310_WRITE_EMPTY);
    EXPECT_EQ(adapter.journalCodes(3), (Codes{"800120E8", "800120DC", "800120EC"}));

    ASSERT_EQ(adapter.command("clear"), "ok");
    ASSERT_EQ(adapter.command("zero write-table"), "ok");
    EXPECT_EQ(QL310_SaveSetting(images.table.data(), images.setting.data()), QL310_WRITE_EMPTY);
    const Codes codes = adapter.journalCodes(7);
    EXPECT_EQ(Codes(codes.begin() + 3, codes.end()),
              (Codes{"800120E8", "800120DC", "800120D8", "800120EC"}));
    // The setting block had already gone to the adapter.
    EXPECT_EQ(adapterImages().setting, Images(0x44).setting);
}

TEST_F(Transfer, ARejectedWriteStoresNothing)
{
    const Images before = adapterImages();
    Images images(0x55);
    for (const char* fault : {"reject write-setting", "reject write-table"}) {
        ASSERT_EQ(adapter.command("clear"), "ok");
        ASSERT_EQ(adapter.command(fault), "ok");
        EXPECT_EQ(QL310_SaveSetting(images.table.data(), images.setting.data()), QL310_WRITE_EMPTY);
        if (std::string(fault) == "reject write-setting")
            EXPECT_EQ(adapterImages().setting, before.setting) << fault;
        EXPECT_EQ(adapterImages().table, before.table) << fault;
        EXPECT_EQ(stateFile("table.bin"), bytesOf(before.table)) << fault;
    }
}

// Another process holds the device (as around its read and write back):
// a read and a write wait for it no longer than the bound, then say busy
// and change nothing; once it is given back both go through.
TEST_F(Transfer, AReadAndAWriteWaitForTheDeviceAnotherProcessHolds)
{
    Images images(0x66);
    const Images before = adapterImages();
    int hold[2], release[2];
    ASSERT_EQ(::pipe(hold), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        char c = QL310_LockDevice() == QL310_OK ? 'y' : 'n';
        (void)!::write(hold[1], &c, 1);
        (void)!::read(release[0], &c, 1);
        QL310_UnlockDevice();
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(hold[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');
    Images read(0);
    EXPECT_EQ(QL310_LoadSetting(read.table.data(), read.setting.data()), QL310_BUSY);
    EXPECT_EQ(read.setting, Images(0).setting);
    EXPECT_EQ(QL310_SaveSetting(images.table.data(), images.setting.data()), QL310_BUSY);
    EXPECT_EQ(stateFile("table.bin"), bytesOf(before.table));
    EXPECT_EQ(stateFile("setting.bin"), bytesOf(before.setting));
    // Taken again inside one process, the lock is only counted.
    ASSERT_EQ(::write(release[1], "x", 1), 1);
    ASSERT_EQ(::waitpid(holder, nullptr, 0), holder);
    ASSERT_EQ(QL310_LockDevice(), QL310_OK);
    EXPECT_EQ(QL310_SaveSetting(images.table.data(), images.setting.data()), QL310_OK);
    EXPECT_EQ(QL310_LoadSetting(read.table.data(), read.setting.data()), QL310_OK);
    QL310_UnlockDevice();
    EXPECT_EQ(read.table, images.table);
    for (int fd : {hold[0], hold[1], release[0], release[1]})
        ::close(fd);
}

TEST_F(Transfer, HistoryFetchOfNothingGivesThree)
{
    Images images(0);
    ASSERT_EQ(adapter.command("zero history"), "ok");
    EXPECT_EQ(QL_GetCallHistoryData(images.history.data()), QL310_READ_EMPTY);
}

TEST_F(Transfer, LoadedHistoryIsWhatTheFetchReturns)
{
    std::array<uint8_t, QL310_CALL_HISTORY_SIZE> history{};
    for (size_t i = 0; i < history.size(); ++i)
        history[i] = static_cast<uint8_t>(i);
    const std::string file = adapter.root() + "/history-in.bin";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(history.data()), history.size());
    ASSERT_EQ(adapter.command("history " + file), "ok");
    Images images(0);
    ASSERT_EQ(QL_GetCallHistoryData(images.history.data()), QL310_OK);
    EXPECT_EQ(images.history, history);
    EXPECT_EQ(adapter.command("history " + adapter.root() + "/missing.bin").rfind("error:", 0), 0u);
}

// A request that never answers: the operation gives up after the bounded
// time with the code of "nothing transferred" (busy for a status query).
TEST_F(Transfer, RequestsThatNeverAnswerEndWithinTheBoundedTime)
{
    struct Case {
        const char* fault;
        int expected;
        int operation; // 0 load, 1 save, 2 history
    };
    const Case cases[] = {
        {"hang status-read", QL310_BUSY, 0},      {"hang read-setting", QL310_READ_EMPTY, 0},
        {"hang read-table", QL310_READ_EMPTY, 0}, {"hang status-write", QL310_BUSY, 1},
        {"hang write-setting", QL310_WRITE_EMPTY, 1}, {"hang write-table", QL310_WRITE_EMPTY, 1},
        {"hang history", QL310_READ_EMPTY, 2},    {"drop read-table", QL310_READ_EMPTY, 0},
        {"drop write-setting", QL310_WRITE_EMPTY, 1}, {"drop history", QL310_READ_EMPTY, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        ASSERT_EQ(adapter.command("clear"), "ok");
        ASSERT_EQ(adapter.command(c.fault), "ok");
        Images images(0);
        const auto start = std::chrono::steady_clock::now();
        int result = -1;
        if (c.operation == 0)
            result = QL310_LoadSetting(images.table.data(), images.setting.data());
        else if (c.operation == 1)
            result = QL310_SaveSetting(images.table.data(), images.setting.data());
        else
            result = QL_GetCallHistoryData(images.history.data());
        EXPECT_EQ(result, c.expected);
        EXPECT_LT(elapsedMs(start), kTimeoutMs + 1000);
    }
    // A hung write still ends with end-of-write.
    ASSERT_EQ(adapter.command("clear"), "ok");
    ASSERT_EQ(adapter.command("hang write-setting"), "ok");
    const size_t before = adapter.journal().size();
    Images images(0);
    EXPECT_EQ(QL310_SaveSetting(images.table.data(), images.setting.data()), QL310_WRITE_EMPTY);
    const Codes codes = adapter.journalCodes(before + 3);
    EXPECT_EQ(Codes(codes.begin() + static_cast<long>(before), codes.end()),
              (Codes{"800120E8", "800120DC", "800120EC"}));
}

TEST(FactoryDefaults, KeepsTheAdapterBytesAndZeroesTheRest)
{
    std::array<uint8_t, QL310_TABLE_BLOCK_SIZE> table;
    std::array<uint8_t, QL310_SETTING_BLOCK_SIZE> setting;
    table.fill(0xFF);
    setting.fill(0xFF);
    EXPECT_EQ(QL310_LoadDefault(table.data(), setting.data()), 0);

    std::array<uint8_t, QL310_SETTING_BLOCK_SIZE> expected{};
    for (int i = 0; i < 6; ++i)
        expected[i] = 0xFF;
    for (int i = 288; i <= 292; ++i)
        expected[i] = 0xFF;
    const uint8_t extension[4] = {0x1A, 0x2A, 0x3A, 0x4A};
    for (int p = 0; p < 4; ++p) {
        expected[96 + 2 * p] = extension[p];
        expected[214 + 2 * p] = 0x2A;
        expected[215 + 2 * p] = 0x20;
        expected[223 + p] = 10;
        expected[234 + 3 * p] = 0x10;
        expected[235 + 3 * p] = 0x20;
        expected[236 + 3 * p] = 0x30;
    }
    EXPECT_EQ(setting, expected);
    EXPECT_EQ(table, (std::array<uint8_t, QL310_TABLE_BLOCK_SIZE>{}));
}

} // namespace
