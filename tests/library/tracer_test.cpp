// SPDX-License-Identifier: GPL-3.0-or-later
// The tracer share: what loading the library leaves in the named shared
// memory "NORVCOM_TRACER". The library is loaded with dlopen in a child
// process, so that each test sees one load; this program does not link it.
#include "simulated_adapter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr const char* kShareName = "/NORVCOM_TRACER";
constexpr uint32_t kForeignValue = 7;

bool readShare(uint32_t& value, off_t& size)
{
    const int fd = ::shm_open(kShareName, O_RDONLY, 0);
    if (fd < 0)
        return false;
    struct stat info {};
    ::fstat(fd, &info);
    size = info.st_size;
    void* view = size >= 4 ? ::mmap(nullptr, 4, PROT_READ, MAP_SHARED, fd, 0) : MAP_FAILED;
    ::close(fd);
    if (view == MAP_FAILED)
        return false;
    std::memcpy(&value, view, 4);
    ::munmap(view, 4);
    return true;
}

// A share made by someone else (the tracer) holding `value`.
void makeShare(uint32_t value)
{
    ::shm_unlink(kShareName);
    const int fd = ::shm_open(kShareName, O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, 4), 0);
    void* view = ::mmap(nullptr, 4, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    ASSERT_NE(view, MAP_FAILED);
    std::memcpy(view, &value, 4);
    ::munmap(view, 4);
    ::close(fd);
}

// Loads and unloads the library in a child process with DISPLAY as given
// (nullptr: unset). True when the child loaded it.
bool loadLibrary(const char* display)
{
    const pid_t pid = ::fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        if (display)
            ::setenv("DISPLAY", display, 1);
        else
            ::unsetenv("DISPLAY");
        void* library = ::dlopen(QL310_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        if (!library)
            ::_exit(1);
        ::dlclose(library);
        ::_exit(0);
    }
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class TracerShare : public ::testing::Test {
protected:
    void TearDown() override { ::shm_unlink(kShareName); }
};

TEST_F(TracerShare, LoadingCreatesAFourByteShareHoldingZero)
{
    ::shm_unlink(kShareName);
    ASSERT_TRUE(loadLibrary(nullptr));
    uint32_t value = 1;
    off_t size = 0;
    ASSERT_TRUE(readShare(value, size));
    EXPECT_EQ(size, 4);
    EXPECT_EQ(value, 0u);
}

TEST_F(TracerShare, WithoutADisplayAnExistingShareKeepsItsValue)
{
    makeShare(kForeignValue);
    ASSERT_TRUE(loadLibrary(nullptr));
    uint32_t value = 0;
    off_t size = 0;
    ASSERT_TRUE(readShare(value, size));
    EXPECT_EQ(value, kForeignValue);
}

TEST_F(TracerShare, AnUnreachableDisplayIsSilentAndKeepsTheValue)
{
    makeShare(kForeignValue);
    ASSERT_TRUE(loadLibrary(":4711"));
    uint32_t value = 0;
    off_t size = 0;
    ASSERT_TRUE(readShare(value, size));
    EXPECT_EQ(value, kForeignValue);
}

TEST_F(TracerShare, AShareTooSmallToHoldTheValueDoesNotStopTheLoad)
{
    ::shm_unlink(kShareName);
    const int fd = ::shm_open(kShareName, O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    EXPECT_TRUE(loadLibrary(nullptr));
}

// A private X server with one window of the given title, when Xvfb and
// libX11 are installed.
class XServer {
public:
    explicit XServer(const char* title)
    {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(pipeFds[0]);
            const std::string fd = std::to_string(pipeFds[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", nullptr);
            ::_exit(127);
        }
        ::close(pipeFds[1]);
        // Xvfb writes its display number once it is ready; the read is bounded.
        std::string number;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        char c = 0;
        ::fcntl(pipeFds[0], F_SETFL, O_NONBLOCK);
        while (std::chrono::steady_clock::now() < deadline) {
            const ssize_t n = ::read(pipeFds[0], &c, 1);
            if (n == 1 && c == '\n')
                break;
            if (n == 1)
                number.push_back(c);
            else if (n == 0)
                break;
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ::close(pipeFds[0]);
        if (number.empty())
            return;
        m_display = ":" + number;
        openWindow(title);
    }
    ~XServer()
    {
        if (m_x && m_closeDisplay && m_connection)
            m_closeDisplay(m_connection);
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
        }
    }
    bool ready() const { return m_windowOpen; }
    const std::string& display() const { return m_display; }

private:
    void openWindow(const char* title)
    {
        m_x = ::dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
        if (!m_x)
            return;
        auto openDisplay = reinterpret_cast<void* (*)(const char*)>(::dlsym(m_x, "XOpenDisplay"));
        auto rootWindow = reinterpret_cast<unsigned long (*)(void*, int)>(::dlsym(m_x, "XRootWindow"));
        auto createWindow = reinterpret_cast<unsigned long (*)(
            void*, unsigned long, int, int, unsigned, unsigned, unsigned, unsigned long,
            unsigned long)>(::dlsym(m_x, "XCreateSimpleWindow"));
        auto storeName = reinterpret_cast<int (*)(void*, unsigned long, const char*)>(
            ::dlsym(m_x, "XStoreName"));
        auto sync = reinterpret_cast<int (*)(void*, int)>(::dlsym(m_x, "XSync"));
        m_closeDisplay = reinterpret_cast<int (*)(void*)>(::dlsym(m_x, "XCloseDisplay"));
        if (!openDisplay || !rootWindow || !createWindow || !storeName || !sync || !m_closeDisplay)
            return;
        m_connection = openDisplay(m_display.c_str());
        if (!m_connection)
            return;
        const unsigned long window =
            createWindow(m_connection, rootWindow(m_connection, 0), 0, 0, 100, 100, 0, 0, 0);
        storeName(m_connection, window, title);
        sync(m_connection, 0);
        m_windowOpen = true;
    }

    pid_t m_pid = -1;
    std::string m_display;
    void* m_x = nullptr;
    void* m_connection = nullptr;
    int (*m_closeDisplay)(void*) = nullptr;
    bool m_windowOpen = false;
};

TEST_F(TracerShare, ARunningTracerWindowSetsTheValueToTwo)
{
    XServer server("NorvTracer");
    if (!server.ready())
        GTEST_SKIP() << "no Xvfb or libX11";
    makeShare(kForeignValue);
    ASSERT_TRUE(loadLibrary(server.display().c_str()));
    uint32_t value = 0;
    off_t size = 0;
    ASSERT_TRUE(readShare(value, size));
    EXPECT_EQ(value, 2u);
}

TEST_F(TracerShare, AWindowWithAnotherTitleLeavesTheValue)
{
    XServer server("NorvTracer 2");
    if (!server.ready())
        GTEST_SKIP() << "no Xvfb or libX11";
    makeShare(kForeignValue);
    ASSERT_TRUE(loadLibrary(server.display().c_str()));
    uint32_t value = 0;
    off_t size = 0;
    ASSERT_TRUE(readShare(value, size));
    EXPECT_EQ(value, kForeignValue);
}

} // namespace
