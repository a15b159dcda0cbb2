// SPDX-License-Identifier: GPL-3.0-or-later
// Text from outside on its way to a terminal: control characters shown as
// "?", so that a name or a file name cannot move the cursor, change colours
// or set the window title.
#include "commands.h"

#include <QString>

#include <cstdio>
#include <iostream>

#include <unistd.h>

namespace ql310::cli {

namespace {

bool control(char16_t c, bool keepLineEnds)
{
    if (keepLineEnds && c == u'\n')
        return false;
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

QString shown(const QString& text, bool keepLineEnds)
{
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        // A line end of CSV ("\r\n") stays; any other carriage return not.
        if (keepLineEnds && out[i] == u'\r' && i + 1 < out.size() && out[i + 1] == u'\n')
            continue;
        if (control(out[i].unicode(), keepLineEnds))
            out[i] = u'?';
    }
    return out;
}

} // namespace

std::string terminalSafe(const std::string& message)
{
    return shown(QString::fromStdString(message), false).toStdString();
}

bool writeOutput(const QByteArray& bytes)
{
    if (::isatty(STDOUT_FILENO)) {
        const QByteArray text = shown(QString::fromUtf8(bytes), true).toUtf8();
        std::cout.write(text.constData(), text.size());
    } else {
        std::cout.write(bytes.constData(), bytes.size());
    }
    std::cout.flush();
    return static_cast<bool>(std::cout);
}

} // namespace ql310::cli
