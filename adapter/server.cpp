// SPDX-License-Identifier: GPL-3.0-or-later
#include "server.h"

#include "atomic_file.h"
#include "device_protocol.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace ql310::adapter {

namespace {

bool makeAddress(const std::string& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// True when a live server answers on `path`.
bool someoneListens(const std::string& path)
{
    sockaddr_un address;
    if (!makeAddress(path, address))
        return false;
    const UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    return fd && ::connect(fd.get(), reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
}

// Creates the device directory, private to this user, and its parents.
// A directory that others may write to is refused: anyone could put a
// device of their own in it.
bool makeDeviceDirectory(const std::string& path, std::string& error)
{
    std::string part;
    if (const int failure = makePrivateDirectory(path, &part); failure != 0) {
        error = part + ": " + std::strerror(failure);
        return false;
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        error = path + ": not a directory";
        return false;
    }
    if (st.st_mode & (S_IWGRP | S_IWOTH)) {
        error = path + ": others may write to this directory; refusing to serve from it";
        return false;
    }
    return true;
}

// Reads the history image from a regular file without blocking: a named
// pipe would hold every client until a writer came.
bool readHistoryFile(const std::string& path, HistoryImage& image, std::string& error)
{
    const FileContent file = readRegularFile(path, image.size());
    switch (file.error) {
    case ReadError::Missing:
    case ReadError::CannotOpen:
        error = path + ": " + std::strerror(file.systemError);
        return false;
    case ReadError::CannotStat:
    case ReadError::Directory:
    case ReadError::NotRegular:
        error = path + ": not a regular file";
        return false;
    case ReadError::None:
    case ReadError::TooLarge:
    case ReadError::CannotRead:
        break;
    }
    if (file.bytes.size() != image.size()) {
        error = path + ": not a " + std::to_string(image.size()) + "-byte call history";
        return false;
    }
    std::copy(file.bytes.begin(), file.bytes.end(), image.begin());
    return true;
}

} // namespace

Server::Server(ServerOptions options, AdapterState& state, Faults& faults)
    : m_options(std::move(options)), m_state(state), m_faults(faults)
{
    m_devicePath = m_options.deviceDir + "/" + device::kDeviceName;
    m_controlPath = m_devicePath + device::kControlSuffix;
}

Server::~Server()
{
    vanish();
    if (m_controlListener) {
        m_controlListener.reset();
        ::unlink(m_controlPath.c_str());
    }
    m_peers.clear();
    if (m_journal)
        std::fclose(m_journal);
}

bool Server::listenOn(const std::string& path, UniqueFd& fd, std::string& error)
{
    sockaddr_un address;
    if (!makeAddress(path, address)) {
        error = path + ": path too long for a socket";
        return false;
    }
    if (someoneListens(path)) {
        error = path + ": another adapter already serves this device";
        return false;
    }
    ::unlink(path.c_str()); // a socket left behind by a daemon that died
    fd.reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd || ::bind(fd.get(), reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(fd.get(), 16) != 0) {
        error = path + ": " + std::strerror(errno);
        fd.reset();
        return false;
    }
    return true;
}

bool Server::start(std::string& error)
{
    if (!makeDeviceDirectory(m_options.deviceDir, error))
        return false;
    if (!m_options.journalPath.empty()) {
        // Only a regular file, opened without blocking: a named pipe would
        // hold the start until a reader came.
        UniqueFd fd(::open(m_options.journalPath.c_str(),
                           O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0644));
        struct stat status {};
        if (!fd || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
            error = m_options.journalPath + ": " +
                    (!fd ? std::strerror(errno) : "not a regular file");
            return false;
        }
        m_journal = ::fdopen(fd.get(), "a");
        if (!m_journal) {
            error = m_options.journalPath + ": " + std::strerror(errno);
            return false;
        }
        fd.release(); // the journal's stream closes it
    }
    // The device first: once the control socket answers, the device does too.
    return appear(error) && listenOn(m_controlPath, m_controlListener, error);
}

bool Server::appear(std::string& error)
{
    if (m_device)
        return true;
    return listenOn(m_devicePath, m_device, error);
}

void Server::vanish()
{
    if (m_device) {
        m_device.reset();
        ::unlink(m_devicePath.c_str());
    }
    for (Peer& peer : m_peers)
        if (!peer.control)
            peer.fd.reset();
}

void Server::run(volatile int* stopRequested)
{
    while (!m_quit && !(stopRequested && *stopRequested)) {
        m_peers.erase(std::remove_if(m_peers.begin(), m_peers.end(),
                                     [](const Peer& p) { return !p.fd; }),
                      m_peers.end());
        std::vector<pollfd> fds;
        // While accepting fails for want of descriptors the listeners rest,
        // and the connections already made are served meanwhile.
        const int pause = acceptPauseLeftMs();
        if (pause == 0) {
            if (m_device)
                fds.push_back({m_device.get(), POLLIN, 0});
            if (m_controlListener)
                fds.push_back({m_controlListener.get(), POLLIN, 0});
        }
        const size_t firstPeer = fds.size();
        for (const Peer& peer : m_peers)
            fds.push_back({peer.fd.get(),
                           static_cast<short>(POLLIN | (peer.out.empty() ? 0 : POLLOUT)), 0});
        // The bounded wait only lets a stop signal be seen.
        const int ready = ::poll(fds.data(), fds.size(), pause > 0 ? std::min(pause, 500) : 500);
        if (ready <= 0)
            continue;
        const size_t peers = m_peers.size();
        for (size_t i = 0; i < peers; ++i) {
            Peer& peer = m_peers[i];
            const short events = fds[firstPeer + i].revents;
            if (!peer.fd || fds[firstPeer + i].fd != peer.fd.get())
                continue;
            if (events & POLLOUT)
                flush(peer);
            if (peer.fd && (events & (POLLIN | POLLHUP | POLLERR)))
                readFrom(peer);
        }
        for (size_t i = 0; i < firstPeer; ++i) {
            if (!(fds[i].revents & POLLIN))
                continue;
            if (fds[i].fd == m_device.get())
                accept(m_device.get(), false);
            else if (fds[i].fd == m_controlListener.get())
                accept(m_controlListener.get(), true);
        }
    }
}

void Server::accept(int listener, bool control)
{
    for (;;) {
        const int fd = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                m_acceptBackoffMs = 0;
                return;
            }
            // Out of descriptors or memory: the pending connection stays
            // queued and the listener readable. Wait before trying again,
            // longer each time, rather than spin.
            m_acceptBackoffMs = std::clamp(m_acceptBackoffMs * 2, kMinAcceptBackoffMs,
                                           kMaxAcceptBackoffMs);
            m_acceptPausedUntil = std::chrono::steady_clock::now() +
                                  std::chrono::milliseconds(m_acceptBackoffMs);
            return;
        }
        m_acceptBackoffMs = 0;
        Peer peer;
        peer.fd.reset(fd);
        peer.control = control;
        m_peers.push_back(std::move(peer));
    }
}

int Server::acceptPauseLeftMs() const
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        m_acceptPausedUntil - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

void Server::readFrom(Peer& peer)
{
    uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::recv(peer.fd.get(), buffer, sizeof(buffer), 0);
        if (n > 0) {
            peer.in.insert(peer.in.end(), buffer, buffer + n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        // The peer closed (or the connection broke): requests already
        // received are still carried out, their answers are dropped.
        peer.gone = true;
        if (peer.control)
            handleLines(peer);
        else
            handleFrames(peer);
        peer.fd.reset();
        return;
    }
    if (peer.control)
        handleLines(peer);
    else
        handleFrames(peer);
}

void Server::handleFrames(Peer& peer)
{
    size_t used = 0;
    while (peer.fd && peer.in.size() - used >= device::kHeaderSize) {
        const device::RequestHeader header = device::decodeRequestHeader(peer.in.data() + used);
        if (header.inputLength > device::kMaxPayload || header.outputLength > device::kMaxPayload) {
            // Not a request of this driver: cut the connection.
            peer.fd.reset();
            return;
        }
        if (peer.in.size() - used < device::kHeaderSize + header.inputLength)
            break;
        const uint8_t* input = peer.in.data() + used + device::kHeaderSize;
        used += device::kHeaderSize + header.inputLength;
        if (!answer(peer, header.code, input, header.inputLength, header.outputLength)) {
            peer.fd.reset();
            return;
        }
    }
    peer.in.erase(peer.in.begin(), peer.in.begin() + static_cast<long>(used));
}

void Server::handleLines(Peer& peer)
{
    for (;;) {
        auto newline = std::find(peer.in.begin(), peer.in.end(), uint8_t('\n'));
        if (newline == peer.in.end())
            break;
        std::string line(peer.in.begin(), newline);
        peer.in.erase(peer.in.begin(), newline + 1);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string reply = execute(line) + "\n";
        send(peer, std::vector<uint8_t>(reply.begin(), reply.end()));
    }
}

std::string Server::execute(const std::string& line)
{
    Command command;
    std::string error;
    if (!applyCommand(line, m_faults, command, error))
        return "error: " + error;
    switch (command.action) {
    case Action::None:
        break;
    case Action::Vanish:
        vanish();
        break;
    case Action::Appear:
        if (!appear(error))
            return "error: " + error;
        break;
    case Action::LoadHistory: {
        HistoryImage image{};
        if (!readHistoryFile(command.argument, image, error))
            return "error: " + error;
        m_state.history = image;
        persist();
        break;
    }
    case Action::Factory: {
        const AdapterState fresh = AdapterState::factory(std::time(nullptr));
        m_state.setting = fresh.setting;
        m_state.table = fresh.table;
        m_state.history = fresh.history;
        persist();
        break;
    }
    case Action::Quit:
        m_quit = true;
        break;
    case Action::AddCall: {
        HistoryCall call;
        call.channel = command.channel;
        call.outgoing = command.outgoing;
        call.number = command.number;
        const std::time_t now = std::time(nullptr);
        const std::time_t start = now - command.seconds;
        localtime_r(&start, &call.start);
        localtime_r(&now, &call.end);
        addHistoryCall(m_state.history, call);
        persist();
        break;
    }
    }
    return "ok";
}

bool Server::answer(Peer& peer, uint32_t code, const uint8_t* input, uint32_t inputLength,
                    uint32_t outputLength)
{
    journal(code, input, inputLength);
    if (m_faults.drop.count(code))
        return false;
    if (m_faults.hang.count(code))
        return true;

    bool ok = true;
    uint32_t count = 0;
    std::vector<uint8_t> data;
    auto giveBlock = [&](const uint8_t* block, uint32_t size) {
        count = size;
        data.assign(block, block + std::min(size, outputLength));
    };
    auto takeBlock = [&](uint8_t* block, uint32_t size) {
        if (inputLength != size) {
            ok = false;
            return;
        }
        std::memcpy(block, input, size);
        persist();
        giveBlock(block, size);
    };

    switch (code) {
    case device::kStatusBeforeRead:
    case device::kStatusBeforeWrite:
        if (auto it = m_faults.statusCount.find(code); it != m_faults.statusCount.end())
            count = it->second;
        break;
    case device::kReadSettingBlock:
        giveBlock(m_state.setting.data(), QL310_SETTING_BLOCK_SIZE);
        break;
    case device::kReadTableBlock:
        giveBlock(m_state.table.data(), QL310_TABLE_BLOCK_SIZE);
        break;
    case device::kFetchCallHistory:
        giveBlock(m_state.history.data(), QL310_CALL_HISTORY_SIZE);
        break;
    case device::kWriteSettingBlock:
        if (!m_faults.zero.count(code) && !m_faults.reject.count(code))
            takeBlock(m_state.setting.data(), QL310_SETTING_BLOCK_SIZE);
        break;
    case device::kWriteTableBlock:
        if (!m_faults.zero.count(code) && !m_faults.reject.count(code))
            takeBlock(m_state.table.data(), QL310_TABLE_BLOCK_SIZE);
        break;
    case device::kEndOfWrite:
    case device::kLineParamsMessage:
    case device::kSupplementary:
        break;
    default:
        ok = false; // a code this driver does not know
        break;
    }
    if (m_faults.zero.count(code)) {
        count = 0;
        data.clear();
    }
    if (m_faults.reject.count(code)) {
        ok = false;
        count = 0;
        data.clear();
    }
    send(peer, device::encodeAnswer(ok, count, data.data(), static_cast<uint32_t>(data.size())));
    return true;
}

void Server::send(Peer& peer, const std::vector<uint8_t>& bytes)
{
    if (peer.gone || !peer.fd)
        return;
    peer.out.insert(peer.out.end(), bytes.begin(), bytes.end());
    flush(peer);
}

void Server::flush(Peer& peer)
{
    while (peer.fd && !peer.out.empty()) {
        const ssize_t n = ::send(peer.fd.get(), peer.out.data(), peer.out.size(), MSG_NOSIGNAL);
        if (n > 0) {
            peer.out.erase(peer.out.begin(), peer.out.begin() + n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        // The peer went away before reading its answer; that is allowed for
        // the requests whose completion the library does not await.
        peer.fd.reset();
        return;
    }
}

void Server::journal(uint32_t code, const uint8_t* input, uint32_t inputLength)
{
    if (!m_journal)
        return;
    std::fprintf(m_journal, "%08X %u ", code, inputLength);
    for (uint32_t i = 0; i < inputLength; ++i)
        std::fprintf(m_journal, "%02X", input[i]);
    std::fputc('\n', m_journal);
    std::fflush(m_journal);
}

void Server::persist()
{
    std::string error;
    if (!m_state.save(error))
        std::fprintf(stderr, "ql310-adapter: cannot keep the state: %s\n", error.c_str());
}

} // namespace ql310::adapter
