// SPDX-License-Identifier: GPL-3.0-or-later
#include "notifications.h"

#include "device_protocol.h"
#include "number_format.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QLocale>

namespace ql310::collection {

namespace {

// Calls named one a line in the body; the rest are counted.
constexpr int kListedCalls = 10;
// Calls named in the summary of several.
constexpr int kNamedInSummary = 2;

const char* const kHiddenNumber = "*****";

QString clock(const QTime& time) { return time.toString(QStringLiteral("HH:mm")); }

// "Anna Example (030 1234567)", "030 1234567" or "a hidden number".
QString caller(const calllog::LogRow& call, const NameOf& nameOf, const std::string& region)
{
    if (call.phoneNumber == QLatin1String(kHiddenNumber) || call.phoneNumber.isEmpty())
        return QStringLiteral("a hidden number");
    const QString number =
        QString::fromStdString(numbers::readableNumber(call.phoneNumber.toStdString(), region));
    const QString name = nameOf ? nameOf(call.phoneNumber) : QString();
    return name.isEmpty() ? number : name + QStringLiteral(" (") + number + u')';
}

// The name, else the number as stored.
QString shortCaller(const calllog::LogRow& call, const NameOf& nameOf)
{
    if (call.phoneNumber == QLatin1String(kHiddenNumber) || call.phoneNumber.isEmpty())
        return QStringLiteral("a hidden number");
    const QString name = nameOf ? nameOf(call.phoneNumber) : QString();
    return name.isEmpty() ? call.phoneNumber : name;
}

QString severalCalls(const QVector<calllog::LogRow>& calls, const NameOf& nameOf)
{
    QStringList named;
    for (int i = 0; i < calls.size() && i < kNamedInSummary; ++i)
        named << shortCaller(calls[i], nameOf);
    const qsizetype more = calls.size() - named.size();
    QString list = more > 0 ? named.join(QStringLiteral(", ")) + QStringLiteral(" and %1 more").arg(more)
                            : named.join(QStringLiteral(" and "));
    return QStringLiteral("%1 calls: %2").arg(calls.size()).arg(list);
}

// One line a call, the rest counted.
void listCalls(QStringList& lines, const QVector<calllog::LogRow>& calls, const QString& lead,
               const NameOf& nameOf, const std::string& region)
{
    for (int i = 0; i < calls.size() && i < kListedCalls; ++i)
        lines << lead + clock(calls[i].startTime) + QStringLiteral("  ") +
                     caller(calls[i], nameOf, region);
    if (calls.size() > kListedCalls)
        lines << QStringLiteral("and %1 more").arg(calls.size() - kListedCalls);
}

} // namespace

std::optional<Notice> noticeOf(const FetchNews& news, const NameOf& nameOf, const std::string& region)
{
    QVector<calllog::LogRow> incoming;
    for (const calllog::LogRow& call : news.newCalls)
        if (!call.inOut)
            incoming.append(call);
    if (incoming.isEmpty() && news.lostCalls.isEmpty() && !news.gap)
        return std::nullopt;
    Notice notice;
    QStringList body;
    if (incoming.size() == 1) {
        notice.summary = QStringLiteral("Call from %1, %2")
                             .arg(caller(incoming.first(), nameOf, region), clock(incoming.first().startTime));
    } else if (incoming.size() > 1) {
        notice.summary = severalCalls(incoming, nameOf);
        listCalls(body, incoming, QString(), nameOf, region);
    } else if (news.gap) {
        notice.summary = QStringLiteral("Calls are missing from the call log");
    } else {
        notice.summary = news.lostCalls.size() == 1
                             ? QStringLiteral("1 lost call")
                             : QStringLiteral("%1 lost calls").arg(news.lostCalls.size());
    }
    listCalls(body, news.lostCalls, QStringLiteral("Lost call: "), nameOf, region);
    if (news.gap) {
        QString sentence = gapMessage(*news.gap);
        sentence[0] = sentence[0].toUpper();
        body << sentence + u'.';
    }
    notice.body = body.join(u'\n');
    return notice;
}

bool postNotice(const Notice& notice, QString& error)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        const QString reason = bus.lastError().message();
        error = QStringLiteral("no desktop notification: no session bus") +
                (reason.isEmpty() ? QString() : QStringLiteral(" (") + reason + u')');
        return false;
    }
    auto method = [](const char* name) {
        return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                              QStringLiteral("/org/freedesktop/Notifications"),
                                              QStringLiteral("org.freedesktop.Notifications"),
                                              QString::fromLatin1(name));
    };
    // A service that reads markup in the body gets the names as text.
    const QDBusReply<QStringList> capabilities =
        bus.call(method("GetCapabilities"), QDBus::Block, device::timeoutMs());
    const bool markup =
        capabilities.isValid() && capabilities.value().contains(QStringLiteral("body-markup"));
    QDBusMessage call = method("Notify");
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("org.ql310set.ql310set")}};
    call << QStringLiteral("ql310set") << uint(0) << QStringLiteral("org.ql310set.ql310set")
         << notice.summary << (markup ? notice.body.toHtmlEscaped() : notice.body) << QStringList() << hints << int(-1);
    const QDBusMessage reply = bus.call(call, QDBus::Block, device::timeoutMs());
    if (reply.type() == QDBusMessage::ErrorMessage) {
        error = QStringLiteral("no desktop notification: the notification service did not answer (") +
                reply.errorMessage() + u')';
        return false;
    }
    return true;
}

} // namespace ql310::collection
