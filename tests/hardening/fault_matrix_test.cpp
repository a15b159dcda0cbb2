// SPDX-License-Identifier: GPL-3.0-or-later
// Every device operation against every fault of the simulated adapter: the
// result code, the time it takes, what happens to the images and that no
// descriptor is left open behind it.
#include "simulated_adapter.h"
#include "ql310.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using ql310::test::SimulatedAdapter;

constexpr int kTimeoutMs = 300;

enum class Operation { Read, Write, History, LineParams, Supplementary };
enum class Fault { Absent, Busy, ZeroTransfer, NeverAnswers, VanishesMidway };

// What the caller's images and the adapter's state look like afterwards.
enum class Images {
    Untouched,       // neither the caller's images nor the adapter's state changed
    SettingArrived,  // a read brought the setting block, not the table block
    SettingWritten,  // a write delivered the setting block, not the table block
    Fetched,         // the history came in
    Delivered,       // the write reached the adapter whole
    NotApplicable,   // the operation carries no image (line parameters, command)
};

struct Case {
    Operation operation;
    Fault fault;
    const char* command; // the adapter's fault command; empty for none
    int result;
    Images images;
};

const char* name(Operation op)
{
    switch (op) {
    case Operation::Read: return "Read";
    case Operation::Write: return "Write";
    case Operation::History: return "History";
    case Operation::LineParams: return "LineParams";
    case Operation::Supplementary: return "Supplementary";
    }
    return "?";
}

const char* name(Fault fault)
{
    switch (fault) {
    case Fault::Absent: return "Absent";
    case Fault::Busy: return "Busy";
    case Fault::ZeroTransfer: return "ZeroTransfer";
    case Fault::NeverAnswers: return "NeverAnswers";
    case Fault::VanishesMidway: return "VanishesMidway";
    }
    return "?";
}

// The line-parameter store always answers 0; the supplementary command
// answers 1 when the driver accepted it. The history fetch and the two
// messages ask no status first, so a busy adapter does not stop them.
const Case kCases[] = {
    {Operation::Read, Fault::Absent, "vanish", QL310_NO_DEVICE, Images::Untouched},
    {Operation::Read, Fault::Busy, "busy read", QL310_BUSY, Images::Untouched},
    {Operation::Read, Fault::ZeroTransfer, "zero read-setting", QL310_READ_EMPTY, Images::Untouched},
    {Operation::Read, Fault::NeverAnswers, "hang read-setting", QL310_READ_EMPTY, Images::Untouched},
    {Operation::Read, Fault::VanishesMidway, "drop read-table", QL310_READ_EMPTY, Images::SettingArrived},

    {Operation::Write, Fault::Absent, "vanish", QL310_NO_DEVICE, Images::Untouched},
    {Operation::Write, Fault::Busy, "busy write", QL310_BUSY, Images::Untouched},
    {Operation::Write, Fault::ZeroTransfer, "zero write-setting", QL310_WRITE_EMPTY, Images::Untouched},
    {Operation::Write, Fault::NeverAnswers, "hang write-setting", QL310_WRITE_EMPTY, Images::Untouched},
    {Operation::Write, Fault::VanishesMidway, "drop write-table", QL310_WRITE_EMPTY, Images::SettingWritten},

    {Operation::History, Fault::Absent, "vanish", QL310_NO_DEVICE, Images::Untouched},
    {Operation::History, Fault::Busy, "busy read", QL310_OK, Images::Fetched},
    {Operation::History, Fault::ZeroTransfer, "zero history", QL310_READ_EMPTY, Images::Untouched},
    {Operation::History, Fault::NeverAnswers, "hang history", QL310_READ_EMPTY, Images::Untouched},
    {Operation::History, Fault::VanishesMidway, "drop history", QL310_READ_EMPTY, Images::Untouched},

    {Operation::LineParams, Fault::Absent, "vanish", 0, Images::NotApplicable},
    {Operation::LineParams, Fault::Busy, "busy write", 0, Images::NotApplicable},
    {Operation::LineParams, Fault::ZeroTransfer, "zero line-params", 0, Images::NotApplicable},
    {Operation::LineParams, Fault::NeverAnswers, "hang line-params", 0, Images::NotApplicable},
    {Operation::LineParams, Fault::VanishesMidway, "drop line-params", 0, Images::NotApplicable},

    {Operation::Supplementary, Fault::Absent, "vanish", 0, Images::NotApplicable},
    {Operation::Supplementary, Fault::Busy, "busy write", 1, Images::NotApplicable},
    {Operation::Supplementary, Fault::ZeroTransfer, "zero supplementary", 1, Images::NotApplicable},
    {Operation::Supplementary, Fault::NeverAnswers, "hang supplementary", 0, Images::NotApplicable},
    {Operation::Supplementary, Fault::VanishesMidway, "drop supplementary", 0, Images::NotApplicable},
};

size_t openDescriptors()
{
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

std::vector<uint8_t> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> filled(size_t size, uint8_t value) { return std::vector<uint8_t>(size, value); }

class FaultMatrix : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
        ::setenv("QL310_TIMEOUT_MS", std::to_string(kTimeoutMs).c_str(), 1);
        ASSERT_TRUE(adapter.start());
    }
    std::vector<uint8_t> state(const char* file) const
    {
        return fileBytes(adapter.stateDir() + "/" + file);
    }
    SimulatedAdapter adapter{QL310_ADAPTER_PATH};
};

TEST_P(FaultMatrix, EndsInTimeWithItsCodeAndLeavesWhatItMust)
{
    const Case& c = GetParam();
    const auto adapterSetting = state("setting.bin");
    const auto adapterTable = state("table.bin");
    const auto adapterHistory = state("history.bin");
    ASSERT_EQ(adapterSetting.size(), size_t(QL310_SETTING_BLOCK_SIZE));

    // Caller's images, filled with a pattern the adapter never holds.
    auto setting = filled(QL310_SETTING_BLOCK_SIZE, 0xA5);
    auto table = filled(QL310_TABLE_BLOCK_SIZE, 0x5A);
    auto history = filled(QL310_CALL_HISTORY_SIZE, 0xC3);
    std::array<uint8_t, QL310_LINE_PARAMS_SIZE> lineParams{};
    std::memcpy(lineParams.data(), "4711", 4);
    const uint8_t command[2] = {0x01, 0x02};

    ASSERT_EQ(adapter.command(c.command), "ok");
    const size_t descriptorsBefore = openDescriptors();
    const auto start = std::chrono::steady_clock::now();
    int result = -1;
    switch (c.operation) {
    case Operation::Read: result = QL310_LoadSetting(table.data(), setting.data()); break;
    case Operation::Write: result = QL310_SaveSetting(table.data(), setting.data()); break;
    case Operation::History: result = QL_GetCallHistoryData(history.data()); break;
    case Operation::LineParams: result = QL_PutDataToRegistry(lineParams.data()); break;
    case Operation::Supplementary: result = Call_Forward_Supplementary(command); break;
    }
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now() - start)
                          .count();
    EXPECT_EQ(result, c.result);
    EXPECT_LT(took, kTimeoutMs + 1000);
    EXPECT_EQ(openDescriptors(), descriptorsBefore);

    // A write never changes the caller's images; a failed read leaves them.
    const bool readArrived = c.operation == Operation::Read && c.images == Images::SettingArrived;
    EXPECT_EQ(setting, readArrived ? adapterSetting : filled(QL310_SETTING_BLOCK_SIZE, 0xA5));
    EXPECT_EQ(table, filled(QL310_TABLE_BLOCK_SIZE, 0x5A));
    EXPECT_EQ(history, c.images == Images::Fetched ? adapterHistory
                                                   : filled(QL310_CALL_HISTORY_SIZE, 0xC3));

    // The adapter's own images change only by what a write delivered.
    ASSERT_EQ(adapter.command("clear"), "ok");
    ASSERT_EQ(adapter.command("appear"), "ok");
    ASSERT_EQ(adapter.command("ping"), "ok");
    EXPECT_EQ(state("setting.bin"),
              c.images == Images::SettingWritten ? setting : adapterSetting);
    EXPECT_EQ(state("table.bin"), adapterTable);

    if (c.operation == Operation::LineParams) {
        // The hive keeps the record whatever became of the message.
        std::array<uint8_t, QL310_LINE_PARAMS_SIZE> back{};
        EXPECT_EQ(QL_GetDataFromRegistry(back.data()), 0);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(back.data())), "4711");
    }

    // Whatever the fault was, the next operation works again.
    auto again = filled(QL310_CALL_HISTORY_SIZE, 0);
    EXPECT_EQ(QL_GetCallHistoryData(again.data()), QL310_OK);
}

INSTANTIATE_TEST_SUITE_P(AllOperations, FaultMatrix, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(name(info.param.operation)) + "_" +
                                    name(info.param.fault);
                         });

// The matrix is whole: every operation meets every fault exactly once.
TEST(FaultMatrixTable, HoldsEachOperationWithEachFaultOnce)
{
    constexpr size_t kOperations = 5, kFaults = 5;
    int seen[kOperations][kFaults] = {};
    for (const Case& c : kCases)
        ++seen[static_cast<size_t>(c.operation)][static_cast<size_t>(c.fault)];
    for (size_t o = 0; o < kOperations; ++o)
        for (size_t f = 0; f < kFaults; ++f)
            EXPECT_EQ(seen[o][f], 1) << name(Operation(o)) << " x " << name(Fault(f));
}

} // namespace
