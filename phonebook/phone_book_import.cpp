// SPDX-License-Identifier: GPL-3.0-or-later
#include "phone_book_import.h"

#include "number_match.h"
#include "peer_name.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <climits>

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

namespace {

// Which numbers already there give their record its new name: of the
// ticked ones, the first the file gives each record. An unticked number
// renames in the record only as what it would do when ticked.
void decideNames(ImportPlan& plan)
{
    QSet<int> named;
    for (ImportItem& item : plan.items) {
        if (item.outcome != ImportItem::Outcome::AlreadyThere)
            continue;
        item.renames = !named.contains(item.record) && item.name != item.oldName;
        if (item.ticked)
            named.insert(item.record);
    }
}

} // namespace

void ImportPlan::setTicked(qsizetype index, bool ticked)
{
    items[index].ticked = ticked;
    decideNames(*this);
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
    // The lines the file has filled records with (by libphonenumber's rule),
    // and the dial forms of those that found no room.
    numbers::LineSet filled(region);
    QSet<QString> noRoom;

    ImportPlan plan;
    for (const Contact& contact : contacts) {
        const bool nameTooLong = contact.fullNameLength() > kMaxNameLength;
        // A card cut off by the file's end is named once, numbers or not.
        const QList<ContactNumber> cutOff{{contact.numbers.value(0).value, {}}};
        for (const ContactNumber& n : contact.cutOff ? cutOff : contact.numbers) {
            if (plan.items.size() >= kMaxExamined) {
                ++plan.notExamined;
                continue;
            }
            ImportItem item;
            item.contact = contact.name;
            item.value = n.value;
            const DialForm form = contact.cutOff  ? DialForm{{}, {}, Refusal::CutOff}
                                  : nameTooLong ? DialForm{{}, {}, Refusal::NameTooLong}
                                                : dialForm(n.value, region);
            item.extension = form.extension;
            if (form.refused()) {
                item.outcome = ImportItem::Outcome::Refused;
                item.refusal = form.refusal;
                item.tooLong = form.refusal == Refusal::NameTooLong ? contact.fullNameLength() : n.value.size();
                plan.items.append(item);
                continue;
            }
            item.number = form.number;
            item.incomplete = form.incomplete;
            item.name = peerName(contact.name);
            const std::string line = form.number.toStdString();
            if (const int record = there.find(line); record >= 0) {
                item.outcome = ImportItem::Outcome::AlreadyThere;
                item.record = record;
                item.oldName = current[static_cast<size_t>(record)].name;
            } else if (filled.find(line) >= 0 || noRoom.contains(form.number)) {
                item.outcome = ImportItem::Outcome::Twice;
            } else if (nextFree >= kEntries) {
                item.outcome = ImportItem::Outcome::NoRoom;
                noRoom.insert(form.number);
            } else {
                filled.add(line);
                item.outcome = ImportItem::Outcome::Fill;
                item.record = nextFree++;
                findFree();
            }
            plan.items.append(item);
        }
    }
    decideNames(plan);
    return plan;
}

int numbersToImport(const QList<Contact>& contacts)
{
    qsizetype count = 0;
    for (const Contact& c : contacts)
        if (!c.cutOff)
            count += c.numbers.size();
    return static_cast<int>(std::min<qsizetype>(count, INT_MAX));
}

PhoneBook applyImport(const PhoneBook& current, const ImportPlan& plan, bool updateNames)
{
    PhoneBook book = current;
    for (const ImportItem& item : plan.items) {
        if (!item.changes(updateNames))
            continue;
        if (item.outcome == ImportItem::Outcome::Fill)
            book[static_cast<size_t>(item.record)] = {item.number, item.name};
        else
            book[static_cast<size_t>(item.record)].name = item.name;
    }
    return book;
}

QString notExaminedText(qsizetype notExamined)
{
    return QCoreApplication::translate("ql310::PhoneBookImport",
                                       "%1 more numbers were not looked at: an import takes the first %2")
        .arg(notExamined)
        .arg(kMaxExamined);
}

QString fullText(int notImported)
{
    return QCoreApplication::translate("ql310::PhoneBookImport",
                                       "the phone book is full: %1 numbers were not imported")
        .arg(notImported);
}

QString printable(const QString& text, int limit)
{
    const bool cut = limit >= 0 && text.size() > limit;
    QString out = cut ? text.left(limit) : text;
    for (QChar& c : out)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            c = u'?';
    if (cut) {
        // Not half of a surrogate pair at the cut.
        if (out.back().isHighSurrogate())
            out.chop(1);
        out += QStringLiteral("...");
    }
    return out;
}

QStringList importReport(const ImportPlan& all, bool updateNames)
{
    using Outcome = ImportItem::Outcome;
    ImportPlan plan;
    for (const ImportItem& i : all.items)
        if (i.ticked)
            plan.items.append(i);
    QStringList lines;
    auto source = [](const ImportItem& i) {
        return QCoreApplication::translate("ql310::PhoneBookImport", "\"%1\" of \"%2\"")
            .arg(printable(i.value), printable(i.contact));
    };
    auto extension = [](const ImportItem& i) {
        QString notes = i.extension.isEmpty()
            ? QString()
            : QCoreApplication::translate("ql310::PhoneBookImport", " (extension %1 dropped)")
                  .arg(printable(i.extension));
        if (i.incomplete)
            notes += QCoreApplication::translate("ql310::PhoneBookImport", " (looks incomplete)");
        return notes;
    };
    // Said where the name is stored.
    auto cut = [](const ImportItem& i) {
        return peerNameCut(i.contact)
            ? QCoreApplication::translate("ql310::PhoneBookImport", " (name cut to %1 characters)")
                  .arg(kPeerNameLength)
            : QString();
    };
    for (const ImportItem& i : plan.items)
        if (i.outcome == Outcome::Fill)
            lines.append(QStringLiteral("%1 %2 \"%3\": new, from %4%5")
                             .arg(kFirstEntry + i.record)
                             .arg(i.number, printable(i.name), source(i), extension(i) + cut(i)));
    for (const ImportItem& i : plan.items) {
        if (i.outcome != Outcome::AlreadyThere)
            continue;
        const bool rename = i.changes(updateNames);
        lines.append(QStringLiteral("%1 %2 \"%3\": already in the phone book, %4, from %5%6")
                         .arg(kFirstEntry + i.record)
                         .arg(i.number, printable(i.oldName),
                              rename ? QStringLiteral("name updated to \"%1\"").arg(printable(i.name))
                                     : QStringLiteral("skipped"),
                              source(i), extension(i) + (rename ? cut(i) : QString())));
    }
    for (const ImportItem& i : plan.items)
        if (i.outcome == Outcome::Twice)
            lines.append(QStringLiteral("%1 \"%2\": twice in the file, skipped, from %3")
                             .arg(i.number, printable(i.name), source(i)));
    for (const ImportItem& i : plan.items)
        if (i.outcome == Outcome::Refused)
            lines.append(QStringLiteral("refused: %1: %2").arg(source(i), refusalText(i.refusal, i.tooLong)));
    if (const int full = plan.count(Outcome::NoRoom))
        lines.append(fullText(full));
    if (all.notExamined)
        lines.append(notExaminedText(all.notExamined));
    return lines;
}

} // namespace ql310::phonebook
