// SPDX-License-Identifier: GPL-3.0-or-later
#include "faults.h"

#include "device_protocol.h"

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace ql310::adapter {

const char* const kCommandHelp =
    "  busy read          the status query before a read answers 3 (busy)\n"
    "  busy write         the status query before a write answers 1 (busy)\n"
    "  idle               both status queries answer 0 again\n"
    "  status CODE N      the status query CODE answers with byte count N\n"
    "  zero CODE          the transfer CODE completes with 0 bytes\n"
    "  hang CODE          the request CODE is never answered\n"
    "  reject CODE        the request CODE completes with its ok flag at 0; a\n"
    "                     rejected write stores nothing\n"
    "  drop CODE          the connection is cut when the request CODE arrives\n"
    "  vanish             the device disappears (socket removed, connections cut)\n"
    "  appear             the device comes back\n"
    "  history FILE       the call history becomes the 2203-byte image in FILE\n"
    "                     (a regular file; anything else is refused)\n"
    "  factory            the adapter returns to its factory state\n"
    "  call in|out PORT NUMBER SECONDS\n"
    "                     a finished call of SECONDS (0..86400) that ends now joins\n"
    "                     the call history after its calls; beyond 90 calls the\n"
    "                     oldest is dropped, as the adapter's memory does. PORT is\n"
    "                     1..4 or one of Port1..Port4, Tran(B1), Tran(B2), Data(B1),\n"
    "                     Data(B2); NUMBER is up to 26 digits, or - for none\n"
    "  clear              every fault above is removed (the device stays as it is)\n"
    "  ping               answers ok\n"
    "  quit               the daemon ends\n"
    "CODE is a control code in hex (0x800120D4) or one of: status-read, read-setting,\n"
    "read-table, status-write, write-setting, write-table, end-write, history,\n"
    "line-params, supplementary.\n";

namespace {

bool parseCode(const std::string& word, uint32_t& code)
{
    using namespace ql310::device;
    static const std::map<std::string, uint32_t> names = {
        {"status-read", kStatusBeforeRead},   {"read-setting", kReadSettingBlock},
        {"read-table", kReadTableBlock},      {"status-write", kStatusBeforeWrite},
        {"write-setting", kWriteSettingBlock}, {"write-table", kWriteTableBlock},
        {"end-write", kEndOfWrite},           {"history", kFetchCallHistory},
        {"line-params", kLineParamsMessage},  {"supplementary", kSupplementary},
    };
    if (auto it = names.find(word); it != names.end()) {
        code = it->second;
        return true;
    }
    if (word.empty())
        return false;
    char* end = nullptr;
    const unsigned long value = std::strtoul(word.c_str(), &end, 16);
    if (!end || *end != '\0' || value > 0xFFFFFFFFul)
        return false;
    code = static_cast<uint32_t>(value);
    return true;
}

bool parseCount(const std::string& word, uint32_t& count)
{
    if (word.empty())
        return false;
    char* end = nullptr;
    const unsigned long value = std::strtoul(word.c_str(), &end, 0);
    if (!end || *end != '\0' || value > 0xFFFFFFFFul)
        return false;
    count = static_cast<uint32_t>(value);
    return true;
}

// 1..4 or the channel's name in the call log, any case.
bool parseChannel(const std::string& word, int& channel)
{
    static const char* const names[] = {"port1", "port2", "port3", "port4",
                                        "tran(b1)", "tran(b2)", "data(b1)", "data(b2)"};
    std::string lower;
    for (char c : word)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.size() == 1 && lower[0] >= '1' && lower[0] <= '4') {
        channel = lower[0] - '1';
        return true;
    }
    for (int i = 0; i < 8; ++i)
        if (lower == names[i]) {
            channel = i;
            return true;
        }
    return false;
}

bool parseCall(const std::vector<std::string>& words, Command& command)
{
    if (words.size() != 5 || (words[1] != "in" && words[1] != "out") ||
        !parseChannel(words[2], command.channel))
        return false;
    const std::string& number = words[3];
    if (number != "-") {
        if (number.empty() || number.size() > 26 ||
            number.find_first_not_of("0123456789") != std::string::npos)
            return false;
        command.number = number;
    }
    uint32_t seconds = 0;
    if (words[4].find_first_not_of("0123456789") != std::string::npos ||
        !parseCount(words[4], seconds) || seconds > 86400)
        return false;
    command.outgoing = words[1] == "out";
    command.seconds = static_cast<long>(seconds);
    command.action = Action::AddCall;
    return true;
}

// What became of a command's words.
enum class Outcome { Done, WrongArguments, Unknown };

// The commands that change the faults.
Outcome applyFault(const std::vector<std::string>& words, Faults& faults)
{
    const std::string& verb = words[0];
    const size_t args = words.size() - 1;
    uint32_t code = 0;
    if (verb == "busy") {
        if (args != 1 || (words[1] != "read" && words[1] != "write"))
            return Outcome::WrongArguments;
        if (words[1] == "read")
            faults.statusCount[device::kStatusBeforeRead] = 3;
        else
            faults.statusCount[device::kStatusBeforeWrite] = 1;
        return Outcome::Done;
    }
    if (verb == "idle" || verb == "clear") {
        if (args != 0)
            return Outcome::WrongArguments;
        if (verb == "idle")
            faults.statusCount.clear();
        else
            faults.clear();
        return Outcome::Done;
    }
    if (verb == "status") {
        uint32_t count = 0;
        if (args != 2 || !parseCode(words[1], code) || !parseCount(words[2], count))
            return Outcome::WrongArguments;
        faults.statusCount[code] = count;
        return Outcome::Done;
    }
    if (verb == "zero" || verb == "hang" || verb == "reject" || verb == "drop") {
        if (args != 1 || !parseCode(words[1], code))
            return Outcome::WrongArguments;
        std::set<uint32_t>& set = verb == "zero"   ? faults.zero
                                  : verb == "hang" ? faults.hang
                                  : verb == "reject" ? faults.reject
                                                   : faults.drop;
        set.insert(code);
        return Outcome::Done;
    }
    return Outcome::Unknown;
}

// The commands that ask the daemon to act.
Outcome parseAction(const std::vector<std::string>& words, Command& command)
{
    const std::string& verb = words[0];
    const size_t args = words.size() - 1;
    static const std::map<std::string, Action> simple = {
        {"vanish", Action::Vanish}, {"appear", Action::Appear}, {"factory", Action::Factory},
        {"quit", Action::Quit},     {"ping", Action::None},
    };
    if (auto it = simple.find(verb); it != simple.end()) {
        if (args != 0)
            return Outcome::WrongArguments;
        command.action = it->second;
        return Outcome::Done;
    }
    if (verb == "call")
        return parseCall(words, command) ? Outcome::Done : Outcome::WrongArguments;
    if (verb == "history") {
        if (args != 1)
            return Outcome::WrongArguments;
        command.action = Action::LoadHistory;
        command.argument = words[1];
        return Outcome::Done;
    }
    return Outcome::Unknown;
}

} // namespace

bool applyCommand(const std::string& line, Faults& faults, Command& command, std::string& error)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    command = Command();
    if (words.empty()) {
        error = "empty command";
        return false;
    }
    Outcome outcome = applyFault(words, faults);
    if (outcome == Outcome::Unknown)
        outcome = parseAction(words, command);
    switch (outcome) {
    case Outcome::Done:
        return true;
    case Outcome::WrongArguments:
        // A half-parsed command asks for nothing.
        command = Command();
        error = "wrong arguments for '" + words[0] + "'";
        return false;
    case Outcome::Unknown:
        break;
    }
    error = "unknown command '" + words[0] + "'";
    return false;
}

} // namespace ql310::adapter
