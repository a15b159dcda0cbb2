// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulated_adapter.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ql310::test {

namespace {

std::string makeTemporaryDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "ql310-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        return {};
    return pattern;
}

int connectTo(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return -1;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

TemporaryDirectory::TemporaryDirectory() : m_path(makeTemporaryDirectory()) {}

TemporaryDirectory::~TemporaryDirectory()
{
    std::error_code ignored;
    if (!m_path.empty())
        std::filesystem::remove_all(m_path, ignored);
}

SimulatedAdapter::SimulatedAdapter(std::string daemon)
    : m_daemon(std::move(daemon)), m_root(makeTemporaryDirectory())
{
    m_deviceDir = m_root + "/dev";
    m_stateDir = m_root + "/state";
    m_journal = m_root + "/journal.txt";
    m_registry = m_root + "/hklm.reg";
}

SimulatedAdapter::~SimulatedAdapter()
{
    stop();
    std::error_code ignored;
    if (!m_root.empty())
        std::filesystem::remove_all(m_root, ignored);
}

bool SimulatedAdapter::start(const std::vector<std::string>& faults)
{
    if (m_root.empty() || running())
        return false;
    ::setenv("QL310_DEVICE_DIR", m_deviceDir.c_str(), 1);
    ::setenv("QL310_REGISTRY", m_registry.c_str(), 1);
    std::vector<std::string> args = {m_daemon,  "--device-dir", m_deviceDir, "--state",
                                     m_stateDir, "--journal",    m_journal};
    for (const std::string& fault : faults) {
        args.push_back("--fault");
        args.push_back(fault);
    }
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        ::execv(m_daemon.c_str(), argv.data());
        ::_exit(127);
    }
    m_pid = pid;

    // Wait, with a bound, until the control socket answers.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            return false;
        }
        if (command("ping") == "ok")
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    stop();
    return false;
}

void SimulatedAdapter::stop()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    int status = 0;
    while (::waitpid(m_pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    m_pid = -1;
}

std::string SimulatedAdapter::command(const std::string& line)
{
    const int fd = connectTo(m_deviceDir + "/capi201.ctl");
    if (fd < 0)
        return "error: no control socket";
    const std::string out = line + "\n";
    if (::send(fd, out.data(), out.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(out.size())) {
        ::close(fd);
        return "error: send failed";
    }
    std::string reply;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (reply.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0)
            break;
        char buffer[256];
        const ssize_t n = ::recv(fd, buffer, sizeof(buffer), 0);
        if (n <= 0)
            break;
        reply.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    if (const size_t end = reply.find('\n'); end != std::string::npos)
        return reply.substr(0, end);
    return "error: no reply";
}

std::vector<std::string> SimulatedAdapter::journal() const
{
    std::vector<std::string> lines;
    std::ifstream in(m_journal);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> SimulatedAdapter::journalCodes(size_t atLeast) const
{
    std::vector<std::string> lines = journal();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (lines.size() < atLeast && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        lines = journal();
    }
    std::vector<std::string> codes;
    for (const std::string& line : lines)
        codes.push_back(line.substr(0, line.find(' ')));
    return codes;
}

} // namespace ql310::test
