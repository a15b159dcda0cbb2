// SPDX-License-Identifier: GPL-3.0-or-later
// The low-level file work: owning a descriptor, reading a file that may be
// hostile, waiting for a lock and making folders.
#include "atomic_file.h"
#include "simulated_adapter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

using namespace ql310;
using ql310::test::TemporaryDirectory;

bool isOpen(int fd) { return ::fcntl(fd, F_GETFD) != -1; }

class Files : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return directory.path() + "/" + name; }
    std::string write(const std::string& name, const std::string& text) const
    {
        std::ofstream(path(name), std::ios::binary) << text;
        return path(name);
    }
    static std::string text(const FileContent& file)
    {
        return std::string(file.bytes.begin(), file.bytes.end());
    }
    TemporaryDirectory directory;
};

TEST_F(Files, UniqueFdClosesOnceAndMovesOwnership)
{
    const std::string file = write("owned", "");
    int raw = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(raw, 0);
    {
        UniqueFd first(raw);
        UniqueFd second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), raw);
        UniqueFd third;
        third = std::move(second);
        EXPECT_TRUE(isOpen(raw));
        errno = EINTR;
        third.reset();
        EXPECT_EQ(errno, EINTR); // closing keeps the caller's reason
        EXPECT_FALSE(isOpen(raw));
        EXPECT_TRUE(third.close()); // nothing left to close, and no error
    }
    raw = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    {
        UniqueFd owner(raw);
        EXPECT_EQ(owner.release(), raw);
    }
    EXPECT_TRUE(isOpen(raw));
    UniqueFd last(raw);
    EXPECT_TRUE(last.close());
    EXPECT_FALSE(isOpen(raw));
}

TEST_F(Files, ReadsARegularFileAndThroughALink)
{
    const std::string file = write("plain", "hive text");
    EXPECT_EQ(text(readRegularFile(file, 9)), "hive text");
    ASSERT_EQ(::symlink(file.c_str(), path("link").c_str()), 0);
    EXPECT_EQ(text(readRegularFile(path("link"), 100)), "hive text");
    // A read-only file is read all the same.
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_TRUE(readRegularFile(file, 100).ok());
    EXPECT_TRUE(readRegularFile(write("empty", ""), 0).ok());
}

TEST_F(Files, RefusesMoreThanTheLimitOrReadsOnlyItsStart)
{
    const std::string file = write("long", "0123456789");
    const FileContent refused = readRegularFile(file, 9);
    EXPECT_EQ(refused.error, ReadError::TooLarge);
    EXPECT_TRUE(refused.bytes.empty());
    EXPECT_EQ(text(readRegularFile(file, 4, OverLimit::ReadFirst)), "0123");
    // A cut-off file gives what it has; the caller judges its size.
    EXPECT_EQ(text(readRegularFile(file, 64, OverLimit::ReadFirst)), "0123456789");
    // A huge file is refused before anything is read.
    const std::string huge = path("huge");
    const UniqueFd fd(::open(huge.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
    ASSERT_EQ(::ftruncate(fd.get(), off_t(1) << 30), 0);
    EXPECT_EQ(readRegularFile(huge, 1u << 20).error, ReadError::TooLarge);
}

TEST_F(Files, RefusesWhatIsNoRegularFileWithoutBlocking)
{
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    EXPECT_EQ(readRegularFile(path("pipe"), 100).error, ReadError::NotRegular);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    EXPECT_EQ(readRegularFile(directory.path(), 100).error, ReadError::Directory);
    const FileContent missing = readRegularFile(path("none"), 100);
    EXPECT_EQ(missing.error, ReadError::Missing);
    EXPECT_EQ(missing.systemError, ENOENT);

    if (::mknod(path("device").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "device nodes were left out: mknod is not permitted here";
    EXPECT_EQ(readRegularFile(path("device"), 100).error, ReadError::NotRegular);
}

TEST_F(Files, LockWithinGivesUpWhenAnotherHoldsTheLock)
{
    const std::string file = write("lock", "");
    const UniqueFd holder(::open(file.c_str(), O_RDWR | O_CLOEXEC));
    const UniqueFd waiter(::open(file.c_str(), O_RDWR | O_CLOEXEC));
    ASSERT_EQ(lockWithin(holder.get(), 0), LockResult::Locked);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(lockWithin(waiter.get(), 150), LockResult::TimedOut);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
    ASSERT_EQ(::flock(holder.get(), LOCK_UN), 0);
    EXPECT_EQ(lockWithin(waiter.get(), 150), LockResult::Locked);
    EXPECT_EQ(lockWithin(-1, 150), LockResult::Failed);
    EXPECT_EQ(errno, EBADF);
}

TEST_F(Files, MakesPrivateFoldersAndKeepsThoseThatExist)
{
    const mode_t mask = ::umask(022);
    const std::string inner = path("outer/inner");
    EXPECT_EQ(makePrivateDirectory(inner), 0);
    struct stat status {};
    ASSERT_EQ(::stat(inner.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0700u);
    ASSERT_EQ(::stat(path("outer").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0755u);

    ASSERT_EQ(::chmod(inner.c_str(), 0750), 0);
    EXPECT_EQ(makePrivateDirectory(inner), 0);
    ASSERT_EQ(::stat(inner.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0750u);

    std::string failed;
    write("file", "");
    EXPECT_EQ(makePrivateDirectory(path("file/sub"), &failed), ENOTDIR);
    EXPECT_EQ(failed, path("file/sub"));
    ::umask(mask);
}

} // namespace
