// SPDX-License-Identifier: GPL-3.0-or-later
// A process killed (SIGKILL) at the worst moment of a settings save, a hive
// store or a call-log merge leaves the old state or the new one, never a
// torn one, and the next run goes through.
#include "adapter_state.h"
#include "simulated_adapter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using ql310::test::TemporaryDirectory;

struct HelperRun {
    bool killed = false; // ended by SIGKILL
    int status = -1;     // exit status otherwise
    std::string output;
};

// Runs the helper with `arguments`; `crashAt` arms one crash point.
HelperRun helper(const std::vector<std::string>& arguments, const std::string& crashAt = {})
{
    int out[2];
    if (::pipe(out) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        if (crashAt.empty())
            ::unsetenv("QL310_CRASH_AT");
        else
            ::setenv("QL310_CRASH_AT", crashAt.c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        std::vector<char*> argv{const_cast<char*>(QL310_CRASH_HELPER)};
        for (const std::string& a : arguments)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(QL310_CRASH_HELPER, argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    HelperRun run;
    char buffer[4096];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
        run.output.append(buffer, static_cast<size_t>(n));
    ::close(out[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const char* const kFilePoints[] = {"replace-half-written", "replace-before-rename"};

TEST(CrashSafety, AKilledSettingsSaveLeavesTheOldFileAndTheNextSaveWorks)
{
    TemporaryDirectory dir;
    const std::string file = dir.path() + "/office.set";
    ASSERT_EQ(helper({"settings", file, "0x11"}).status, 0);
    const std::string before = contents(file);
    ASSERT_EQ(before.size(), 1792u + 2048u + 673u);

    for (const char* point : kFilePoints) {
        SCOPED_TRACE(point);
        EXPECT_TRUE(helper({"settings", file, "0x22"}, point).killed);
        EXPECT_EQ(contents(file), before);
    }
    ASSERT_EQ(helper({"settings", file, "0x22"}).status, 0);
    EXPECT_EQ(contents(file), std::string(before.size(), '\x22'));
}

TEST(CrashSafety, AKilledHiveStoreLeavesTheOldHiveUnlockedForTheNextStore)
{
    TemporaryDirectory dir;
    const std::string hive = dir.path() + "/hklm.reg";
    ASSERT_EQ(helper({"hive", hive, "111"}).status, 0);
    const std::string before = contents(hive);
    ASSERT_NE(before.find("\"MSN1\"=\"111\""), std::string::npos);

    for (const char* point : kFilePoints) {
        SCOPED_TRACE(point);
        EXPECT_TRUE(helper({"hive", hive, "222"}, point).killed);
        EXPECT_EQ(contents(hive), before);
    }
    // The dead writer's lock went with it.
    ASSERT_EQ(helper({"hive", hive, "222"}).status, 0);
    const std::string after = contents(hive);
    EXPECT_NE(after.find("\"MSN1\"=\"222\""), std::string::npos);
    EXPECT_EQ(after.find("111"), std::string::npos);
}

class CallLogCrash : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto history = ql310::adapter::AdapterState::factory(std::time(nullptr)).history;
        std::ofstream(historyFile, std::ios::binary)
            .write(reinterpret_cast<const char*>(history.data()), history.size());
    }
    std::string dump()
    {
        const HelperRun run = helper({"dump", data.path()});
        EXPECT_EQ(run.status, 0);
        return run.output;
    }
    TemporaryDirectory data;
    TemporaryDirectory scratch;
    const std::string historyFile = scratch.path() + "/history.bin";
};

TEST_F(CallLogCrash, AMergeKilledAfterItsFirstCallLeavesAnEmptyLog)
{
    EXPECT_TRUE(helper({"merge", data.path(), historyFile}, "merge-appended#1").killed);
    EXPECT_EQ(dump(), "");
    ASSERT_EQ(helper({"merge", data.path(), historyFile}).status, 0);
    const std::string merged = dump();
    // The factory history holds several calls; they all arrived once.
    EXPECT_GE(std::count(merged.begin(), merged.end(), '\n'), 3);
    ASSERT_EQ(helper({"merge", data.path(), historyFile}).status, 0);
    EXPECT_EQ(dump(), merged);
}

TEST_F(CallLogCrash, AMergeKilledWhileSettlingACallInProgressLeavesTheLogAsItWas)
{
    ASSERT_EQ(helper({"merge", data.path(), historyFile}).status, 0);
    const std::string before = dump();
    ASSERT_FALSE(before.empty());
    EXPECT_TRUE(helper({"merge", data.path(), historyFile}, "merge-settled").killed);
    EXPECT_EQ(dump(), before);
    // The next start settles the same call again (its end is the time of
    // the fetch) and adds nothing.
    EXPECT_EQ(helper({"merge", data.path(), historyFile}).status, 0);
    const std::string after = dump();
    EXPECT_EQ(std::count(after.begin(), after.end(), '\n'), std::count(before.begin(), before.end(), '\n'));
}

} // namespace
