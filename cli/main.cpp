// SPDX-License-Identifier: GPL-3.0-or-later
// ql310ctl: the adapter, its settings files and the call log from a terminal.
#include "commands.h"
#include "exit_codes.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>

namespace ql310::cli {

namespace {

const char* const kExitCodes =
    "Exit status:\n"
    "  0  success\n"
    "  1  diff: the configurations differ\n"
    "  2  bad arguments\n"
    "  3  the adapter is absent (its driver cannot be opened)\n"
    "  4  the adapter is busy\n"
    "  5  a transfer failed (the adapter sent or took nothing)\n"
    "  6  a settings or address-book file cannot be read, is too short or is refused\n"
    "  7  a settings or address-book file cannot be written\n"
    "  8  a call-log database error\n"
    "  9  the registry hive did not give or take the line parameters\n";

const char* const kEnvironment =
    "Environment:\n"
    "  QL310_DEVICE_DIR   directory of the adapter's device socket\n"
    "  QL310_REGISTRY     the registry hive holding the line parameters\n"
    "  QL310SET_DATA_DIR  the program's data directory (the call-log databases)\n"
    "  QL310_TIMEOUT_MS   how long to wait for the adapter (default 10000)\n";

std::vector<const Command*> commands()
{
    std::vector<const Command*> all;
    for (const Command& c : kConfigCommands)
        all.push_back(&c);
    all.push_back(&kCallLogCommand);
    all.push_back(&kPhoneBookCommand);
    return all;
}

void usage(std::ostream& out)
{
    out << "Usage: ql310ctl COMMAND [OPTIONS] [ARGUMENTS]\n"
           "       ql310ctl COMMAND --help | --help | --version\n\n"
           "Configures the USB ISDN terminal adapter from the command line.\n\n"
           "Commands:\n";
    for (const Command* c : commands()) {
        std::string name = c->name;
        name.resize(10, ' ');
        out << "  " << name << c->summary << "\n";
    }
    out << "\nA typical backup and restore:\n"
           "  ql310ctl read backup.310      save the adapter's configuration\n"
           "  ql310ctl diff backup.310      what changed on the adapter since\n"
           "  ql310ctl write backup.310     put the backup back\n"
           "  ql310ctl calllog export --csv > calls.csv\n\n"
        << kExitCodes << "\n"
        << kEnvironment;
}

bool isHelp(const QString& arg) { return arg == "--help" || arg == "-h" || arg == "help"; }

// The command whose --help a usage error points to ("ql310ctl calllog export").
std::string g_command = "ql310ctl";

// The option as it was given, with its dashes and without its value.
std::string givenOption(const QStringList& args, const QString& name)
{
    for (const QString& arg : args) {
        const QString bare = arg.section('=', 0, 0);
        if (bare == "-" + name || bare == "--" + name)
            return shown(bare);
    }
    return shown((name.size() == 1 ? "-" : "--") + name);
}

} // namespace

std::string shown(const QString& text)
{
    std::string out = text.left(80).toStdString();
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return out;
}

void usageError(const std::string& message)
{
    complain(message + " (see " + g_command + " --help)");
}

void complain(const std::string& message)
{
    std::cerr << "ql310ctl: " << terminalSafe(message) << "\n";
}

bool parseArguments(QCommandLineParser& parser, const QStringList& args, int maxPositional)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{QStringLiteral("ql310ctl")} + args)) {
        if (!parser.unknownOptionNames().isEmpty())
            usageError("unknown option " + givenOption(args, parser.unknownOptionNames().front()));
        else
            usageError(parser.errorText().toStdString());
        return false;
    }
    if (parser.positionalArguments().size() > maxPositional) {
        usageError("too many arguments: " + shown(parser.positionalArguments().join(' ')));
        return false;
    }
    return true;
}

int runSubCommand(const char* group, const char* groupHelp, const SubCommand* begin, const SubCommand* end,
                  const QStringList& args)
{
    if (args.isEmpty()) {
        std::cerr << groupHelp << "\n" << kExitCodes;
        return kBadArguments;
    }
    if (args.front() == "--help" || args.front() == "-h") {
        std::cout << groupHelp << "\n" << kExitCodes;
        return kSuccess;
    }
    for (const SubCommand* sub = begin; sub != end; ++sub) {
        if (args.front() != QLatin1String(sub->name))
            continue;
        const QStringList rest = args.mid(1);
        if (rest.contains("--help") || rest.contains("-h")) {
            std::cout << sub->help << "\n" << kExitCodes;
            return kSuccess;
        }
        g_command = std::string("ql310ctl ") + group + " " + sub->name;
        return sub->run(rest);
    }
    usageError(std::string(group) + ": unknown subcommand: " + shown(args.front()));
    return kBadArguments;
}

int run(const QStringList& args)
{
    if (args.isEmpty()) {
        usage(std::cerr);
        return kBadArguments;
    }
    if (isHelp(args.front())) {
        usage(std::cout);
        return kSuccess;
    }
    if (args.front() == "--version") {
        std::cout << "ql310ctl " << QCoreApplication::applicationVersion().toStdString() << "\n";
        return kSuccess;
    }
    for (const Command* c : commands()) {
        if (args.front() != QLatin1String(c->name))
            continue;
        const QStringList rest = args.mid(1);
        // "calllog" and "phonebook" have subcommands, each with its own help.
        if (c != &kCallLogCommand && c != &kPhoneBookCommand && (rest.contains("--help") || rest.contains("-h"))) {
            std::cout << c->help << "\n" << kExitCodes;
            return kSuccess;
        }
        g_command = std::string("ql310ctl ") + c->name;
        return c->run(rest);
    }
    usageError((args.front().startsWith('-') ? "unknown option " : "unknown command ") + shown(args.front()));
    return kBadArguments;
}

} // namespace ql310::cli

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ql310ctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QL310_VERSION));
    return ql310::cli::run(app.arguments().mid(1));
}
