// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the program's questions from a script and records what was asked.
#pragma once

#include "interaction.h"

#include <QList>
#include <QQueue>

namespace ql310::test {

class ScriptedInteraction : public UserInteraction {
public:
    struct Asked {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;  // Ok alone for warn()
    };

    // The answers of the next questions, in order.
    void answer(Button button) { m_answers.enqueue(button); }
    // The next printer dialog chooses printing into the PDF file `path`;
    // a printer dialog with nothing scripted counts as cancelled.
    void printTo(const QString& path) { m_printTargets.enqueue(path); }
    int printerDialogs() const { return m_printerDialogs; }
    // The file the next file dialog returns; "" stands for Cancel.
    void chooseFileAnswer(const QString& path) { m_files.enqueue(path); }

    Button ask(const QString& text, const QString& title, Icon icon, Buttons buttons) override;
    void warn(const QString& text, const QString& title, Icon icon) override;
    QString chooseFile(const FileRequest& request) override;
    bool choosePrinter(QPrinter& printer) override;

    const QList<Asked>& asked() const { return m_asked; }
    // Every file dialog shown, in order.
    const QList<FileRequest>& fileRequests() const { return m_fileRequests; }
    // Questions that found no scripted answer (answered with Cancel or No).
    int unscripted() const { return m_unscripted; }

private:
    QQueue<Button> m_answers;
    QQueue<QString> m_printTargets;
    int m_printerDialogs = 0;
    QList<Asked> m_asked;
    QQueue<QString> m_files;
    QList<FileRequest> m_fileRequests;
    int m_unscripted = 0;
};

} // namespace ql310::test
