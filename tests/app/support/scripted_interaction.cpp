#include "scripted_interaction.h"

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

bool ScriptedInteraction::choosePrinter(QPrinter&)
{
    ++m_unscripted;
    return false;
}

} // namespace ql310::test
