// SPDX-License-Identifier: GPL-3.0-or-later
#include "phone_book_import_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QHash>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ql310 {

using phonebook::ImportItem;
using Outcome = phonebook::ImportItem::Outcome;
using phonebook::printable;

namespace {

// What the file wrote, each value cut to what a line can show.
QString source(const ImportItem& i)
{
    using phonebook::printable;
    QString text = i.contact.isEmpty() ? printable(i.value)
                                       : QStringLiteral("%1: %2").arg(printable(i.contact), printable(i.value));
    if (!i.extension.isEmpty())
        text += QCoreApplication::translate("ql310::PhoneBookImportDialog", " (extension %1 dropped)")
                    .arg(printable(i.extension));
    return text;
}

QString number(const ImportItem& i)
{
    return i.incomplete
        ? i.number + QCoreApplication::translate("ql310::PhoneBookImportDialog", " (looks incomplete)")
        : i.number;
}

constexpr int kItemIndexRole = Qt::UserRole + 1;

constexpr int kMaxRowsPerGroup = 500;
constexpr int kNone = -1;
constexpr int kRecognised = -2;

QString entry(int record)
{
    return QString::number(phonebook::kFirstEntry + record);
}

// The rows of the preview, in groups. A group lists its first rows; a file
// of thousands of numbers that find no room says how many more there are.
class PreviewRows {
public:
    PreviewRows(QTreeWidget* list, const phonebook::ImportPlan& plan, const QVariant& current)
        : m_list(list), m_plan(plan), m_current(current)
    {
    }

    QTreeWidgetItem* group(const QString& title, const char* name)
    {
        auto* item = new QTreeWidgetItem(m_list, {title});
        item->setFirstColumnSpanned(true);
        item->setData(0, Qt::UserRole, QString::fromLatin1(name));
        QFont bold = item->font(0);
        bold.setBold(true);
        item->setFont(0, bold);
        return item;
    }

    // The row of item `index` under `parent`; a number that may change the
    // phone book carries its item's tick.
    void add(QTreeWidgetItem* parent, int index, const QStringList& columns)
    {
        QTreeWidgetItem* item = row(parent, columns);
        if (!item || !m_plan.items[index].tickable())
            return;
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, m_plan.items[index].ticked ? Qt::Checked : Qt::Unchecked);
        item->setData(0, kItemIndexRole, index);
        if (m_current.isValid() && m_current.toInt() == index)
            m_again = item;
    }

    QTreeWidgetItem* row(QTreeWidgetItem* parent, const QStringList& columns)
    {
        if (parent->childCount() >= kMaxRowsPerGroup) {
            ++m_more[parent];
            return nullptr;
        }
        auto* item = new QTreeWidgetItem(parent, columns);
        item->setToolTip(3, columns.value(3));
        return item;
    }

    // The "… and N more" rows, the groups opened, the current row again.
    void finish()
    {
        for (auto it = m_more.cbegin(); it != m_more.cend(); ++it) {
            auto* rest = new QTreeWidgetItem(
                it.key(),
                {QCoreApplication::translate("ql310::PhoneBookImportDialog", "… and %1 more").arg(it.value())});
            rest->setFirstColumnSpanned(true);
        }
        m_list->expandToDepth(0);
        if (m_again)
            m_list->setCurrentItem(m_again);
    }

    const phonebook::ImportPlan& plan() const { return m_plan; }

private:
    QTreeWidget* m_list;
    const phonebook::ImportPlan& m_plan;
    QVariant m_current;
    QTreeWidgetItem* m_again = nullptr;
    QHash<QTreeWidgetItem*, int> m_more;
};

void addFillGroup(PreviewRows& rows)
{
    QTreeWidgetItem* filled = rows.group(
        QCoreApplication::translate("ql310::PhoneBookImportDialog", "Fill free entries: %1")
            .arg(rows.plan().count(Outcome::Fill)),
        "fill");
    for (int n = 0; n < rows.plan().items.size(); ++n)
        if (const ImportItem& i = rows.plan().items[n]; i.outcome == Outcome::Fill)
            rows.add(filled, n, {entry(i.record), number(i), printable(i.name), source(i)});
}

void addAlreadyThereGroup(PreviewRows& rows, bool update)
{
    QTreeWidgetItem* already = rows.group(
        QCoreApplication::translate("ql310::PhoneBookImportDialog", "Already in the phone book: %1")
            .arg(rows.plan().count(Outcome::AlreadyThere)),
        "already");
    for (int n = 0; n < rows.plan().items.size(); ++n) {
        const ImportItem& i = rows.plan().items[n];
        if (i.outcome != Outcome::AlreadyThere)
            continue;
        const QString name = update && i.renames
            ? QStringLiteral("%1 → %2").arg(printable(i.oldName), printable(i.name))
            : QCoreApplication::translate("ql310::PhoneBookImportDialog", "%1 (skipped)").arg(printable(i.oldName));
        rows.add(already, n, {entry(i.record), number(i), name, source(i)});
    }
}

void addTwiceGroup(PreviewRows& rows)
{
    const int twice = rows.plan().count(Outcome::Twice);
    if (!twice)
        return;
    QTreeWidgetItem* doubled = rows.group(
        QCoreApplication::translate("ql310::PhoneBookImportDialog", "Twice in the file, skipped: %1").arg(twice),
        "twice");
    for (const ImportItem& i : rows.plan().items)
        if (i.outcome == Outcome::Twice)
            rows.row(doubled, {QString(), number(i), printable(i.name), source(i)});
}

void addRefusedGroup(PreviewRows& rows)
{
    const int noRoom = rows.plan().count(Outcome::NoRoom);
    QTreeWidgetItem* refused = rows.group(
        QCoreApplication::translate("ql310::PhoneBookImportDialog", "Refused: %1")
            .arg(rows.plan().count(Outcome::Refused) + noRoom),
        "refused");
    for (const ImportItem& i : rows.plan().items)
        if (i.outcome == Outcome::Refused)
            rows.row(refused, {QString(), QString(), phonebook::refusalText(i.refusal, i.tooLong), source(i)});
    if (!noRoom)
        return;
    auto* full = new QTreeWidgetItem(refused, {phonebook::fullText(noRoom)});
    full->setFirstColumnSpanned(true);
    for (const ImportItem& i : rows.plan().items)
        if (i.outcome == Outcome::NoRoom)
            rows.row(full, {QString(), number(i), printable(i.name), source(i)});
}

// `text` as a sentence of the summary.
QString sentence(QString text)
{
    text[0] = text[0].toUpper();
    return u' ' + text + u'.';
}

QString summaryText(const phonebook::ImportPlan& plan, int changes)
{
    const qsizetype total = plan.items.size();
    const QString numbers = total == 1
        ? QCoreApplication::translate("ql310::PhoneBookImportDialog", "1 number")
        : QCoreApplication::translate("ql310::PhoneBookImportDialog", "%1 numbers").arg(total);
    QString summary = changes
        ? QCoreApplication::translate(
              "ql310::PhoneBookImportDialog",
              "%1 of the %2 in the file change the phone book. Import changes only the phone "
              "book; Write sends it to the adapter.")
              .arg(changes)
              .arg(numbers)
        : QCoreApplication::translate("ql310::PhoneBookImportDialog",
                                      "Nothing in the file changes the phone book (%1 read).")
              .arg(numbers);
    if (const int noRoom = plan.count(Outcome::NoRoom))
        summary += sentence(phonebook::fullText(noRoom));
    if (plan.notExamined)
        summary += sentence(phonebook::notExaminedText(plan.notExamined));
    return summary;
}

} // namespace

PhoneBookImportDialog::PhoneBookImportDialog(const phonebook::ImportPlan& plan, const QString& fileName,
                                             QWidget* parent)
    : QDialog(parent), m_plan(plan)
{
    setObjectName(QStringLiteral("PhoneBookImportDialog"));
    setWindowTitle(QCoreApplication::translate("ql310::PhoneBookImportDialog", "Import Phone Book: %1")
                       .arg(QFileInfo(fileName).fileName()));
    auto* layout = new QVBoxLayout(this);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("importSummary"));
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("importPreview"));
    m_list->setColumnCount(4);
    m_list->setHeaderLabels({QCoreApplication::translate("ql310::PhoneBookImportDialog", "Entry"),
                             QCoreApplication::translate("ql310::PhoneBookImportDialog", "Number"),
                             QCoreApplication::translate("ql310::PhoneBookImportDialog", "Name"),
                             QCoreApplication::translate("ql310::PhoneBookImportDialog", "From the file")});
    m_list->setRootIsDecorated(true);
    m_list->setAlternatingRowColors(true);
    m_list->setUniformRowHeights(true);
    layout->addWidget(m_list, 1);

    m_updateNames
        = new QCheckBox(QCoreApplication::translate("ql310::PhoneBookImportDialog",
                                                    "&Update the names of the numbers already in the phone book"),
                        this);
    m_updateNames->setObjectName(QStringLiteral("updateNames"));
    m_updateNames->setEnabled(plan.renames() > 0);
    layout->addWidget(m_updateNames);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_import = buttons->addButton(QCoreApplication::translate("ql310::PhoneBookImportDialog", "&Import"),
                                  QDialogButtonBox::AcceptRole);
    m_import->setObjectName(QStringLiteral("importButton"));
    m_import->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_updateNames, &QCheckBox::toggled, this, &PhoneBookImportDialog::fill);
    connect(m_list, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        const QVariant index = item->data(0, kItemIndexRole);
        if (column != 0 || !index.isValid())
            return;
        const bool ticked = item->checkState(0) == Qt::Checked;
        if (m_plan.items[index.toInt()].ticked != ticked) {
            m_plan.setTicked(index.toInt(), ticked);
            QMetaObject::invokeMethod(this, &PhoneBookImportDialog::fill, Qt::QueuedConnection);
        }
    });
    fill();

    // Wide enough for every column where the screen allows, tall enough for
    // a good part of the list.
    int columns = 0;
    for (int c = 0; c < m_list->columnCount(); ++c)
        columns += m_list->columnWidth(c);
    const QFontMetrics metrics(font());
    const int margins = layout->contentsMargins().left() + layout->contentsMargins().right();
    const int wanted = columns + margins + 2 * m_list->frameWidth()
                       + m_list->verticalScrollBar()->sizeHint().width() + metrics.averageCharWidth() * 4;
    const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(std::min(std::max(wanted, metrics.averageCharWidth() * 80), screen.width() * 9 / 10),
           std::min(metrics.height() * 30, screen.height() * 8 / 10));
}

bool PhoneBookImportDialog::updateNames() const
{
    return m_updateNames->isChecked();
}

void PhoneBookImportDialog::setUpdateNames(bool update)
{
    m_updateNames->setChecked(update);
}

void PhoneBookImportDialog::setTicked(int index, bool ticked)
{
    m_plan.setTicked(index, ticked);
    fill();
}

void PhoneBookImportDialog::fill()
{
    const QSignalBlocker quiet(m_list);
    // The row the keyboard is on stays current across the refill.
    const QVariant current = m_list->currentItem() ? m_list->currentItem()->data(0, kItemIndexRole) : QVariant();
    m_list->clear();
    const bool update = updateNames();
    PreviewRows rows(m_list, m_plan, current);
    addFillGroup(rows);
    addAlreadyThereGroup(rows, update);
    addTwiceGroup(rows);
    addRefusedGroup(rows);
    rows.finish();
    for (int c = 0; c < m_list->columnCount(); ++c)
        m_list->resizeColumnToContents(c);

    int changes = 0;
    for (const ImportItem& i : m_plan.items)
        changes += i.changes(update);
    m_summary->setText(summaryText(m_plan, changes));
    m_import->setEnabled(changes > 0);
}

CsvColumnsDialog::CsvColumnsDialog(const phonebook::CsvTable& table, const phonebook::CsvColumns& recognised,
                                   QWidget* parent)
    : QDialog(parent), m_recognised(recognised)
{
    const QStringList& header = table.header;
    const phonebook::CsvColumns guess = phonebook::guessColumns(table);
    setObjectName(QStringLiteral("CsvColumnsDialog"));
    setWindowTitle(QCoreApplication::translate("ql310::PhoneBookImportDialog", "Import Phone Book: Columns"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        QCoreApplication::translate("ql310::PhoneBookImportDialog",
                                    "The names and numbers of this file could not be found by its column headers. "
                                    "Choose the column of the names and the column of the telephone numbers."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    m_name = new QComboBox(this);
    m_name->setObjectName(QStringLiteral("nameColumn"));
    m_name->addItem(QCoreApplication::translate("ql310::PhoneBookImportDialog", "(none)"), kNone);
    // Parts of names or several number columns found: keep them as one choice.
    if (recognised.name < 0 && recognised.hasName())
        m_name->addItem(QCoreApplication::translate("ql310::PhoneBookImportDialog",
                                                    "(the first, middle and last name columns)"),
                        kRecognised);
    m_number = new QComboBox(this);
    m_number->setObjectName(QStringLiteral("numberColumn"));
    if (recognised.numbers.size() > 1)
        m_number->addItem(QCoreApplication::translate("ql310::PhoneBookImportDialog", "(the %1 telephone columns)")
                              .arg(recognised.numbers.size()),
                          kRecognised);
    for (int i = 0; i < header.size(); ++i) {
        const QString label = header[i].trimmed().isEmpty()
            ? QCoreApplication::translate("ql310::PhoneBookImportDialog", "(column %1)").arg(i + 1)
            : header[i];
        m_name->addItem(label, i);
        m_number->addItem(label, i);
    }
    choose(recognised.name >= 0 ? recognised.name : recognised.hasName() ? kRecognised : guess.name,
           recognised.numbers.size() > 1 ? kRecognised
                                         : recognised.numbers.value(0, guess.numbers.value(0, 0)));
    form->addRow(QCoreApplication::translate("ql310::PhoneBookImportDialog", "&Name:"), m_name);
    form->addRow(QCoreApplication::translate("ql310::PhoneBookImportDialog", "N&umber:"), m_number);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CsvColumnsDialog::choose(int nameColumn, int numberColumn)
{
    m_name->setCurrentIndex(std::max(0, m_name->findData(nameColumn)));
    m_number->setCurrentIndex(std::max(0, m_number->findData(numberColumn)));
}

phonebook::CsvColumns CsvColumnsDialog::columns() const
{
    phonebook::CsvColumns c;
    const int name = m_name->currentData().toInt();
    if (name == kRecognised) {
        c.first = m_recognised.first;
        c.middle = m_recognised.middle;
        c.last = m_recognised.last;
    } else {
        c.name = name;
    }
    const int number = m_number->currentData().toInt();
    if (number == kRecognised)
        c.numbers = m_recognised.numbers;
    else if (m_number->count() > 0)
        c.numbers = {number};
    return c;
}

} // namespace ql310
