// SPDX-License-Identifier: GPL-3.0-or-later
// ql310-adapter: the simulated adapter and its driver on the device socket.
#include "adapter_state.h"
#include "device_protocol.h"
#include "driver_install.h"
#include "faults.h"
#include "line_params.h"
#include "registry_hive.h"
#include "server.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

volatile int g_stop = 0;

void onSignal(int) { g_stop = 1; }

void printHelp()
{
    std::printf(
        "Usage: ql310-adapter [--device-dir DIR] [--state DIR] [--journal FILE] [--fault CMD]...\n"
        "\n"
        "Plays the USB ISDN terminal adapter and its driver on the device socket\n"
        "DIR/capi201, for the configuration program, its tests and anyone without the\n"
        "hardware.\n"
        "\n"
        "  --device-dir DIR  serve DIR/capi201 (default: $QL310_DEVICE_DIR, else\n"
        "                    $XDG_RUNTIME_DIR/ql310, else /run/ql310)\n"
        "  --state DIR       keep the setting block, table block and call history as\n"
        "                    setting.bin, table.bin and history.bin in DIR, so that\n"
        "                    writes survive a restart; a new DIR starts as a factory\n"
        "                    adapter (without --state the state lives in memory only)\n"
        "  --journal FILE    append one line per request received: the code in hex,\n"
        "                    the input length and the input bytes in hex\n"
        "  --fault CMD       run a fault command at start (may be repeated)\n"
        "  --help            show this text\n"
        "  --version         show the version\n"
        "\n"
        "Like the driver's installer, it creates the line-parameter key\n"
        "HKEY_LOCAL_MACHINE\\%s of the registry hive with the values\n"
        "\"B1 Channel\"=%u, \"B2 Channel\"=%u, \"CAPI\"=%u and \"D Channel\"=%u when the key is\n"
        "missing. The hive is $QL310_REGISTRY when set, else /var/lib/ql310/hklm.reg;\n"
        "a hive that cannot be written only earns a warning.\n"
        "\n"
        "Fault commands, also taken one per line on the control socket\n"
        "DIR/capi201.ctl, which answers \"ok\" or \"error: ...\" to each:\n"
        "%s",
        ql310::line::kStoreKey, ql310::adapter::kInstalledB1Channel,
        ql310::adapter::kInstalledB2Channel, ql310::adapter::kInstalledCapi,
        ql310::adapter::kInstalledDChannel, ql310::adapter::kCommandHelp);
}

} // namespace

int main(int argc, char** argv)
{
    ql310::adapter::ServerOptions options;
    options.deviceDir = ql310::device::deviceDirectory();
    std::string stateDir;
    std::vector<std::string> startFaults;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char* name) -> const char* {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "ql310-adapter: %s needs a value\n", name);
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            printHelp();
            return 0;
        } else if (arg == "--version") {
            std::printf("ql310-adapter %s\n", QL310_VERSION);
            return 0;
        } else if (arg == "--device-dir") {
            options.deviceDir = value("--device-dir");
        } else if (arg == "--state") {
            stateDir = value("--state");
        } else if (arg == "--journal") {
            options.journalPath = value("--journal");
        } else if (arg == "--fault") {
            startFaults.push_back(value("--fault"));
        } else {
            std::string shown = arg.substr(0, 80);
            for (char& c : shown)
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                    c = '?';
            std::fprintf(stderr, "ql310-adapter: unknown option %s (see ql310-adapter --help)\n", shown.c_str());
            return 2;
        }
    }

    ql310::adapter::AdapterState state;
    std::string error;
    if (!state.open(stateDir, std::time(nullptr), error)) {
        std::fprintf(stderr, "ql310-adapter: %s\n", error.c_str());
        return 1;
    }
    // A hive that cannot be written does not stop the adapter.
    if (ql310::adapter::installDriverValues(ql310::registry::hivePath(), error) ==
        ql310::adapter::InstallResult::Failed)
        std::fprintf(stderr, "ql310-adapter: warning: registry %s\n", error.c_str());
    error.clear();
    ql310::adapter::Faults faults;
    ql310::adapter::Server server(options, state, faults);
    if (!server.start(error)) {
        std::fprintf(stderr, "ql310-adapter: %s\n", error.c_str());
        return 1;
    }
    for (const std::string& command : startFaults) {
        const std::string reply = server.execute(command);
        if (reply != "ok") {
            std::fprintf(stderr, "ql310-adapter: --fault '%s': %s\n", command.c_str(),
                         reply.c_str());
            return 2;
        }
    }

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGPIPE, SIG_IGN);
    server.run(&g_stop);
    return 0;
}
