// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated adapter's event loop: the device socket that plays the
// driver, the control socket that takes fault commands, and the journal.
#pragma once

#include "adapter_state.h"
#include "atomic_file.h"
#include "faults.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace ql310::adapter {

struct ServerOptions {
    std::string deviceDir;
    std::string journalPath; // empty: no journal
};

class Server {
public:
    Server(ServerOptions options, AdapterState& state, Faults& faults);
    ~Server();

    // Creates the device and control sockets. False with `error` set when
    // another adapter already serves the directory or a socket cannot be made.
    bool start(std::string& error);
    // Serves until a quit command or until `stopRequested` becomes true.
    void run(volatile int* stopRequested);

    // Runs one command as if it came through the control socket; the reply
    // is "ok" or "error: ...".
    std::string execute(const std::string& line);

private:
    struct Peer {
        UniqueFd fd;
        bool control = false;
        std::vector<uint8_t> in;
        std::vector<uint8_t> out;
        bool gone = false; // the peer closed: requests still run, answers are dropped
    };

    bool listenOn(const std::string& path, UniqueFd& fd, std::string& error);
    void vanish();
    bool appear(std::string& error);
    void accept(int listener, bool control);
    // How long the listeners still rest after a failed accept; 0 when not.
    int acceptPauseLeftMs() const;
    void readFrom(Peer& peer);
    void handleFrames(Peer& peer);
    void handleLines(Peer& peer);
    // Answers one request; false when the connection is to be cut.
    bool answer(Peer& peer, uint32_t code, const uint8_t* input, uint32_t inputLength,
                uint32_t outputLength);
    void send(Peer& peer, const std::vector<uint8_t>& bytes);
    void flush(Peer& peer);
    void journal(uint32_t code, const uint8_t* input, uint32_t inputLength);
    void persist();

    ServerOptions m_options;
    AdapterState& m_state;
    Faults& m_faults;
    std::string m_devicePath;
    std::string m_controlPath;
    UniqueFd m_device;
    UniqueFd m_controlListener;
    std::vector<Peer> m_peers;
    FILE* m_journal = nullptr;
    bool m_quit = false;
    static constexpr int kMinAcceptBackoffMs = 10;
    static constexpr int kMaxAcceptBackoffMs = 1000;
    int m_acceptBackoffMs = 0;
    std::chrono::steady_clock::time_point m_acceptPausedUntil{};
};

} // namespace ql310::adapter
