// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripted_interaction.h"

#include <QPrinter>

namespace ql310::test {

UserInteraction::Button ScriptedInteraction::ask(const QString& text, const QString& title,
                                                 Icon icon, Buttons buttons)
{
    m_asked.append({text, title, icon, buttons});
    if (m_answers.isEmpty()) {
        ++m_unscripted;
        return (buttons & Cancel) ? Cancel : No;
    }
    return m_answers.dequeue();
}

void ScriptedInteraction::warn(const QString& text, const QString& title, Icon icon)
{
    m_asked.append({text, title, icon, Ok});
}

QString ScriptedInteraction::chooseFile(const FileRequest& request)
{
    m_fileRequests.append(request);
    if (m_files.isEmpty()) {
        ++m_unscripted;
        return {};
    }
    return m_files.dequeue();
}

bool ScriptedInteraction::choosePrinter(QPrinter& printer)
{
    ++m_printerDialogs;
    if (m_printTargets.isEmpty()) {
        ++m_unscripted;
        return false;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_printTargets.dequeue());
    return true;
}

} // namespace ql310::test
