// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QtGlobal>

#include <cstring>
#include <string_view>

namespace ql310 {

namespace {

// The toolkit's own options, which it takes with one dash or two; those in
// the first list take the next argument as their value.
constexpr std::string_view kToolkitWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "display", "geometry", "style", "stylesheet",
    "session", "name", "title", "visual", "fn", "bg", "fg", "btn", "im", "font"};
constexpr std::string_view kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb",
                                              "sync", "ncols", "cmap", "qmljsdebugger"};

// The option's name without its dashes and an "=value" part.
std::string_view optionName(std::string_view arg)
{
    arg.remove_prefix(arg.starts_with("--") ? 2 : 1);
    return arg.substr(0, arg.find('='));
}

template <size_t N>
bool listed(const std::string_view (&names)[N], std::string_view name)
{
    for (std::string_view known : names)
        if (known == name)
            return true;
    return false;
}

} // namespace

StartAction startAction(int argc, const char* const argv[], std::string& unknown)
{
    StartAction action = StartAction::Run;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "-?") {
            if (action == StartAction::Run)
                action = StartAction::Help;
            continue;
        }
        if (arg == "--version") {
            if (action == StartAction::Run)
                action = StartAction::Version;
            continue;
        }
        const std::string_view name = arg.size() > 1 && arg[0] == '-' ? optionName(arg) : "";
        if (!name.empty() && listed(kToolkitWithValue, name)) {
            if (arg.find('=') == std::string_view::npos)
                ++i; // its value
            continue;
        }
        if (!name.empty() && listed(kToolkitFlags, name))
            continue;
        // The program takes no file names or other arguments.
        unknown = std::string(arg);
        return StartAction::Unknown;
    }
    return action;
}

const char* usageText()
{
    // In English; --help shows it in the user's language (main.cpp).
    return QT_TRANSLATE_NOOP("ql310::CommandLine",
                             "Usage: ql310set [--help] [--version]\n"
                             "Configures the USB ISDN terminal adapter: reads its configuration, edits\n"
                             "and writes it back, and keeps the call log.\n"
                             "\n"
                             "  --help      show this text and exit\n"
                             "  --version   show the version and exit\n"
                             "\n"
                             "The toolkit's own options (-platform, -style, -display, ...) are accepted.\n"
                             "Environment: QL310_DEVICE_DIR, QL310_REGISTRY, QL310SET_DATA_DIR,\n"
                             "QL310_TIMEOUT_MS (see ql310set(1)).\n");
}

} // namespace ql310
