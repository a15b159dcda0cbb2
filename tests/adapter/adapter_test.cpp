// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated adapter's own rules: its factory state, the call-history
// records it produces and its fault commands.
#include "adapter_state.h"
#include "device_protocol.h"
#include "faults.h"
#include "server.h"
#include "simulated_adapter.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace ql310::adapter;

TEST(AdapterFactoryState, IsAFactoryAdapterWithIdentityAndLcrOffered)
{
    const AdapterState state = AdapterState::factory(std::time(nullptr));
    EXPECT_EQ(std::memcmp(state.setting.data(), kFirmwareVersion, 6), 0);
    EXPECT_EQ(state.setting[288], kCountryCode);
    EXPECT_EQ(state.setting[290], 0); // LCR not disabled
    EXPECT_EQ(state.setting[96], 0x1A);
    EXPECT_EQ(state.setting[214], 0x2A);
}

TEST(AdapterFactoryState, HistoryHoldsFinishedCallsOnSeveralChannelsAndOneInProgress)
{
    const AdapterState state = AdapterState::factory(std::time(nullptr));
    const int count = state.history[2];
    ASSERT_GE(count, 2);
    int inProgress = 0;
    int channels = 0;
    for (int i = 0; i < count; ++i) {
        const uint8_t flags = state.history[3 + 24 * i];
        ASSERT_NE(flags & 0x0C, 0) << "slot " << i << " is empty";
        if ((flags & 0x0C) == 0x04)
            ++inProgress;
        channels |= 1 << (flags >> 5);
    }
    EXPECT_GE(inProgress, 1);
    EXPECT_GE(__builtin_popcount(channels), 3);
    EXPECT_EQ(state.history[3 + 24 * count], 0); // the slots after the calls are empty
}

TEST(AdapterHistory, RecordsFollowTheCallRecordFormat)
{
    HistoryCall call;
    call.channel = 6;
    call.outgoing = true;
    call.inProgress = false;
    call.number = "1230";
    call.start.tm_mon = 11; // December
    call.start.tm_mday = 24;
    call.start.tm_hour = 18;
    call.start.tm_min = 5;
    call.start.tm_sec = 9;
    call.end = call.start;
    call.end.tm_min = 7;
    const HistoryImage image = encodeHistory(&call, 1);
    EXPECT_EQ(image[2], 1);
    const uint8_t* slot = image.data() + 3;
    EXPECT_EQ(slot[0], 0xC0 | 0x10 | 0x08);
    EXPECT_EQ(slot[1], 0x12);
    EXPECT_EQ(slot[2], 0x3A);
    EXPECT_EQ(slot[3], 0x00);
    const uint8_t times[10] = {12, 24, 18, 5, 9, 12, 24, 18, 7, 9};
    EXPECT_EQ(std::memcmp(slot + 14, times, 10), 0);

    call.inProgress = true;
    EXPECT_EQ(encodeHistory(&call, 1)[3] & 0x0C, 0x04);
}

TEST(AdapterFaults, CommandsSetFaultsAndBadOnesChangeNothing)
{
    Faults faults;
    Command command;
    std::string error;
    ASSERT_TRUE(applyCommand("busy read", faults, command, error));
    EXPECT_EQ(faults.statusCount[ql310::device::kStatusBeforeRead], 3u);
    ASSERT_TRUE(applyCommand("status 0x800120E8 7", faults, command, error));
    EXPECT_EQ(faults.statusCount[ql310::device::kStatusBeforeWrite], 7u);
    ASSERT_TRUE(applyCommand("zero 800120D0", faults, command, error));
    EXPECT_TRUE(faults.zero.count(ql310::device::kReadTableBlock));
    ASSERT_TRUE(applyCommand("hang history", faults, command, error));
    EXPECT_TRUE(faults.hang.count(ql310::device::kFetchCallHistory));
    ASSERT_TRUE(applyCommand("history /tmp/h.bin", faults, command, error));
    EXPECT_EQ(command.action, Action::LoadHistory);
    EXPECT_EQ(command.argument, "/tmp/h.bin");

    const Faults before = faults;
    EXPECT_FALSE(applyCommand("zero", faults, command, error));
    EXPECT_FALSE(applyCommand("hang nonsense", faults, command, error));
    EXPECT_FALSE(applyCommand("explode", faults, command, error));
    EXPECT_FALSE(applyCommand("busy sideways", faults, command, error));
    EXPECT_EQ(faults.zero, before.zero);
    EXPECT_EQ(faults.hang, before.hang);
    EXPECT_EQ(faults.statusCount, before.statusCount);

    ASSERT_TRUE(applyCommand("clear", faults, command, error));
    EXPECT_TRUE(faults.zero.empty() && faults.hang.empty() && faults.statusCount.empty());
}

TEST(AdapterDeviceDirectory, IsMadePrivateAndAnOpenOneIsRefused)
{
    ql310::test::TemporaryDirectory root;
    AdapterState state = AdapterState::factory(0);
    Faults faults;
    std::string error;
    {
        Server server({root.path() + "/new/dev", ""}, state, faults);
        ASSERT_TRUE(server.start(error)) << error;
        struct stat st {};
        ASSERT_EQ(::stat((root.path() + "/new/dev").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
    }
    const std::string open = root.path() + "/open";
    ASSERT_EQ(::mkdir(open.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(open.c_str(), 0777), 0);
    Server server({open, ""}, state, faults);
    EXPECT_FALSE(server.start(error));
    EXPECT_NE(error.find("others may write"), std::string::npos);
}

} // namespace
