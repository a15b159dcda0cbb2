// SPDX-License-Identifier: GPL-3.0-or-later
// ql310set: the configuration program of the USB ISDN terminal adapter.
#include "interaction.h"
#include "library_binding.h"
#include "main_window.h"
#include "text_table.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    // Answered before the window system is needed, so it works anywhere.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("ql310set %s\n", QL310_VERSION);
            return EXIT_SUCCESS;
        }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ql310set"));
    QApplication::setApplicationVersion(QStringLiteral(QL310_VERSION));

    ql310::WidgetInteraction interaction;
    ql310::LibraryBinding library;
    library.setFailureHandler([&interaction](const QString& message) {
        interaction.warn(message, ql310::text(101), ql310::UserInteraction::Icon::Critical);
        std::exit(EXIT_FAILURE);
    });

    ql310::MainWindow window(library, interaction);
    interaction.setParent(&window);
    if (!window.formLoad())
        return EXIT_SUCCESS;
    window.show();
    return app.exec();
}
