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

// A dump with the end time of the calls in progress (Recording, the fifth
// field, is 1) left out.
std::string withoutRunningEnds(const std::string& dump)
{
    std::string out;
    size_t start = 0;
    for (size_t end; (end = dump.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = dump.substr(start, end - start);
        size_t bar = 0;
        for (int i = 0; i < 4 && bar != std::string::npos; ++i)
            bar = line.find('|', bar + 1);
        if (bar != std::string::npos && line.compare(bar + 1, 2, "1|") == 0)
            line.erase(line.rfind('|'));
        out += line + "\n";
    }
    return out;
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
    // The call in progress ends at the time of each fetch; the rest is as it was.
    EXPECT_EQ(withoutRunningEnds(dump()), withoutRunningEnds(merged));
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

// Rows of a dump: "Index|Port|InOut|PhoneNumber|Recording|Lost|...".
std::vector<std::vector<std::string>> rowsOf(const std::string& dump)
{
    std::vector<std::vector<std::string>> rows;
    size_t start = 0;
    for (size_t end; (end = dump.find('\n', start)) != std::string::npos; start = end + 1) {
        std::vector<std::string> fields;
        const std::string line = dump.substr(start, end - start);
        size_t from = 0;
        for (size_t bar; (bar = line.find('|', from)) != std::string::npos; from = bar + 1)
            fields.push_back(line.substr(from, bar - from));
        fields.push_back(line.substr(from));
        rows.push_back(fields);
    }
    return rows;
}

// Two loops of fetches on one data directory, as two ql310ctl loops or
// ql310ctl beside the program: every fetch lands, and each call is in the
// log once (the call in progress neither twice nor lost).
TEST_F(CallLogCrash, FetchesAtOnceEachLandAndKeepEveryCallOnce)
{
    TemporaryDirectory alone;
    ASSERT_EQ(helper({"merge", alone.path(), historyFile}).status, 0);
    const size_t calls = rowsOf(helper({"dump", alone.path()}).output).size();
    ASSERT_GE(calls, 3u);

    // Each loop is one process, so that the fetches overlap rather than
    // the programs' starts.
    constexpr int kLoops = 2;
    pid_t loops[kLoops];
    for (pid_t& loop : loops) {
        loop = ::fork();
        ASSERT_GE(loop, 0);
        if (loop == 0)
            ::_exit(helper({"merge", data.path(), historyFile, "30"}).status);
    }
    for (pid_t loop : loops) {
        int status = 0;
        ASSERT_EQ(::waitpid(loop, &status, 0), loop);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "a loop had fetches that failed";
    }
    const auto rows = rowsOf(dump());
    EXPECT_EQ(rows.size(), calls);
    for (const auto& row : rows) {
        ASSERT_GE(row.size(), 6u);
        EXPECT_NE(row[5], "1") << "marked lost: call " << row[0];
    }
}

// A first fetch killed while it makes the database files: the next one
// finds every file whole, or makes it.
TEST_F(CallLogCrash, AFirstFetchKilledWhileMakingTheFilesLeavesThemUsable)
{
    for (const char* point : {"create-empty", "create-before-rename", "create-empty#2",
                              "create-before-rename#2"}) {
        SCOPED_TRACE(point);
        TemporaryDirectory fresh;
        EXPECT_TRUE(helper({"merge", fresh.path(), historyFile}, point).killed);
        ASSERT_EQ(helper({"merge", fresh.path(), historyFile}).status, 0);
        EXPECT_GE(rowsOf(helper({"dump", fresh.path()}).output).size(), 3u);
    }
}

} // namespace
