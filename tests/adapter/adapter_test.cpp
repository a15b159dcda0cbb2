// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated adapter's own rules: its factory state, the call-history
// records it produces and its fault commands.
#include "adapter_state.h"
#include "device_protocol.h"
#include "faults.h"
#include "server.h"
#include "simulated_adapter.h"

#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

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
    for (const char* call : {"call in 5 123 1", "call up 1 123 1", "call in 1 12a 1", "call in 1 123 86401",
                             "call in 1 123 -1", "call in 1 123", "call out Port9 1 1"}) {
        EXPECT_FALSE(applyCommand(call, faults, command, error)) << call;
        EXPECT_EQ(command.action, Action::None) << call;
    }
    ASSERT_TRUE(applyCommand("call out data(b2) - 75", faults, command, error));
    EXPECT_EQ(command.action, Action::AddCall);
    EXPECT_TRUE(command.outgoing && command.channel == 7 && command.number.empty() && command.seconds == 75);
    EXPECT_EQ(faults.zero, before.zero);
    EXPECT_EQ(faults.hang, before.hang);
    EXPECT_EQ(faults.statusCount, before.statusCount);

    ASSERT_TRUE(applyCommand("clear", faults, command, error));
    EXPECT_TRUE(faults.zero.empty() && faults.hang.empty() && faults.statusCount.empty());
}

TEST(AdapterCallHistory, KeepsTheLast90CallsInTheOrderTheyCame)
{
    HistoryImage history = AdapterState::factory(0).history;
    history[0] = 0x5A; // bytes outside the records stay
    const int factoryCalls = history[2];
    HistoryCall call;
    for (int i = 0; i < 95; ++i) {
        call.number = std::to_string(1000 + i);
        call.start.tm_mon = i % 12;
        addHistoryCall(history, call);
        if (i == 0)
            EXPECT_EQ(history[2], factoryCalls + 1);
    }
    EXPECT_EQ(history[2], 90);
    EXPECT_EQ(history[0], 0x5A);
    // 1005 is the oldest kept: its digits 1, 0 (0xA), 0, 5 in slot 0.
    EXPECT_EQ(history[3 + 1], 0x1A);
    EXPECT_EQ(history[3 + 2], 0xA5);
    EXPECT_EQ(history[3 + 24 * 89 + 2], 0x94); // 1094, the newest, in the last slot
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

int connectTo(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// One control command on the connection `fd`; its reply within 5 s.
std::string ask(int fd, const std::string& line)
{
    const std::string out = line + "\n";
    if (::send(fd, out.data(), out.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(out.size()))
        return "error: send failed";
    std::string reply;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (reply.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0)
            return "error: no reply";
        char buffer[256];
        const ssize_t n = ::recv(fd, buffer, sizeof(buffer), 0);
        if (n <= 0)
            return "error: closed";
        reply.append(buffer, static_cast<size_t>(n));
    }
    return reply.substr(0, reply.find('\n'));
}

// Processor time of process `pid` in clock ticks.
long cpuTicks(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long user = 0, system = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            user = std::stol(field);
        if (i == 15)
            system = std::stol(field);
    }
    return user + system;
}

// Out of descriptors, accept fails while the connection stays queued: the
// adapter rests instead of spinning, serves the connections it has, and
// takes new ones again once descriptors are free.
TEST(AdapterServer, OutOfDescriptorsItRestsAndKeepsServingItsConnections)
{
    ql310::test::TemporaryDirectory root;
    const std::string dir = root.path() + "/dev";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{24, 24};
        ::setrlimit(RLIMIT_NOFILE, &limit);
        AdapterState state = AdapterState::factory(0);
        Faults faults;
        std::string error;
        Server server({dir, ""}, state, faults);
        if (!server.start(error))
            ::_exit(1);
        server.run(nullptr);
        ::_exit(0);
    }
    struct Reaper {
        pid_t pid;
        ~Reaper()
        {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    } reaper{child};
    const std::string controlPath = dir + "/capi201.ctl";
    int control = -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while ((control = connectTo(controlPath)) < 0 && std::chrono::steady_clock::now() < deadline)
        ::poll(nullptr, 0, 10);
    ASSERT_GE(control, 0);
    ASSERT_EQ(ask(control, "ping"), "ok");

    // More clients than it has descriptors for: those beyond wait in the
    // listener's queue, which fills while the adapter accepts.
    std::vector<int> clients;
    const auto filled = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (clients.size() < 30 && std::chrono::steady_clock::now() < filled) {
        if (const int fd = connectTo(dir + "/capi201"); fd >= 0)
            clients.push_back(fd);
        else
            ::poll(nullptr, 0, 5);
    }
    ASSERT_EQ(clients.size(), 30u);
    ASSERT_EQ(ask(control, "ping"), "ok");
    // A spinning loop would burn most of a core over this window.
    const long before = cpuTicks(child);
    ::poll(nullptr, 0, 1500);
    const long used = cpuTicks(child) - before;
    EXPECT_LT(used, ::sysconf(_SC_CLK_TCK) / 10) << "ticks used while out of descriptors";
    EXPECT_EQ(ask(control, "ping"), "ok");

    for (int fd : clients)
        ::close(fd);
    const int later = connectTo(controlPath);
    ASSERT_GE(later, 0);
    EXPECT_EQ(ask(later, "ping"), "ok");
    ::close(later);
    ::close(control);
}

TEST(AdapterHistoryCommand, LoadsOnlyFromARegularFileAndNeverBlocks)
{
    ql310::test::SimulatedAdapter adapter(QL310_ADAPTER_PATH);
    ASSERT_TRUE(adapter.start());
    const std::string fifo = adapter.root() + "/history.pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string reply = adapter.command("history " + fifo);
    EXPECT_NE(reply.find("not a regular file"), std::string::npos) << reply;
    EXPECT_EQ(adapter.command("ping"), "ok");
}

TEST(AdapterJournal, OnlyARegularFileIsAJournalAndTheStartNeverBlocks)
{
    ql310::test::TemporaryDirectory root;
    const std::string fifo = root.path() + "/journal.pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    AdapterState state = AdapterState::factory(0);
    Faults faults;
    std::string error;
    Server server({root.path() + "/dev", fifo}, state, faults);
    EXPECT_FALSE(server.start(error));
    EXPECT_NE(error.find(fifo), std::string::npos) << error;
}

TEST(AdapterStateFiles, AStoreRemovesWhatKilledStoresLeftBehind)
{
    ql310::test::TemporaryDirectory root;
    AdapterState state;
    std::string error;
    ASSERT_TRUE(state.open(root.path(), 0, error)) << error;
    const std::string stale = root.path() + "/setting.bin.Xy7Qa2";
    std::ofstream(stale) << "half";
    const timeval old{std::time(nullptr) - 120, 0};
    const timeval times[2] = {old, old};
    ASSERT_EQ(::utimes(stale.c_str(), times), 0);
    ASSERT_TRUE(state.save(error)) << error;
    EXPECT_FALSE(std::filesystem::exists(stale));
}

} // namespace
