// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's "Import Phone Book…" (mnuImportPhoneBook) and "Export
// Phone Book…" (mnuExportPhoneBook): the phone book from and to the vCard
// and CSV files of address books.
//
// An import reads the file (refused with a message when it cannot be read,
// is larger than 10 MB, is binary or holds no card), asks for a CSV file's
// columns when their headers are not recognised, shows the preview, and
// only on "Import" changes the phone-book grids and the forward grid's
// copies of them; the next Write sends them as usual. An export writes the
// phone book as the grids show it, as vCard 4.0 or CSV by the file's
// extension, replacing the file whole. The adapter's country, from the
// setting block, is the numbers' home region.
#pragma once

#include "phone_book_import.h"

#include <string>

namespace ql310 {

class MainWindow;
class UserInteraction;

class PhoneBookCommands {
public:
    PhoneBookCommands(MainWindow& window, UserInteraction& interaction);

    void importPhoneBook();
    void exportPhoneBook();

    // The phone book as the two phone-book grids show it.
    phonebook::PhoneBook shownPhoneBook() const;
    // The region of the setting block's CountryCode; empty for none.
    std::string homeRegion() const;

private:
    // Puts the records that differ from `before` into the phone-book grids
    // and the forward grid's number and name columns.
    void show(const phonebook::PhoneBook& before, const phonebook::PhoneBook& after);
    void warn(const QString& text);

    MainWindow& m_window;
    UserInteraction& m_interaction;
};

} // namespace ql310
