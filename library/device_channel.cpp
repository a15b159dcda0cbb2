// SPDX-License-Identifier: GPL-3.0-or-later
#include "device_channel.h"

#include "atomic_file.h"
#include "device_protocol.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace ql310 {

namespace {

long long nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Waits until fd is ready for `events` or the deadline passes.
bool waitFor(int fd, short events, long long deadline)
{
    for (;;) {
        const long long left = deadline - nowMs();
        if (left <= 0)
            return false;
        pollfd p{fd, events, 0};
        const int r = ::poll(&p, 1, static_cast<int>(left));
        if (r > 0)
            return true;
        if (r == 0)
            return false;
        if (errno != EINTR)
            return false;
    }
}

} // namespace

DeviceChannel::~DeviceChannel() { close(); }

bool DeviceChannel::open()
{
    close();
    const std::string path = device::devicePath(std::string(device::kDevicePrefix) +
                                                device::kDeviceName);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);

    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd)
        return false;
    if (::connect(fd.get(), reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        // A listener with a full backlog leaves the connect pending; give it
        // the bounded time, then count the device as absent.
        bool connected = false;
        if (errno == EINPROGRESS || errno == EAGAIN) {
            if (waitFor(fd.get(), POLLOUT, nowMs() + device::timeoutMs())) {
                int error = 0;
                socklen_t size = sizeof(error);
                connected = ::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &error, &size) == 0 &&
                            error == 0;
            }
        }
        if (!connected)
            return false;
    }
    m_fd = std::move(fd);
    m_broken = false;
    m_sendFailed = false;
    return true;
}

void DeviceChannel::close()
{
    m_fd.reset();
}

bool DeviceChannel::sendAll(const uint8_t* data, size_t length, long long deadline)
{
    size_t done = 0;
    while (done < length) {
        const ssize_t n = ::send(m_fd.get(), data + done, length - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) &&
            waitFor(m_fd.get(), POLLOUT, deadline))
            continue;
        return false;
    }
    return true;
}

bool DeviceChannel::receiveAll(uint8_t* data, size_t length, long long deadline)
{
    size_t done = 0;
    while (done < length) {
        const ssize_t n = ::recv(m_fd.get(), data + done, length - done, 0);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n == 0)
            return false; // the driver closed the connection
        if (errno == EINTR)
            continue;
        if ((errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(m_fd.get(), POLLIN, deadline))
            continue;
        return false;
    }
    return true;
}

DeviceChannel::Completion DeviceChannel::request(uint32_t code, const uint8_t* input,
                                                 uint32_t inputLength, uint8_t* output,
                                                 uint32_t outputLength)
{
    Completion completion;
    if (!m_fd || m_broken)
        return completion;
    const long long deadline = nowMs() + device::timeoutMs();
    const std::vector<uint8_t> frame =
        device::encodeRequest(code, input, inputLength, outputLength);
    uint8_t header[device::kHeaderSize];
    if (!sendAll(frame.data(), frame.size(), deadline)) {
        m_sendFailed = true;
        m_broken = true;
        return completion;
    }
    if (!receiveAll(header, sizeof(header), deadline)) {
        m_broken = true;
        return completion;
    }
    const device::AnswerHeader answer = device::decodeAnswerHeader(header);
    if (answer.dataLength > outputLength) {
        // More data than the request asked for: the peer does not speak the
        // protocol, so nothing of it is taken.
        m_broken = true;
        return completion;
    }
    std::vector<uint8_t> data(answer.dataLength);
    if (answer.dataLength > 0 && !receiveAll(data.data(), data.size(), deadline)) {
        m_broken = true;
        return completion;
    }
    if (answer.dataLength > 0 && output)
        std::memcpy(output, data.data(), data.size());
    completion.answered = true;
    completion.ok = answer.ok != 0;
    completion.count = answer.count;
    return completion;
}

bool DeviceChannel::post(uint32_t code, const uint8_t* input, uint32_t inputLength)
{
    // After an answer that never came the request stream is still whole, so
    // a request that needs no answer can still go out; after a failed send
    // it cannot.
    if (!m_fd || m_sendFailed)
        return false;
    const std::vector<uint8_t> frame = device::encodeRequest(code, input, inputLength, 0);
    return sendAll(frame.data(), frame.size(), nowMs() + device::timeoutMs());
}

} // namespace ql310
