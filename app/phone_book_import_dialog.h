// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs of the phone-book import: the preview of what an import will
// do, and the choice of a CSV file's name and number columns when their
// headers are not recognised. Both only show and choose; nothing changes
// until the caller applies the plan.
#pragma once

#include "csv_reader.h"
#include "phone_book_import.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace ql310 {

// Lists the numbers that fill free records (801 to 840, in order), those
// already in the phone book (skipped, or their name updated when the box is
// ticked), those twice in the file, every refused number with its reason,
// and how many found no room. Each number that would change the phone book
// has a tick box, ticked at first: clearing it leaves the number out.
// "Import" accepts, "Cancel" rejects.
class PhoneBookImportDialog : public QDialog {
    Q_OBJECT

public:
    PhoneBookImportDialog(const phonebook::ImportPlan& plan, const QString& fileName,
                          QWidget* parent = nullptr);

    bool updateNames() const;
    // The plan with the user's ticks.
    const phonebook::ImportPlan& plan() const { return m_plan; }
    // Ticks or clears the box of the plan's item `index` as the user would.
    void setTicked(int index, bool ticked);
    // Ticks or clears "update names" as the user would.
    void setUpdateNames(bool update);

private:
    void fill();

    phonebook::ImportPlan m_plan;
    QLabel* m_summary = nullptr;
    QTreeWidget* m_list = nullptr;
    QCheckBox* m_updateNames = nullptr;
    QPushButton* m_import = nullptr;
};

// Two lists of the file's column headers: the name column (or none) and
// the number column.
class CsvColumnsDialog : public QDialog {
    Q_OBJECT

public:
    // Starts with the recognised columns, else with a guess from the rows.
    CsvColumnsDialog(const phonebook::CsvTable& table, const phonebook::CsvColumns& recognised,
                     QWidget* parent = nullptr);

    phonebook::CsvColumns columns() const;
    // Picks the columns as the user would; -1 for no name column, -2 for
    // the columns recognised.
    void choose(int nameColumn, int numberColumn);

private:
    QComboBox* m_name = nullptr;
    QComboBox* m_number = nullptr;
    phonebook::CsvColumns m_recognised;
};

} // namespace ql310
