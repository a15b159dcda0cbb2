// SPDX-License-Identifier: GPL-3.0-or-later
// ql310set: the configuration program of the USB ISDN terminal adapter.
#include "command_line.h"
#include "desktop_identity.h"
#include "interaction.h"
#include "language.h"
#include "library_binding.h"
#include "main_window.h"
#include "text_table.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[])
{
    // Answered before the window system is needed, so it works anywhere.
    std::string unknown;
    switch (ql310::startAction(argc, argv, unknown)) {
    case ql310::StartAction::Version:
        std::printf("ql310set %s\n", QL310_VERSION);
        return EXIT_SUCCESS;
    case ql310::StartAction::Help: {
        // In the user's language, still without the window system.
        QCoreApplication core(argc, argv);
        ql310::installTranslations(core);
        std::fputs(QCoreApplication::translate("ql310::CommandLine", ql310::usageText()).toLocal8Bit().constData(),
                   stdout);
        return EXIT_SUCCESS;
    }
    case ql310::StartAction::Unknown:
        // A usage error: the message and the usage on standard error.
        for (char& c : unknown)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                c = '?';
        std::fprintf(stderr, "ql310set: %s %s (see ql310set --help)\n",
                     unknown.starts_with('-') ? "unknown option" : "unexpected argument", unknown.c_str());
        std::fputs(ql310::usageText(), stderr);
        return 2;
    case ql310::StartAction::Run:
        break;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ql310set"));
    QApplication::setApplicationVersion(QStringLiteral(QL310_VERSION));
    // The language first: every text after this follows it.
    ql310::installTranslations(app);
    ql310::applyDesktopIdentity();

    ql310::WidgetInteraction interaction;
    ql310::LibraryBinding library;
    library.setFailureHandler([&interaction](const QString& message) {
        interaction.warn(message, ql310::text(ql310::kTitleText), ql310::UserInteraction::Icon::Critical);
        std::exit(EXIT_FAILURE);
    });

    ql310::MainWindow window(library, interaction);
    interaction.setParent(&window);
    if (!window.startUp())
        return EXIT_SUCCESS;
    window.show();
    return app.exec();
}
