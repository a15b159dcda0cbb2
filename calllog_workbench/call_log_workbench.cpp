// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_log_workbench.h"

#include "busy_pointer.h"
#include "atomic_file.h"
#include "call_filter_bar.h"
#include "call_log_grid.h"
#include "editor_window.h"
#include "fixed_cell_grid.h"
#include "interaction.h"
#include "name_functions.h"
#include "statistics_window.h"
#include "text_table.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QSaveFile>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ql310::calllog {

namespace {

constexpr TextId kMessageTitle = TextId::UsbIsdnTaConfiguration;
// The two phone-book grids: entries 801..820 and 821..840 in rows 1..20,
// the number in column 1 and the name in column 2.
const char* const kPhoneBookGrids[] = {"PhoneBookGrid", "PhoneBookGrid2"};
constexpr int kEntriesPerGrid = 20;

} // namespace

CallLogWorkbench::CallLogWorkbench(EditorWindow& window, CallLogStore& store,
                                   UserInteraction& interaction, std::function<std::string()> region)
    : QObject(&window), m_window(window), m_store(store), m_interaction(interaction),
      m_region(std::move(region)), m_model(window.callLogGrid()->callLogModel()),
      m_names(std::make_shared<numbers::PhoneBookNames>())
{
    CallLogGrid* grid = window.callLogGrid();
    m_bar = new CallFilterBar([](TextId id) { return text(id); }, grid->parentWidget());
    if (auto* layout = qobject_cast<QVBoxLayout*>(grid->parentWidget()->layout()))
        layout->insertWidget(layout->indexOf(grid), m_bar);
    connect(m_bar, &CallFilterBar::filterChanged, this, &CallLogWorkbench::applyFilter);

    QMenu* menu = window.menu("mnuCallLogging");
    menu->addSeparator();
    m_export = menu->addAction(tr("&Export\u2026"));
    m_export->setObjectName(QStringLiteral("mnuCLExport"));
    m_statistics = menu->addAction(tr("S&tatistics\u2026"));
    m_statistics->setObjectName(QStringLiteral("mnuCLStatistics"));
    connect(m_export, &QAction::triggered, this, &CallLogWorkbench::exportShown);
    connect(m_statistics, &QAction::triggered, this, &CallLogWorkbench::showStatistics);

    // Names follow the phone-book grids (edits, a Read, a file load).
    m_namesLater.setSingleShot(true);
    m_namesLater.setInterval(0);
    connect(&m_namesLater, &QTimer::timeout, this, &CallLogWorkbench::reloadNames);
    for (const char* name : kPhoneBookGrids)
        if (FixedCellGrid* book = window.grid(name))
            connect(book->model(), &QAbstractItemModel::dataChanged, &m_namesLater,
                    qOverload<>(&QTimer::start));
    // The adapter's country may change with a Read that leaves the phone book as it was.
    connect(window.tabs(), &QTabWidget::currentChanged, this, [this] {
        if (m_region() != m_names->region())
            reloadNames();
    });

    m_model->setPreparation([this](CallLogStore& log) { prepare(log); });
    m_model->setNameLookup([this](const QString& number) { return nameOf(number); }, kNameSql);
    connect(m_model, &calllog::CallLogModel::rowsShown, this, &CallLogWorkbench::showCount);
    reloadNames();
}

CallLogWorkbench::~CallLogWorkbench()
{
    m_model->setPreparation({});
    m_model->setNameLookup({}, {});
}

QString CallLogWorkbench::nameOf(const QString& number) const
{
    return QString::fromStdString(m_names->nameOf(number.toStdString()));
}

void CallLogWorkbench::reloadNames()
{
    std::vector<numbers::PhoneBookEntry> entries;
    for (const char* name : kPhoneBookGrids) {
        FixedCellGrid* book = m_window.grid(name);
        for (int row = 1; row <= kEntriesPerGrid; ++row)
            entries.push_back({book ? book->cellText(row, 1).toStdString() : std::string(),
                               book ? book->cellText(row, 2).toStdString() : std::string()});
    }
    m_names = std::make_shared<numbers::PhoneBookNames>(std::move(entries), m_region());
    if (m_model->store())
        prepare(*m_model->store());
    // A search by name follows the new names; the Name column is drawn again.
    if (!m_bar->filter().search.isEmpty())
        applyFilter();
    // The order by name reads only the calls the new names can name.
    m_model->setNameLookup([this](const QString& number) { return nameOf(number); }, kNameSql,
                           namedCallsSql(*m_names));
}

void CallLogWorkbench::prepare(CallLogStore& store)
{
    // Only a log that exists: opening a missing one would make an empty file.
    if (QFile::exists(store.callLogPath()))
        registerNameFunctions(store, m_names);
    // The condition holds the entries whose names matched.
    if (!m_bar->filter().isEmpty())
        m_model->setConditionQuietly(conditionOf(m_bar->filter(), m_names.get()));
}

void CallLogWorkbench::applyFilter()
{
    BusyPointer busy;
    if (m_model->store())
        prepare(*m_model->store());
    m_model->setCondition(conditionOf(m_bar->filter(), m_names.get()));
    if (m_statisticsWindow && m_statisticsWindow->isVisible())
        m_statisticsWindow->showFigures(m_model->condition(),
                                        [this](const QString& n) { return nameOf(n); });
}

void CallLogWorkbench::showCount()
{
    const qint64 total = m_model->store() ? countRows(*m_model->store(), {}) : 0;
    m_bar->showCount(m_model->rowCount(), qMax<qint64>(total, 0));
}

QString exportedText(qint64 calls, const QString& path)
{
    // Grouped digits, also in the C locale, which leaves them out by default.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    const QString count = locale.toString(calls);
    const QString name = QFileInfo(path).fileName();
    return calls == 1 ? QObject::tr("1 call written to %1").arg(name)
                      : QObject::tr("%1 calls written to %2").arg(count, name);
}

void CallLogWorkbench::exportShown()
{
    UserInteraction::FileRequest request;
    request.title = tr("Export");
    request.filter = tr("CSV Files (*.csv) | *.csv|JSON Files (*.json) | *.json");
    request.defaultSuffix = QStringLiteral("csv");
    const QString path = m_interaction.chooseFileToSave(request, text(kMessageTitle));
    if (path.isEmpty())
        return;
    BusyPointer busy;
    QString error;
    std::string target;
    std::string reason;
    if (!m_model->store()) {
        error = tr("the call log is not open");
    } else if (!saveTarget(QFile::encodeName(path).toStdString(), target, reason)) {
        // The one rule for files the user names: never into a pipe, a
        // device or a read-only file.
        error = QString::fromLocal8Bit(reason);
    } else {
        // Streamed into a temporary file beside the target and renamed over
        // it once whole, so a log of millions of calls is never held in
        // memory and a failed export leaves the old file as it was.
        QSaveFile file(QFile::decodeName(QByteArray::fromStdString(target)));
        if (!file.open(QIODevice::WriteOnly)) {
            error = file.errorString();
        } else if (exportCalls(*m_model->store(), m_model->condition(), m_model->rowOrder(),
                               m_model->nameSql(), [this](const QString& n) { return nameOf(n); },
                               exportFormatOf(path), file, error) &&
                   file.commit()) {
            const qint64 calls = countRows(*m_model->store(), m_model->condition());
            // What was written, in the user's own figures: "1,234 calls
            // written to calls.csv".
            m_window.setStatusPanel(1, exportedText(qMax<qint64>(calls, 0), path));
            return;
        } else {
            if (error.isEmpty())
                error = file.errorString();
            file.cancelWriting();
        }
    }
    m_interaction.warn(tr("The calls could not be exported to %1: %2. The file was not changed.").arg(path, error),
                       text(kMessageTitle), UserInteraction::Icon::Exclamation);
}

void CallLogWorkbench::showStatistics()
{
    if (!m_statisticsWindow)
        m_statisticsWindow = new StatisticsWindow(m_store, m_interaction, text(kMessageTitle), &m_window);
    m_statisticsWindow->showFigures(m_model->condition(), [this](const QString& n) { return nameOf(n); });
    m_statisticsWindow->showOver(m_window);
}

} // namespace ql310::calllog
