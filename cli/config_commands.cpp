// SPDX-License-Identifier: GPL-3.0-or-later
// status, read, write, dump and diff: the configuration between the adapter,
// the registry hive and settings files.
#include "commands.h"

#include "block_access.h"
#include "config_dump.h"
#include "configuration.h"
#include "encodings.h"
#include "layout.h"
#include "line_params_check.h"
#include "ql310.h"
#include "text_table.h"

#include <iostream>

namespace ql310::cli {

namespace {

constexpr TextId kFirmwareText = TextId::Firmware;
constexpr TextId kWriteSuccessText = TextId::WriteToIsdnTaSuccess;
constexpr TextId kWriteFailText = TextId::WriteToIsdnTaFail;

int status(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption quiet("quiet");
    parser.addOption(quiet);
    if (!parseArguments(parser, args, 0))
        return kBadArguments;
    Configuration config;
    std::string message;
    const ExitCode code = readAdapter(config, message);
    if (code != kSuccess) {
        if (!parser.isSet(quiet))
            std::cout << (code == kAdapterBusy ? "adapter = busy\n" : "adapter = does not answer\n");
        complain(message);
        return code;
    }
    if (parser.isSet(quiet))
        return kSuccess;
    image::BlockAccess setting(image::Block::Setting, config.setting.data(), packing());
    const auto byte = [&](image::FieldId id) { return setting.readByte(image::slot(id)); };
    const QString firmware = text(kFirmwareText) +
                             QString::fromStdU16String(setting.readText(image::slot(image::FieldId::FirmwareVersion)));
    std::cout << "adapter = answers\n"
              << "firmware = " << firmware.toStdString() << "\n"
              << "country = " << text(image::countryShown(byte(image::FieldId::CountryCode))).toStdString() << "\n"
              << "lcr offered = "
              << text(image::yesNoShown(!image::lcrDisabled(byte(image::FieldId::LcrDisabled)))).toStdString()
              << "\n";
    return kSuccess;
}

int read(const QStringList& args)
{
    QCommandLineParser parser;
    if (!parseArguments(parser, args, 1))
        return kBadArguments;
    if (parser.positionalArguments().size() != 1) {
        complain("read: name the settings file to write");
        return kBadArguments;
    }
    const std::string path = parser.positionalArguments().front().toStdString();
    Configuration config;
    std::string message;
    if (const ExitCode code = readAdapter(config, message); code != kSuccess) {
        complain(message);
        return code;
    }
    // A backup with line parameters that were never read would later
    // restore empty numbers over the good ones.
    if (const line::HiveState state = line::checkReadable(); state != line::HiveState::Ok) {
        complain("the line parameters cannot be read from " + registry::hivePath() + ": " +
                 line::describe(state) + "; no file was written");
        return kLineParamsFailed;
    }
    passThroughEditor(config);
    std::string reason;
    if (!files::saveFile(path, files::FileKind::Settings, config.images(), reason)) {
        complain(path + ": cannot be saved: " + reason + ". The file was not changed.");
        return kFileUnwritable;
    }
    return kSuccess;
}

int write(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption dryRun("dry-run"), quiet("quiet");
    parser.addOptions({dryRun, quiet});
    if (!parseArguments(parser, args, 1))
        return kBadArguments;
    if (parser.positionalArguments().size() != 1) {
        complain("write: name the settings file to write to the adapter");
        return kBadArguments;
    }
    const Source source{parser.positionalArguments().front().toStdString()};
    Configuration config;
    std::string message;
    if (const ExitCode code = load(source, config, message); code != kSuccess) {
        complain(message);
        return code;
    }
    passThroughEditor(config);

    if (parser.isSet(dryRun)) {
        Configuration now;
        if (const ExitCode code = readAdapter(now, message); code != kSuccess) {
            complain(message);
            return code;
        }
        passThroughEditor(now);
        // As diff does: 1 when the adapter's configuration differs.
        const Difference d = difference(now, config);
        if (!parser.isSet(quiet))
            std::cout << differenceText(d);
        return d.empty() ? kSuccess : kDifferent;
    }

    // The blocks first; the line parameters follow only blocks the adapter took.
    const uint8_t result = QL310_SaveSetting(config.table.data(), config.setting.data());
    if (result != QL310_OK) {
        complain(transferMessage(kWriteFailText, result));
        return exitCodeOfTransfer(result);
    }
    // The store reports nothing: look at the hive after it.
    QL_PutDataToRegistry(config.lineParams.data());
    const line::HiveState stored = line::checkStoredAfterPut(config.lineParams.data());
    if (stored != line::HiveState::Ok) {
        complain("the blocks were written, but the line parameters could not be stored in " +
                 registry::hivePath() + ": " + line::describe(stored));
        return kLineParamsFailed;
    }
    if (!parser.isSet(quiet))
        complain(text(kWriteSuccessText).toStdString());
    return kSuccess;
}

int dump(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption json("json");
    parser.addOption(json);
    if (!parseArguments(parser, args, 1))
        return kBadArguments;
    const Source source{parser.positionalArguments().value(0).toStdString()};
    Configuration config;
    std::string message;
    if (const ExitCode code = load(source, config, message); code != kSuccess) {
        complain(message);
        return code;
    }
    const std::vector<DumpLine> lines = dumpLines(describe(config));
    std::cout << (parser.isSet(json) ? dumpJson(lines) : dumpText(lines));
    return kSuccess;
}

int diff(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption quiet("quiet");
    parser.addOption(quiet);
    if (!parseArguments(parser, args, 2))
        return kBadArguments;
    const QStringList names = parser.positionalArguments();
    if (names.isEmpty()) {
        complain("diff: name at least one settings file");
        return kBadArguments;
    }
    if (names.count(QStringLiteral("-")) > 1) {
        complain("diff: standard input can be read only once");
        return kBadArguments;
    }
    Configuration a;
    Configuration b;
    std::string message;
    for (auto [config, source] : {std::pair{&a, Source{names[0].toStdString()}},
                                  std::pair{&b, Source{names.value(1).toStdString()}}}) {
        if (const ExitCode code = load(source, *config, message); code != kSuccess) {
            complain(message);
            return code;
        }
    }
    const Difference d = difference(a, b);
    if (!parser.isSet(quiet))
        std::cout << differenceText(d);
    return d.empty() ? kSuccess : kDifferent;
}

} // namespace

const Command kConfigCommands[5] = {
    {"status", "whether the adapter answers, its firmware, country and LCR",
     "Usage: ql310ctl status [--quiet]\n"
     "Asks the adapter for its configuration and prints whether it answers\n"
     "(\"adapter = answers\", \"busy\" or \"does not answer\"), its firmware\n"
     "version and country as the status bar shows them, and whether it offers\n"
     "least-cost routing.\n"
     "  --quiet  print nothing; the exit status alone tells whether it answers\n",
     status},
    {"read", "back up the adapter into a settings file",
     "Usage: ql310ctl read FILE\n"
     "Reads the line parameters from the registry and both blocks from the\n"
     "adapter and saves them as the settings file FILE (.310, 4513 bytes), the\n"
     "same file the program saves. FILE is replaced whole or not at all; it is\n"
     "not written when the registry hive cannot give the line parameters.\n",
     read},
    {"write", "restore a settings file to the adapter",
     "Usage: ql310ctl write [--dry-run] [--quiet] FILE\n"
     "Writes the settings file FILE to the adapter, then stores the line\n"
     "parameters in the registry and sends them to the driver, in the order of\n"
     "the program's Write. Nothing is stored when the adapter does not take the\n"
     "blocks; exit status 9 when the hive did not take the line parameters.\n"
     "FILE may be - for standard input.\n"
     "  --dry-run  write nothing; show what would change on the adapter, as diff does,\n"
     "             with exit status 1 when something would change\n"
     "  --quiet    nothing on standard output or error unless it fails\n",
     write},
    {"dump", "a configuration as text, one field per line",
     "Usage: ql310ctl dump [--json] [FILE|-]\n"
     "Prints every field of the settings file FILE (- for standard input; the\n"
     "adapter when no file is named) as one line \"field = value\", in the\n"
     "editor's terms and texts, in a fixed order.\n"
     "  --json  the same fields as one JSON object\n",
     dump},
    {"diff", "the fields that differ between two configurations",
     "Usage: ql310ctl diff [--quiet] A [B]\n"
     "Compares the settings files A and B (B omitted: the adapter). Each field\n"
     "that differs is printed as \"- field = value in A\" and \"+ field = value in\n"
     "B\"; bytes that no field shows are counted per area, as \"~ area: N bytes\n"
     "differ\". Exit status 0 when they are the same, 1 when they differ.\n"
     "  --quiet  print nothing; the exit status alone tells\n",
     diff},
};

} // namespace ql310::cli
