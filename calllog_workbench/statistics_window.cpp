// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics_window.h"

#include "busy_pointer.h"
#include "call_gaps.h"
#include "interaction.h"
#include "setting_files.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QScreen>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <QVBoxLayout>

namespace ql310::calllog {

namespace {

// Days after which the day charts count by month instead.
constexpr int kMostDays = 62;

struct Buckets {
    QStringList labels;
    QVector<qint64> incoming, outgoing, lost;
};

// Marks a day (or month) whose calls were not all fetched.
const char* const kGapMark = " *";

// The days of the range, every day shown (with no calls as zero); a range
// of more than two months counts by month. Days a gap of calls never
// fetched covers are marked.
Buckets bucketsOf(const QVector<DayFigures>& days, const std::function<QVector<QDate>(QDate, QDate)>& gapDays)
{
    Buckets b;
    if (days.isEmpty())
        return b;
    const QDate first = days.first().day;
    const QDate last = days.last().day;
    const bool byMonth = first.daysTo(last) >= kMostDays;
    auto keyOf = [byMonth](const QDate& d) {
        // A month and a day as the program's language writes them.
        return byMonth ? d.toString(QCoreApplication::translate("ql310::calllog::StatisticsWindow", "yyyy-MM",
                                                                "month of the statistics (QDate::toString)"))
                       : d.toString(QCoreApplication::translate("ql310::calllog::StatisticsWindow", "MM-dd",
                                                                "day of the statistics (QDate::toString)"));
    };
    // A day's bucket is reckoned from the first day, not looked up by its
    // label: a log of decades has thousands of days.
    auto bucketOf = [&](const QDate& d) -> qsizetype {
        if (!d.isValid() || d < first || d > last)
            return -1;
        return byMonth ? (d.year() - first.year()) * 12 + (d.month() - first.month()) : first.daysTo(d);
    };
    for (QDate d = first; d <= last;
         d = byMonth ? QDate(d.year(), d.month(), 1).addMonths(1) : d.addDays(1))
        b.labels << keyOf(d);
    b.incoming.fill(0, b.labels.size());
    b.outgoing.fill(0, b.labels.size());
    b.lost.fill(0, b.labels.size());
    for (const DayFigures& day : days) {
        const qsizetype at = bucketOf(day.day);
        if (at < 0)
            continue;
        b.incoming[at] += day.incoming;
        b.outgoing[at] += day.outgoing;
        b.lost[at] += day.lost;
    }
    for (const QDate& day : gapDays(first, last)) {
        const qsizetype at = bucketOf(day);
        if (at >= 0 && !b.labels[at].endsWith(QLatin1String(kGapMark)))
            b.labels[at] += QLatin1String(kGapMark);
    }
    return b;
}

QBarSet* barSet(const QString& label, const QVector<qint64>& values)
{
    auto* set = new QBarSet(label);
    for (qint64 v : values)
        *set << double(v);
    return set;
}

// Whole steps on the value axis: 1, 2 or 5 times a power of ten, about
// five of them up to `top`.
double stepFor(double top)
{
    double step = 1;
    while (top / step > 8)
        step *= (QString::number(step).startsWith(u'2') ? 2.5 : 2);
    return step;
}

void axes(QChart* chart, QAbstractBarSeries* series, const QStringList& categories,
          const QString& valueTitle, bool horizontal = false)
{
    double top = 0;
    for (QBarSet* set : series->barSets())
        for (int i = 0; i < set->count(); ++i)
            top = qMax(top, set->at(i));
    if (qobject_cast<QStackedBarSeries*>(series)) {
        top = 0;
        for (int i = 0; i < categories.size(); ++i) {
            double sum = 0;
            for (QBarSet* set : series->barSets())
                sum += i < set->count() ? set->at(i) : 0;
            top = qMax(top, sum);
        }
    }
    auto* categoryAxis = new QBarCategoryAxis(chart);
    categoryAxis->append(categories);
    auto* valueAxis = new QValueAxis(chart);
    valueAxis->setTitleText(valueTitle);
    valueAxis->setLabelFormat(QStringLiteral("%.0f"));
    const double step = stepFor(top);
    valueAxis->setRange(0, qMax(step, std::ceil(top / step) * step));
    valueAxis->setTickType(QValueAxis::TicksDynamic);
    valueAxis->setTickAnchor(0);
    valueAxis->setTickInterval(step);
    chart->addAxis(categoryAxis, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(valueAxis, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(categoryAxis);
    series->attachAxis(valueAxis);
    if (categories.size() > 16 && !horizontal)
        categoryAxis->setLabelsAngle(-90);
}

QChart* newChart(const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QChart* topTen(const QString& title, const QVector<NumberFigures>& numbers, bool bySeconds,
               const NameOf& names)
{
    QChart* chart = newChart(title);
    auto* series = new QHorizontalBarSeries;
    auto* set = new QBarSet(bySeconds ? QObject::tr("Minutes") : QObject::tr("Calls"));
    QStringList labels;
    // The first place at the top.
    for (qsizetype i = numbers.size() - 1; i >= 0; --i) {
        const NumberFigures& n = numbers[i];
        const QString name = names ? names(n.number) : QString();
        labels << (name.isEmpty() ? n.number : n.number + QStringLiteral("  ") + name);
        *set << (bySeconds ? double(n.seconds) / 60.0 : double(n.calls));
    }
    series->append(set);
    chart->addSeries(series);
    axes(chart, series, labels, bySeconds ? QObject::tr("Minutes") : QObject::tr("Calls"), true);
    chart->legend()->hide();
    return chart;
}

} // namespace

StatisticsWindow::StatisticsWindow(CallLogStore& store, UserInteraction& interaction,
                                   const QString& messageTitle, QWidget* parent)
    : QWidget(parent, Qt::Window), m_store(store), m_interaction(interaction),
      m_messageTitle(messageTitle)
{
    setObjectName(QStringLiteral("CallStatistics"));
    setWindowTitle(tr("Call Logging Statistics"));
    auto* layout = new QVBoxLayout(this);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("CallStatisticsSummary"));
    layout->addWidget(m_summary);
    m_tabs = new QTabWidget(this);
    layout->addWidget(m_tabs, 1);
    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(tr("Save Chart..."), this);
    save->setObjectName(QStringLiteral("SaveChart"));
    buttons->addStretch();
    buttons->addWidget(save);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, &StatisticsWindow::saveCurrentChart);
    for (const QString& title : {tr("Calls a Day"), tr("Talk Time per Port"), tr("Lost Calls a Day"),
                                 tr("Most Calls"), tr("Longest Talk Time")})
        addChart(title, newChart(title));
}

void StatisticsWindow::showOver(const QWidget& owner)
{
    const bool placed = isVisible();
    show();
    if (!placed) {
        // The window frame, known once the window is shown, counts too.
        const QSize frame = frameGeometry().size() - size();
        const QScreen* screen = owner.screen();
        const QRect room = screen ? screen->availableGeometry() : QRect();
        QSize inner = QSize(900, 600).expandedTo(minimumSizeHint());
        if (room.isValid())
            inner = inner.boundedTo(room.size() - frame);
        resize(inner);
        // Centred over the owner, then moved inside the screen.
        QRect outer(QPoint(), inner + frame);
        outer.moveCenter(owner.frameGeometry().center());
        if (room.isValid()) {
            outer.moveRight(qMin(outer.right(), room.right()));
            outer.moveBottom(qMin(outer.bottom(), room.bottom()));
            outer.moveLeft(qMax(outer.left(), room.left()));
            outer.moveTop(qMax(outer.top(), room.top()));
        }
        move(outer.topLeft());
    }
    raise();
    activateWindow();
}

void StatisticsWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

int StatisticsWindow::chartCount() const
{
    return m_tabs->count();
}

QChartView* StatisticsWindow::chartView(int i) const
{
    return qobject_cast<QChartView*>(m_tabs->widget(i));
}

void StatisticsWindow::addChart(const QString& title, QChart* chart)
{
    auto* view = new QChartView(chart, m_tabs);
    view->setRenderHint(QPainter::Antialiasing);
    m_tabs->addTab(view, title);
}

void StatisticsWindow::replaceChart(int i, QChart* chart)
{
    chartView(i)->setChart(chart); // the view deletes the chart it had
    chart->setTheme(palette().window().color().lightness() < 128 ? QChart::ChartThemeDark
                                                                 : QChart::ChartThemeLight);
}

void StatisticsWindow::showFigures(const RowCondition& condition, const NameOf& names)
{
    bool read = false;
    {
        BusyPointer busy;
        read = callStatistics(m_store, condition, m_figures);
    }
    if (!read) {
        m_summary->setText(tr("The call log cannot be read."));
        return;
    }
    m_summary->setText(tr("%1 calls, %2 lost, talk time %3:%4:%5 (lost calls not counted)")
                           .arg(m_figures.calls)
                           .arg(m_figures.lost)
                           .arg(m_figures.seconds / 3600, 2, 10, QLatin1Char('0'))
                           .arg(m_figures.seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                           .arg(m_figures.seconds % 60, 2, 10, QLatin1Char('0')));
    const Buckets b = bucketsOf(m_figures.days, [this](QDate first, QDate last) {
        return collection::gapDays(m_store, first, last);
    });
    if (std::any_of(b.labels.begin(), b.labels.end(), [](const QString& l) { return l.endsWith(kGapMark); }))
        m_summary->setText(m_summary->text() + u'\n' +
                           tr("*: calls of these days are missing, the adapter's memory of 90 calls "
                              "overflowed before it was read."));

    QChart* calls = newChart(m_tabs->tabText(0));
    auto* stacked = new QStackedBarSeries;
    stacked->append(barSet(tr("Incoming"), b.incoming));
    stacked->append(barSet(tr("Outgoing"), b.outgoing));
    calls->addSeries(stacked);
    axes(calls, stacked, b.labels, tr("Calls"));
    replaceChart(0, calls);

    QChart* talk = newChart(m_tabs->tabText(1));
    auto* talkSeries = new QBarSeries;
    auto* minutes = new QBarSet(tr("Minutes"));
    QStringList ports;
    for (const PortFigures& port : m_figures.ports) {
        ports << port.port;
        *minutes << double(port.seconds) / 60.0;
    }
    talkSeries->append(minutes);
    talk->addSeries(talkSeries);
    axes(talk, talkSeries, ports, tr("Minutes"));
    talk->legend()->hide();
    replaceChart(1, talk);

    QChart* lost = newChart(m_tabs->tabText(2));
    auto* lostSeries = new QBarSeries;
    lostSeries->append(barSet(tr("Lost"), b.lost));
    lost->addSeries(lostSeries);
    axes(lost, lostSeries, b.labels, tr("Calls"));
    lost->legend()->hide();
    replaceChart(2, lost);

    replaceChart(3, topTen(m_tabs->tabText(3), m_figures.mostCalls, false, names));
    replaceChart(4, topTen(m_tabs->tabText(4), m_figures.longestTalk, true, names));
}

bool StatisticsWindow::saveChart(int i, const QString& path, QString* reason)
{
    QChartView* view = chartView(i);
    if (!view)
        return false;
    // Drawn in memory, then saved by the one rule for files the user names.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(view->size());
        svg.setViewBox(QRect(QPoint(), view->size()));
        svg.setTitle(m_tabs->tabText(i));
        QPainter painter(&svg);
        view->render(&painter);
        painter.end();
    } else if (!view->grab().save(&file, "PNG")) {
        if (reason)
            *reason = tr("the picture could not be made");
        return false;
    }
    std::string why;
    if (files::saveBytes(QFile::encodeName(path).toStdString(),
                         reinterpret_cast<const uint8_t*>(file.data().constData()),
                         static_cast<size_t>(file.data().size()), why))
        return true;
    if (reason)
        *reason = QString::fromLocal8Bit(why);
    return false;
}

void StatisticsWindow::saveCurrentChart()
{
    UserInteraction::FileRequest request;
    request.title = tr("Save Chart");
    request.filter = tr("PNG Files (*.png) | *.png|SVG Files (*.svg) | *.svg");
    request.defaultSuffix = QStringLiteral("png");
    const QString path = m_interaction.chooseFileToSave(request, m_messageTitle);
    if (path.isEmpty())
        return;
    QString reason;
    if (!saveChart(m_tabs->currentIndex(), path, &reason))
        m_interaction.warn(tr("The chart could not be saved in %1: %2. The file was not changed.")
                               .arg(path, reason), m_messageTitle,
                           UserInteraction::Icon::Exclamation);
}

} // namespace ql310::calllog
