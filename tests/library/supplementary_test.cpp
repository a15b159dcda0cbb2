// SPDX-License-Identifier: GPL-3.0-or-later
// The supplementary-service command: passed to the driver unchanged, the
// driver's verdict returned.
#include "simulated_adapter.h"
#include "ql310.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using ql310::test::SimulatedAdapter;

const uint8_t kCommand[2] = {0xA5, 0x01};

class Supplementary : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("QL310_TIMEOUT_MS", "400", 1);
        ASSERT_TRUE(adapter.start());
    }
    SimulatedAdapter adapter{QL310_ADAPTER_PATH};
};

TEST_F(Supplementary, AnAcceptedCommandReturnsNonZeroAndGoesOutUnchanged)
{
    EXPECT_NE(Call_Forward_Supplementary(kCommand), 0);
    EXPECT_EQ(adapter.journal(), std::vector<std::string>{"80012114 2 A501"});
}

TEST_F(Supplementary, ARefusedCommandReturnsZero)
{
    ASSERT_EQ(adapter.command("reject 80012114"), "ok");
    EXPECT_EQ(Call_Forward_Supplementary(kCommand), 0);
}

TEST_F(Supplementary, ACommandThatIsNeverAnsweredReturnsZero)
{
    ASSERT_EQ(adapter.command("hang 80012114"), "ok");
    EXPECT_EQ(Call_Forward_Supplementary(kCommand), 0);
}

TEST_F(Supplementary, WithoutTheDriverNothingIsSentAndTheResultIsZero)
{
    adapter.stop();
    EXPECT_EQ(Call_Forward_Supplementary(kCommand), 0);
    ASSERT_TRUE(adapter.start());
    EXPECT_TRUE(adapter.journal().empty());
}

} // namespace
