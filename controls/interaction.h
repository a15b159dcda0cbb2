// SPDX-License-Identifier: GPL-3.0-or-later
// Every message box, question, file dialog and printer dialog of the program
// goes through this interface, so that tests can answer with a script and
// check what was asked.
#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>

class QDialog;
class QFileDialog;
class QPrinter;
class QWidget;

namespace ql310 {

class UserInteraction {
public:
    enum class Icon { Information, Question, Exclamation, Critical };
    enum Button { Ok = 0x1, Cancel = 0x2, Yes = 0x4, No = 0x8 };
    Q_DECLARE_FLAGS(Buttons, Button)

    struct FileRequest {
        QString title;
        // The program's filter list: description and pattern alternating,
        // separated by "|", e.g. "310 Files (*.310) | *.310|All Files (*.*) | *.*".
        QString filter;
        QString defaultSuffix;  // without the dot
        bool forSaving = false;
    };

    virtual ~UserInteraction() = default;

    // A message box with `buttons`; returns the button chosen.
    virtual Button ask(const QString& text, const QString& title, Icon icon, Buttons buttons) = 0;
    // The same with `defaultButton` as the answer of Enter; by default the
    // question is asked as ask() asks it.
    virtual Button askWithDefault(const QString& text, const QString& title, Icon icon, Buttons buttons,
                                  Button defaultButton);
    // A message box with an OK button only.
    virtual void warn(const QString& text, const QString& title, Icon icon) = 0;
    // A file chosen by the user; empty when the dialog was cancelled.
    virtual QString chooseFile(const FileRequest& request) = 0;
    // Lets the user pick and set up `printer`; false when cancelled.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // A dialog of the program's own (the phone-book import preview), shown
    // modally; QDialog::Accepted or QDialog::Rejected.
    virtual int runDialog(QDialog& dialog);

    // A file to save into, chosen through chooseFile. A name typed without
    // an extension gets the request's default suffix, so that a dialog
    // filtering on it shows the file again; the dialog confirmed only the
    // name without it, so replacing a file of the longer name is asked
    // first (titled `title`). Empty when cancelled or not confirmed.
    QString chooseFileToSave(FileRequest request, const QString& title);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(UserInteraction::Buttons)

// The real dialogs, parented to `parent` when given. On a platform without
// a screen ("offscreen", "minimal") nobody could answer a modal dialog, so
// the message goes to the standard error stream instead and the cautious
// answer is taken: Cancel, else No, else OK; file and printer dialogs count
// as cancelled.
class WidgetInteraction : public UserInteraction {
public:
    explicit WidgetInteraction(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    Button ask(const QString& text, const QString& title, Icon icon, Buttons buttons) override;
    Button askWithDefault(const QString& text, const QString& title, Icon icon, Buttons buttons,
                          Button defaultButton) override;
    void warn(const QString& text, const QString& title, Icon icon) override;
    QString chooseFile(const FileRequest& request) override;
    bool choosePrinter(QPrinter& printer) override;
    int runDialog(QDialog& dialog) override;

    // True when no one can see or answer a dialog.
    static bool headless();

private:
    QWidget* m_parent;
};

// The filter list of a FileRequest as the file dialog takes it: one
// "description (patterns)" per line of ";;", where "*.*" stands for every
// file, with or without a dot. A list without "|" is taken as it is.
QString dialogFilters(const QString& filterList);

// Sets up `dialog` for `request`: title, filters, open or save, and the
// default suffix, which only a save adds to a name typed without one.
void configureFileDialog(QFileDialog& dialog, const UserInteraction::FileRequest& request);

} // namespace ql310
