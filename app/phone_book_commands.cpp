// SPDX-License-Identifier: GPL-3.0-or-later
#include "phone_book_commands.h"

#include "block_access.h"
#include "busy_pointer.h"
#include "contact_file.h"
#include "editor_controls.h"
#include "fixed_cell_grid.h"
#include "home_region.h"
#include "interaction.h"
#include "main_window.h"
#include "phone_book_export.h"
#include "phone_book_import_dialog.h"
#include "setting_files.h"
#include "text_table.h"

#include <QCoreApplication>
#include <QFile>

namespace ql310 {

namespace {


// In the program's language: asked when used.
QString importFilter()
{
    return QCoreApplication::translate("ql310::PhoneBookCommands",
                                       "Address Books (*.vcf;*.vcard;*.csv) | *.vcf;*.vcard;*.csv|"
                                       "vCard Files (*.vcf) | *.vcf;*.vcard|CSV Files (*.csv) | *.csv|"
                                       "All Files (*.*) | *.*");
}
QString exportFilter()
{
    return QCoreApplication::translate(
        "ql310::PhoneBookCommands", "vCard Files (*.vcf) | *.vcf|CSV Files (*.csv) | *.csv|All Files (*.*) | *.*");
}

} // namespace

PhoneBookCommands::PhoneBookCommands(MainWindow& window, UserInteraction& interaction)
    : m_window(window), m_interaction(interaction)
{
}

std::string PhoneBookCommands::homeRegion() const
{
    const image::BlockAccess setting(image::Block::Setting,
                                     reinterpret_cast<uint8_t*>(m_window.settingBlock().data()), {});
    return numbers::regionForCountryCode(setting.readByte(image::slot(image::FieldId::CountryCode)));
}

phonebook::PhoneBook PhoneBookCommands::shownPhoneBook() const
{
    const EditorControls controls(m_window);
    phonebook::PhoneBook book;
    for (int i = 0; i < phonebook::kEntries; ++i) {
        const PhoneBookCell cell = phoneBookCell(controls, i);
        book[static_cast<size_t>(i)] = {cell.grid->cellText(cell.row, grid_places::kPeerNumberColumn),
                                        cell.grid->cellText(cell.row, grid_places::kPeerNameColumn)};
    }
    return book;
}

void PhoneBookCommands::show(const phonebook::PhoneBook& before, const phonebook::PhoneBook& after)
{
    const EditorControls controls(m_window);
    for (int i = 0; i < phonebook::kEntries; ++i) {
        const phonebook::Entry& e = after[static_cast<size_t>(i)];
        if (e == before[static_cast<size_t>(i)])
            continue;
        const PhoneBookCell cell = phoneBookCell(controls, i);
        for (FixedCellGrid* grid : {cell.grid, controls.forward}) {
            const int row = grid == controls.forward ? i + 1 : cell.row;
            grid->setCellText(row, grid_places::kPeerNumberColumn, e.number);
            grid->setCellText(row, grid_places::kPeerNameColumn, e.name);
        }
    }
}

void PhoneBookCommands::warn(const QString& text)
{
    m_interaction.warn(text, ql310::text(kTitleText), UserInteraction::Icon::Exclamation);
}

void PhoneBookCommands::importPhoneBook()
{
    UserInteraction::FileRequest request;
    request.filter = importFilter();
    const QString path = m_interaction.chooseFile(request);
    if (path.isEmpty())
        return;
    m_window.setStatusPanel(1, path);

    phonebook::ContactFile file;
    QString reason;
    bool read = false;
    {
        BusyPointer busy;
        read = phonebook::loadContactFile(path, file, reason);
    }
    if (!read) {
        warn(QCoreApplication::translate("ql310::PhoneBookCommands",
                                         "The file \"%1\" cannot be imported: %2. Nothing was changed.")
                 .arg(path, reason));
        return;
    }
    if (file.kind == phonebook::ContactFile::Kind::Csv && !file.columns.complete()) {
        CsvColumnsDialog columns(file.csv, file.columns, &m_window);
        if (m_interaction.runDialog(columns) != QDialog::Accepted)
            return;
        file.contacts = phonebook::contactsFromCsv(file.csv, columns.columns());
    }

    if (phonebook::numbersToImport(file.contacts) == 0) {
        warn(QCoreApplication::translate("ql310::PhoneBookCommands",
                                         "The file \"%1\" cannot be imported: no telephone number found in %1. "
                                         "Nothing was changed.")
                 .arg(path));
        return;
    }
    const phonebook::PhoneBook before = shownPhoneBook();
    phonebook::ImportPlan plan;
    {
        BusyPointer busy;
        plan = phonebook::planImport(before, file.contacts, homeRegion());
        plan.notExamined += file.leftOut;
    }
    if (plan.items.isEmpty()) {
        warn(QCoreApplication::translate("ql310::PhoneBookCommands",
                                         "The file \"%1\" holds no telephone number. Nothing was changed.")
                 .arg(path));
        return;
    }
    PhoneBookImportDialog preview(plan, path, &m_window);
    if (m_interaction.runDialog(preview) != QDialog::Accepted)
        return;
    const phonebook::PhoneBook after = phonebook::applyImport(before, preview.plan(), preview.updateNames());
    show(before, after);
    // The window's "[*]" marker, where its title carries one.
    if (after != before && m_window.windowTitle().contains(QLatin1String("[*]")))
        m_window.setWindowModified(true);
    int changed = 0;
    for (int i = 0; i < phonebook::kEntries; ++i)
        changed += after[static_cast<size_t>(i)] != before[static_cast<size_t>(i)];
    m_window.setStatusPanel(
        1,
        QCoreApplication::translate("ql310::PhoneBookCommands", "%1: %2 phone-book entries changed")
            .arg(path)
            .arg(changed));
}

void PhoneBookCommands::exportPhoneBook()
{
    UserInteraction::FileRequest request;
    request.filter = exportFilter();
    request.defaultSuffix = QStringLiteral("vcf");
    const QString path = m_interaction.chooseFileToSave(request, ql310::text(kTitleText));
    if (path.isEmpty())
        return;
    m_window.setStatusPanel(1, path);

    const phonebook::PhoneBook book = shownPhoneBook();
    if (std::all_of(book.begin(), book.end(), [](const phonebook::Entry& e) { return e.free(); })) {
        warn(QCoreApplication::translate("ql310::PhoneBookCommands",
                                         "The phone book is empty: \"%1\" was not written.")
                 .arg(path));
        return;
    }
    QString reason;
    {
        BusyPointer busy;
        const QByteArray bytes =
            phonebook::exportPhoneBook(book, phonebook::formatForFileName(path), homeRegion());
        std::string why;
        if (!files::saveBytes(QFile::encodeName(path).toStdString(),
                              reinterpret_cast<const uint8_t*>(bytes.constData()),
                              static_cast<size_t>(bytes.size()), why))
            reason = QString::fromLocal8Bit(why);
    }
    if (!reason.isEmpty())
        warn(QCoreApplication::translate("ql310::PhoneBookCommands",
                                         "The file \"%1\" cannot be saved: %2. The file was not changed.")
                 .arg(path, reason));
}

} // namespace ql310
