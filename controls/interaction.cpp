// SPDX-License-Identifier: GPL-3.0-or-later
#include "interaction.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrinter>

#include <cstdio>

namespace ql310 {

namespace {

QMessageBox::Icon boxIcon(UserInteraction::Icon icon)
{
    switch (icon) {
    case UserInteraction::Icon::Information:
        return QMessageBox::Information;
    case UserInteraction::Icon::Question:
        return QMessageBox::Question;
    case UserInteraction::Icon::Exclamation:
        return QMessageBox::Warning;
    case UserInteraction::Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

void printMessage(const QString& title, const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    std::fflush(stderr);
}

} // namespace

QString dialogFilters(const QString& filterList)
{
    if (!filterList.contains(u'|'))
        return filterList;
    const QStringList parts = filterList.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        // The description's own "(*.x)" gives way to the patterns that apply.
        if (description.endsWith(u')')) {
            const qsizetype open = description.lastIndexOf(u'(');
            if (open >= 0)
                description = description.left(open).trimmed();
        }
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters.append(description + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

void configureFileDialog(QFileDialog& dialog, const UserInteraction::FileRequest& request)
{
    dialog.setWindowTitle(request.title);
    dialog.setNameFilter(dialogFilters(request.filter));
    dialog.setAcceptMode(request.forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The default extension belongs to saves alone: a name typed into an
    // open dialog is the file to load, with or without an extension.
    dialog.setDefaultSuffix(request.forSaving ? request.defaultSuffix : QString());
}

bool WidgetInteraction::headless()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

UserInteraction::Button UserInteraction::askWithDefault(const QString& text, const QString& title, Icon icon,
                                                        Buttons buttons, Button)
{
    return ask(text, title, icon, buttons);
}

UserInteraction::Button WidgetInteraction::ask(const QString& text, const QString& title,
                                               Icon icon, Buttons buttons)
{
    return askWithDefault(text, title, icon, buttons, Button(0));
}

UserInteraction::Button WidgetInteraction::askWithDefault(const QString& text, const QString& title, Icon icon,
                                                          Buttons buttons, Button defaultButton)
{
    if (headless()) {
        printMessage(title, text);
        if (buttons & Cancel)
            return Cancel;
        if (buttons & No)
            return No;
        return Ok;
    }
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::NoButton, m_parent);
    const std::pair<Button, QMessageBox::StandardButton> kinds[] = {
        {Ok, QMessageBox::Ok}, {Cancel, QMessageBox::Cancel},
        {Yes, QMessageBox::Yes}, {No, QMessageBox::No}};
    for (const auto& [ours, theirs] : kinds)
        if (buttons & ours) {
            QPushButton* button = box.addButton(theirs);
            if (ours == defaultButton)
                box.setDefaultButton(button);
        }
    const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const auto& [ours, theirs] : kinds)
        if (chosen == theirs)
            return ours;
    // Closed with the window's close box: the escape answer.
    return (buttons & Cancel) ? Cancel : (buttons & No) ? No : Ok;
}

void WidgetInteraction::warn(const QString& text, const QString& title, Icon icon)
{
    if (headless()) {
        printMessage(title, text);
        return;
    }
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

QString WidgetInteraction::chooseFile(const FileRequest& request)
{
    if (headless())
        return {};
    QFileDialog dialog(m_parent);
    configureFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool WidgetInteraction::choosePrinter(QPrinter& printer)
{
    if (headless())
        return false;
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

int UserInteraction::runDialog(QDialog& dialog)
{
    return dialog.exec();
}

QString UserInteraction::chooseFileToSave(FileRequest request, const QString& title)
{
    request.forSaving = true;
    QString path = chooseFile(request);
    if (path.isEmpty() || request.defaultSuffix.isEmpty() || !QFileInfo(path).suffix().isEmpty() ||
        path.endsWith(u'.'))
        return path;
    path += u'.' + request.defaultSuffix;
    if (QFileInfo::exists(path)
        && ask(QCoreApplication::translate("ql310::Interaction", "The file \"%1\" already exists. Replace it?")
                   .arg(path),
               title, Icon::Question, Yes | No)
            != Yes)
        return {};
    return path;
}

int WidgetInteraction::runDialog(QDialog& dialog)
{
    if (headless()) {
        printMessage(
            dialog.windowTitle(),
            QCoreApplication::translate("ql310::Interaction", "Cancelled: no one can answer this dialog here."));
        return QDialog::Rejected;
    }
    return dialog.exec();
}

} // namespace ql310
