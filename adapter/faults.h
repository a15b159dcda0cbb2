// SPDX-License-Identifier: GPL-3.0-or-later
// Fault injection of the simulated adapter: one text command a line, from
// the control socket or from --fault at start.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace ql310::adapter {

struct Faults {
    std::map<uint32_t, uint32_t> statusCount; // status query code -> byte count it answers
    std::set<uint32_t> zero;                  // transfers that complete with 0 bytes
    std::set<uint32_t> hang;                  // requests never answered
    std::set<uint32_t> reject;                // requests answered with ok = 0
    std::set<uint32_t> drop;                  // requests on which the connection is cut

    void clear() { *this = Faults(); }
};

// What a command asks of the daemon beyond changing the faults.
enum class Action { None, Vanish, Appear, LoadHistory, Factory, Quit, AddCall };

struct Command {
    Action action = Action::None;
    std::string argument; // the file of "history FILE"
    // The call of "call in|out PORT NUMBER SECONDS": channel 0..7, direction,
    // dial digits and its length; it ends when the command arrives.
    int channel = 0;
    bool outgoing = false;
    std::string number;
    long seconds = 0;
};

// Parses and applies one command line to `faults`. Returns false with
// `error` set for an unknown or malformed command, leaving `faults` as it was.
bool applyCommand(const std::string& line, Faults& faults, Command& command, std::string& error);

// The text printed by --help for the commands.
extern const char* const kCommandHelp;

} // namespace ql310::adapter
