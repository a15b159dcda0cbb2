// SPDX-License-Identifier: GPL-3.0-or-later
#include "phone_book_import.h"

#include "number_match.h"
#include "peer_name.h"

#include <QSet>

#include <algorithm>

namespace ql310::phonebook {

int ImportPlan::count(ImportItem::Outcome outcome) const
{
    return static_cast<int>(std::count_if(items.begin(), items.end(),
                                          [&](const ImportItem& i) { return i.outcome == outcome; }));
}

int ImportPlan::renames() const
{
    return static_cast<int>(std::count_if(items.begin(), items.end(), [](const ImportItem& i) {
        return i.outcome == ImportItem::Outcome::AlreadyThere && i.name != i.oldName;
    }));
}

ImportPlan planImport(const PhoneBook& current, const QList<Contact>& contacts, const std::string& region)
{
    numbers::LineSet there(region);
    for (const Entry& e : current)
        there.add(e.number.toStdString());
    int nextFree = 0;
    auto findFree = [&] {
        while (nextFree < kEntries && !current[static_cast<size_t>(nextFree)].free())
            ++nextFree;
    };
    findFree();
    QSet<QString> seen;  // number and name of the numbers taken so far

    ImportPlan plan;
    for (const Contact& contact : contacts) {
        for (const ContactNumber& n : contact.numbers) {
            ImportItem item;
            item.contact = contact.name;
            item.value = n.value;
            const DialForm form = dialForm(n.value, region);
            item.extension = form.extension;
            if (form.refused()) {
                item.outcome = ImportItem::Outcome::Refused;
                item.refusal = form.refusal;
                plan.items.append(item);
                continue;
            }
            item.number = form.number;
            item.name = peerName(contact.name);
            if (const int record = there.find(form.number.toStdString()); record >= 0) {
                item.outcome = ImportItem::Outcome::AlreadyThere;
                item.record = record;
                item.oldName = current[static_cast<size_t>(record)].name;
            } else if (const QString key = item.number + u'\n' + item.name; seen.contains(key)) {
                item.outcome = ImportItem::Outcome::Twice;
            } else if (nextFree >= kEntries) {
                item.outcome = ImportItem::Outcome::NoRoom;
            } else {
                seen.insert(key);
                item.outcome = ImportItem::Outcome::Fill;
                item.record = nextFree++;
                findFree();
            }
            plan.items.append(item);
        }
    }
    return plan;
}

PhoneBook applyImport(const PhoneBook& current, const ImportPlan& plan, bool updateNames)
{
    PhoneBook book = current;
    QSet<int> renamed;
    for (const ImportItem& item : plan.items) {
        if (item.outcome == ImportItem::Outcome::Fill)
            book[static_cast<size_t>(item.record)] = {item.number, item.name};
        else if (item.outcome == ImportItem::Outcome::AlreadyThere && updateNames && !renamed.contains(item.record)) {
            // The first name the file gives a number wins.
            renamed.insert(item.record);
            book[static_cast<size_t>(item.record)].name = item.name;
        }
    }
    return book;
}

QString fullText(int notImported)
{
    return QStringLiteral("the phone book is full: %1 numbers were not imported").arg(notImported);
}

QStringList importReport(const ImportPlan& plan, bool updateNames)
{
    using Outcome = ImportItem::Outcome;
    QStringList lines;
    auto source = [](const ImportItem& i) {
        return QStringLiteral("\"%1\" of \"%2\"").arg(i.value, i.contact);
    };
    auto extension = [](const ImportItem& i) {
        return i.extension.isEmpty() ? QString() : QStringLiteral(" (extension %1 dropped)").arg(i.extension);
    };
    // Said where the name is stored.
    auto cut = [](const ImportItem& i) {
        return peerNameCut(i.contact) ? QStringLiteral(" (name cut to %1 characters)").arg(kPeerNameLength)
                                      : QString();
    };
    for (const ImportItem& i : plan.items)
        if (i.outcome == Outcome::Fill)
            lines.append(QStringLiteral("%1 %2 \"%3\": new, from %4%5")
                             .arg(kFirstEntry + i.record).arg(i.number, i.name, source(i), extension(i) + cut(i)));
    QSet<int> named;
    for (const ImportItem& i : plan.items) {
        if (i.outcome != Outcome::AlreadyThere)
            continue;
        const bool first = !named.contains(i.record);
        named.insert(i.record);
        const bool rename = updateNames && first && i.name != i.oldName;
        lines.append(QStringLiteral("%1 %2 \"%3\": already in the phone book, %4, from %5%6")
                         .arg(kFirstEntry + i.record)
                         .arg(i.number, i.oldName,
                              rename ? QStringLiteral("name updated to \"%1\"").arg(i.name)
                                     : QStringLiteral("skipped"),
                              source(i), extension(i) + (rename ? cut(i) : QString())));
    }
    for (const ImportItem& i : plan.items)
        if (i.outcome == Outcome::Twice)
            lines.append(QStringLiteral("%1 \"%2\": twice in the file, skipped, from %3")
                             .arg(i.number, i.name, source(i)));
    for (const ImportItem& i : plan.items)
        if (i.outcome == Outcome::Refused)
            lines.append(QStringLiteral("refused: %1: %2").arg(source(i), refusalText(i.refusal)));
    if (const int full = plan.count(Outcome::NoRoom))
        lines.append(fullText(full));
    return lines;
}

} // namespace ql310::phonebook
