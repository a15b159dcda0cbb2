// SPDX-License-Identifier: GPL-3.0-or-later
// The subcommands of ql310ctl. Each takes its arguments (after the command
// name), writes its result on standard output and its messages on standard
// error, and returns the exit status.
#pragma once

#include <QByteArray>
#include <QCommandLineParser>
#include <QStringList>

#include <iterator>
#include <string>

namespace ql310::cli {

struct Command {
    const char* name;
    const char* summary;
    const char* help; // usage and options, shown by `ql310ctl COMMAND --help`
    int (*run)(const QStringList& args);
};

// A subcommand of a command group (calllog fetch, phonebook import).
struct SubCommand {
    const char* name;
    const char* help; // shown by `ql310ctl GROUP SUBCOMMAND --help`
    int (*run)(const QStringList& args);
};

// Runs the subcommand that `args` names, or answers --help for the group
// (`group` names it in the message about an unknown subcommand).
int runSubCommand(const char* group, const char* groupHelp, const SubCommand* begin, const SubCommand* end,
                  const QStringList& args);

// status, read, write, dump, diff.
extern const Command kConfigCommands[5];
// calllog.
extern const Command kCallLogCommand;
// phonebook.
extern const Command kPhoneBookCommand;

// Writes "ql310ctl: message" on standard error, control characters as "?".
void complain(const std::string& message);
// `message` with its control characters (C0, C1, DEL) as "?".
std::string terminalSafe(const std::string& message);
// Writes `bytes` (UTF-8 text) to standard output; to a terminal with its
// control characters as "?" (line ends kept). False when it failed.
bool writeOutput(const QByteArray& bytes);
// The same as complain() for a usage error, pointing to the running
// command's --help.
void usageError(const std::string& message);
// Text from outside as it may be shown on a terminal: at most 80
// characters, control characters as "?".
std::string shown(const QString& text);

// Parses `args` against the parser's options, allowing at most
// `maxPositional` other arguments; false, with the reason written, when they
// are malformed.
bool parseArguments(QCommandLineParser& parser, const QStringList& args, int maxPositional);

} // namespace ql310::cli
