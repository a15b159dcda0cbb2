// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_window.h"

#include "accessible_names.h"
#include "call_log_grid.h"
#include "field_rules.h"
#include "fixed_cell_grid.h"
#include "text_fit.h"
#include "time_set.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ql310 {

namespace {

// Design-time lists of the BOD page.
const QStringList kSecondsList = {"30", "60", "80", "100", "120", "150", "180", "240"};
const QStringList kOpenCpsList = {"2400", "4800", "7200", "7800"};
const QStringList kCloseCpsList = {"1000", "2000", "3000", "4000", "5000", "6000"};

template <class Widget>
Widget* make(QWidget* parent, const char* name, int index = -1)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(controlName(name, index));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, int index = -1, const QString& caption = {})
{
    auto* widget = make<QLabel>(parent, name, index);
    widget->setText(caption);
    return widget;
}

QLineEdit* textBox(QWidget* parent, const char* name, int index, int maxLength)
{
    auto* box = make<QLineEdit>(parent, name, index);
    box->setMaxLength(maxLength);
    return box;
}

// Digits and letters a box shows whole at its narrowest: 10 of a number
// (an MSN's length; the box scrolls for the rest of its 26 and grows with
// the room up to all of them), a port name's 18 letters. Narrow enough for
// the MSN page to fit a 1366-pixel screen at a scale of 1.5.
constexpr int kNumberDigitsShown = 10;
constexpr int kNameLettersShown = 18;

QLineEdit* numberBox(QWidget* parent, const char* name, int index, int maxLength)
{
    QLineEdit* box = textBox(parent, name, index, maxLength);
    // As wide as its longest content, not wider.
    fitDigitRange(box, qMin(maxLength, kNumberDigitsShown), maxLength);
    return box;
}

QLineEdit* nameBox(QWidget* parent, const char* name, int index, int maxLength)
{
    static const QString kLetters =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    QLineEdit* box = textBox(parent, name, index, maxLength);
    // As many letters of average width.
    const int letters = qMin(maxLength, kNameLettersShown);
    fitTextWidth(box, box->fontMetrics().horizontalAdvance(kLetters) * letters / kLetters.size());
    box->setMaximumWidth(box->minimumWidth());
    return box;
}

QComboBox* comboBox(QWidget* parent, const char* name, int index = -1, bool editable = false)
{
    auto* combo = make<QComboBox>(parent, name, index);
    combo->setEditable(editable);
    return combo;
}

void collectInReadingOrder(QLayout* layout, QList<QWidget*>& order);

// `widget`, or the controls inside it, in reading order.
void collectInReadingOrder(QWidget* widget, QList<QWidget*>& order)
{
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        order.append(tabs);
        for (int i = 0; i < tabs->count(); ++i)
            collectInReadingOrder(tabs->widget(i), order);
    } else if (auto* scroll = qobject_cast<QScrollArea*>(widget)) {
        if (scroll->widget())
            collectInReadingOrder(scroll->widget(), order);
    } else if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
        // Tab leaves a grid (arrows move inside it); its in-place editors
        // follow it in the chain.
        view->setTabKeyNavigation(false);
        order.append(view);
        for (QWidget* editor : view->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (editor->focusPolicy() & Qt::TabFocus)
                order.append(editor);
    } else if (auto* time = qobject_cast<CtlTimeSet*>(widget)) {
        order.append(time->hourBox());
        order.append(time->minuteBox());
    } else if (widget->layout()) {
        collectInReadingOrder(widget->layout(), order);
    } else if (widget->focusPolicy() & Qt::TabFocus) {
        order.append(widget);
    }
}

// The controls of `layout`: row by row, left to right.
void collectInReadingOrder(QLayout* layout, QList<QWidget*>& order)
{
    const auto collectItem = [&order](QLayoutItem* item) {
        if (item->widget())
            collectInReadingOrder(item->widget(), order);
        else if (item->layout())
            collectInReadingOrder(item->layout(), order);
    };
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        QList<QLayoutItem*> seen;
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column = 0; column < grid->columnCount(); ++column)
                if (QLayoutItem* item = grid->itemAtPosition(row, column); item && !seen.contains(item)) {
                    seen.append(item);
                    collectItem(item);
                }
        return;
    }
    for (int i = 0; i < layout->count(); ++i)
        collectItem(layout->itemAt(i));
}

QWidget* page(QTabWidget* tabs, const char* name)
{
    auto* widget = new QWidget;
    widget->setObjectName(QString::fromLatin1(name));
    tabs->addTab(widget, QString());
    return widget;
}

// A page of controls that scrolls where the window is smaller than the
// page's controls need (a large font on a small screen); it fills the
// window where there is room, and asks for the whole page.
class PageScrollArea : public QScrollArea {
public:
    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }
};

QWidget* scrollingPage(QTabWidget* tabs, const char* name)
{
    auto* area = new PageScrollArea;
    area->setObjectName(QString::fromLatin1(name) + QStringLiteral("Scroll"));
    area->setFrameShape(QFrame::NoFrame);
    // A click on a spinner arrow or the page's background keeps the focus.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    auto* widget = new QWidget;
    widget->setObjectName(QString::fromLatin1(name));
    area->setWidget(widget);
    tabs->addTab(area, QString());
    return widget;
}

} // namespace

QString controlName(const char* name, int index)
{
    const QString base = QString::fromLatin1(name);
    return index < 0 ? base : base + u'_' + QString::number(index);
}

EditorWindow::EditorWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("QLSETTING"));
    buildMenus();

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    setCentralWidget(m_tabs);
    buildMsnPage();
    buildPhonePage();
    buildBodPage();
    buildForwardingPage();
    buildLcrPage();
    buildShortDialPage();
    buildPhoneBookPage();
    buildCallLogPage();

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(bar);
    const int stretch[] = {3, 1, 1};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(bar);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        m_panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addPermanentWidget(m_panels[i], stretch[i]);
    }
    // A long message on the help line never widens the window past the
    // screen; the panel's tool tip holds it whole.
    m_panels[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_warning = new QLabel(bar);
    m_warning->setObjectName(QStringLiteral("StatusWarning"));
    const int side = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    m_warning->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
    m_warning->hide();
    bar->addPermanentWidget(m_warning);
    setupKeys();
}

void EditorWindow::setupKeys()
{
    // The desktop's keys for the settings file and the end of the program;
    // Write has none, so that writing to the adapter stays deliberate.
    const std::pair<const char*, QKeySequence> keys[] = {
        {"mnuLoad", QKeySequence(QKeySequence::Open)},
        {"mnuSave", QKeySequence(QKeySequence::Save)},
        {"mnuExit", QKeySequence(QKeySequence::Quit)},
        {"mnuReset", QKeySequence(Qt::Key_F5)},
        // Shown beside the item; the key itself goes to the on-line help,
        // which the item sends it to.
        {"mnuOnLineMenu", QKeySequence(QKeySequence::HelpContents)}};
    for (const auto& [name, key] : keys)
        findChild<QAction*>(QString::fromLatin1(name))->setShortcut(key);

    orderTabKey();
}

void EditorWindow::orderTabKey()
{
    // Tab and Shift+Tab: the page tabs, then the controls of the page shown,
    // row by row, left to right.
    QList<QWidget*> order;
    collectInReadingOrder(m_tabs, order);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void EditorWindow::buildMsnPage()
{
    QWidget* msn = scrollingPage(m_tabs, "MSNPage");
    auto* grid = new QGridLayout(msn);
    for (int i = 0; i < kPortCount; ++i)
        grid->addWidget(label(msn, "MSNPort", -1), 0, i + 1);
    // The column labels carry their number in the name, not as an index.
    for (int i = 0; i < kPortCount; ++i)
        grid->itemAtPosition(0, i + 1)->widget()->setObjectName(QStringLiteral("MSNPort%1").arg(i + 1));
    grid->addWidget(label(msn, "MSNData"), 0, 5);

    grid->addWidget(label(msn, "MSNPortNumber"), 1, 0);
    grid->addWidget(label(msn, "MSNName"), 2, 0);
    // The long row captions wrap where the window is narrow.
    for (const auto& [name, row] : {std::pair{"MSNIncomingMSN", 3}, std::pair{"MSNOutgoingPN", 9}})
        grid->addWidget(make<WrappingCaption>(msn, name), row, 0);
    grid->addWidget(label(msn, "Label3", -1, QStringLiteral("1")), 4, 0);
    grid->addWidget(label(msn, "Label4", -1, QStringLiteral("2")), 5, 0);
    grid->addWidget(label(msn, "Label5", -1, QStringLiteral("3")), 6, 0);

    static const char* const kInitialNumbers[] = {"10", "20", "30", "40"};
    static const char* const kMsnBoxes[] = {"PortMSN1", "PortMSN2", "PortMSN3"};
    static const char* const kTypeCombos[] = {"PortMSNType1", "PortMSNType2", "PortMSNType3"};
    for (int i = 0; i < kPortCount; ++i) {
        QLineEdit* number = numberBox(msn, "PortNumber", i, 4);
        number->setAlignment(Qt::AlignCenter);
        number->setText(QString::fromLatin1(kInitialNumbers[i]));
        grid->addWidget(number, 1, i + 1, Qt::AlignLeft);
        grid->addWidget(nameBox(msn, "PortName", i, 18), 2, i + 1, Qt::AlignLeft);
        grid->addWidget(make<QCheckBox>(msn, "AcceptAllMSN", i), 3, i + 1);
        for (int row = 0; row < 3; ++row) {
            auto* cell = new QHBoxLayout;
            cell->addWidget(numberBox(msn, kMsnBoxes[row], i, image::kNumberBoxLength), 1);
            cell->addWidget(comboBox(msn, kTypeCombos[row], i));
            grid->addLayout(cell, 4 + row, i + 1);
        }
        grid->addWidget(numberBox(msn, "PortOwnNumber", i, image::kNumberBoxLength), 9, i + 1);
    }

    grid->addWidget(comboBox(msn, "AnalogLaw"), 1, 5);
    grid->addWidget(make<QCheckBox>(msn, "DataAcceptAllMSN"), 3, 5);
    for (int k = 1; k <= 5; ++k) {
        const QByteArray name = "DataMSN" + QByteArray::number(k);
        grid->addWidget(numberBox(msn, name.constData(), -1, image::kNumberBoxLength), 3 + k, 5);
    }
    // The DDI function ends the data column's last row; it takes the room
    // of the columns beside it rather than widening its own.
    auto* ddi = new QHBoxLayout;
    ddi->addStretch();
    ddi->addWidget(label(msn, "DDILabel"));
    ddi->addWidget(comboBox(msn, "DDICombo"));
    grid->addLayout(ddi, 10, 3, 1, 3);
    grid->addWidget(numberBox(msn, "DataOwnNumber", -1, image::kNumberBoxLength), 9, 5);
    grid->setRowStretch(11, 1);
}

void EditorWindow::buildPhonePage()
{
    QWidget* phone = scrollingPage(m_tabs, "PhonePage");
    auto* grid = new QGridLayout(phone);
    for (int i = 0; i < kPortCount; ++i) {
        auto* column = label(phone, "PhonePort");
        column->setObjectName(QStringLiteral("PhonePort%1").arg(i + 1));
        grid->addWidget(column, 0, i + 1);
    }
    // Row label, then the per-port control of that row.
    static const char* const kRows[][2] = {
        {"PhoneNeedMCall", "PortNeedMCall"}, {"PhoneMTime", nullptr},
        {"PhoneDToIn", "PortToOutside"},     {"PhoneInCID", "PortShowInID"},
        {"PhoneOutCID", "PortShowOutID"},    {"PhoneCallWait", "PortCallWait"},
        {"PhoneTakeOver", "PortTakeOver"},   {"PhoneStopMusic", "PortStopMusicOnHold"}};
    int row = 1;
    for (const auto& [rowLabel, control] : kRows) {
        grid->addWidget(label(phone, rowLabel), row, 0);
        for (int i = 0; i < kPortCount; ++i) {
            if (control) {
                grid->addWidget(make<QCheckBox>(phone, control, i), row, i + 1, Qt::AlignCenter);
            } else {
                m_timeSet[i] = new CtlTimeSet(phone);
                m_timeSet[i]->setObjectName(controlName("TimeSet", i));
                grid->addWidget(m_timeSet[i], row, i + 1, Qt::AlignCenter);
            }
        }
        ++row;
    }
    grid->addWidget(label(phone, "PhoneCID"), row, 0);
    grid->addWidget(comboBox(phone, "PortCallIDOption"), row, 1, 1, 2);
    grid->addWidget(make<QCheckBox>(phone, "Prefer1B"), row + 1, 0, 1, 5);
    grid->setRowStretch(row + 2, 1);
}

void EditorWindow::buildBodPage()
{
    QWidget* bod = scrollingPage(m_tabs, "BODPage");
    auto* grid = new QGridLayout(bod);
    struct Row {
        const char* label;
        const char* combo;
        const char* unit;
        const QStringList& list;
    };
    const Row rows[] = {{"Min2BLabel", "Min2BCombo", "Min2BSecLabel", kSecondsList},
                        {"Delay2BLabel", "Delay2BCombo", "Delay2BSecLabel", kSecondsList},
                        {"OpenCPSLabel", "OpenCPSCombo", "OpenCPScpsLabel", kOpenCpsList},
                        {"CloseCPSLabel", "CloseCPSCombo", "CloseCPScpsLabel", kCloseCpsList}};
    int r = 0;
    for (const Row& row : rows) {
        grid->addWidget(label(bod, row.label), r, 0);
        QComboBox* combo = comboBox(bod, row.combo, -1, true);
        combo->addItems(row.list);
        combo->setCurrentIndex(-1);
        grid->addWidget(combo, r, 1);
        grid->addWidget(label(bod, row.unit), r, 2);
        ++r;
    }
    grid->setRowStretch(r, 1);
    grid->setColumnStretch(3, 1);
}

void EditorWindow::buildForwardingPage()
{
    QWidget* forwarding = scrollingPage(m_tabs, "ForwardingPage");
    auto* layout = new QVBoxLayout(forwarding);
    auto* frame = make<QGroupBox>(forwarding, "FWBy");
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < kPortCount; ++i) {
        auto* column = label(frame, "ForwardPort");
        column->setObjectName(QStringLiteral("ForwardPort%1").arg(i + 1));
        grid->addWidget(column, 0, i + 1);
    }
    grid->addWidget(label(frame, "FWTo"), 2, 0);
    grid->addWidget(label(frame, "FWNoAnswer"), 3, 0);
    for (int i = 0; i < kPortCount; ++i) {
        grid->addWidget(comboBox(frame, "ForwardingType", i), 1, i + 1);
        grid->addWidget(numberBox(frame, "ForwardingNumber", i, image::kNumberBoxLength), 2, i + 1);
        auto* delay = new QHBoxLayout;
        delay->addWidget(comboBox(frame, "NoAnswerTime", i));
        delay->addWidget(label(frame, "FWSec", i));
        grid->addLayout(delay, 3, i + 1);
    }
    layout->addWidget(frame);
    layout->addWidget(label(forwarding, "FWBook"));
    auto* forwardGrid = make<FixedCellGrid>(forwarding, "ForwardGrid");
    layout->addWidget(forwardGrid, 1);
    make<QLineEdit>(forwardGrid->viewport(), "FWBufText")->hide();
    comboBox(forwardGrid->viewport(), "FWActive")->hide();
}

void EditorWindow::buildLcrPage()
{
    QWidget* lcr = page(m_tabs, "LCRPage");
    auto* layout = new QVBoxLayout(lcr);
    m_lcrTabs = make<QTabWidget>(lcr, "SSTab3");
    layout->addWidget(m_lcrTabs);

    QWidget* table = page(m_lcrTabs, "LCRTablePage");
    auto* tableLayout = new QVBoxLayout(table);
    auto* lcrGrid = make<FixedCellGrid>(table, "LCRGrid");
    tableLayout->addWidget(lcrGrid);
    make<QLineEdit>(lcrGrid->viewport(), "LCRBufText")->hide();
    for (const char* editor : {"LCRAdd", "LCRTime", "LCRWeek", "LCRActive"})
        comboBox(lcrGrid->viewport(), editor)->hide();

    QWidget* exclusion = scrollingPage(m_lcrTabs, "LCRExclusionPage");
    auto* grid = new QGridLayout(exclusion);
    grid->addWidget(label(exclusion, "LCREDRange"), 0, 1, 1, 3, Qt::AlignCenter);
    grid->addWidget(label(exclusion, "LCREMF"), 0, 4, Qt::AlignCenter);
    grid->addWidget(label(exclusion, "LCRESS"), 0, 5, Qt::AlignCenter);
    grid->addWidget(label(exclusion, "LCREActive"), 0, 6, Qt::AlignCenter);
    for (int r = 0; r < 5; ++r) {
        grid->addWidget(label(exclusion, "LCRLabel", 20 + r, QString::number(r + 1)), r + 1, 0);
        grid->addWidget(numberBox(exclusion, "LCRETDialA", r, 10), r + 1, 1);
        grid->addWidget(label(exclusion, "Label34", r, QStringLiteral("---->")), r + 1, 2);
        grid->addWidget(numberBox(exclusion, "LCRETDialB", r, 10), r + 1, 3);
        grid->addWidget(make<QCheckBox>(exclusion, "LCRETWeek", r), r + 1, 4, Qt::AlignCenter);
        grid->addWidget(make<QCheckBox>(exclusion, "LCRETWeekend", r), r + 1, 5, Qt::AlignCenter);
        grid->addWidget(make<QCheckBox>(exclusion, "LCRETAct", r), r + 1, 6, Qt::AlignCenter);
    }
    grid->setRowStretch(6, 1);
}

void EditorWindow::buildShortDialPage()
{
    QWidget* shortDial = page(m_tabs, "ShortDialPage");
    auto* layout = new QVBoxLayout(shortDial);
    auto* grid = make<FixedCellGrid>(shortDial, "ShortDialGrid");
    layout->addWidget(grid);
    make<QLineEdit>(grid->viewport(), "SDBufText")->hide();
}

void EditorWindow::buildPhoneBookPage()
{
    QWidget* phoneBook = page(m_tabs, "PhoneBookPage");
    auto* layout = new QGridLayout(phoneBook);
    layout->addWidget(label(phoneBook, "PBLabel1", -1, QStringLiteral("801->820")), 0, 0);
    layout->addWidget(label(phoneBook, "PBLabel2", -1, QStringLiteral("821->840")), 0, 1);
    layout->addWidget(make<FixedCellGrid>(phoneBook, "PhoneBookGrid"), 1, 0);
    layout->addWidget(make<FixedCellGrid>(phoneBook, "PhoneBookGrid2"), 1, 1);
    make<QLineEdit>(phoneBook, "PBBufText")->hide();
}

void EditorWindow::buildCallLogPage()
{
    QWidget* callLog = page(m_tabs, "CallLogPage");
    auto* layout = new QVBoxLayout(callLog);
    m_callLogGrid = new calllog::CallLogGrid(callLog);
    layout->addWidget(m_callLogGrid);
}

void EditorWindow::configureGrids(const std::array<int, kCallLogColumnsRestored>& callLogWidths)
{
    struct Geometry {
        const char* name;
        int rows, fixedRows, columns, fixedColumns;
        QList<int> widths;
    };
    const Geometry grids[] = {
        {"ForwardGrid", 41, 1, 5, 3, {1080, 2000, 2000, 2000, 700}},
        {"ShortDialGrid", 13, 3, 5, 1, {1080, 1785, 1785, 1785, 1785}},
        {"PhoneBookGrid", 21, 1, 3, 1, {400, 1550, 1785}},
        {"PhoneBookGrid2", 21, 1, 3, 1, {400, 1550, 1785}},
        {"LCRGrid", 22, 2, 11, 1, {300, 870, 350, 870, 1750, 870, 615, 350, 615, 935, 800}},
    };
    for (const Geometry& geometry : grids) {
        FixedCellGrid* target = grid(geometry.name);
        target->setGeometryInCells(geometry.rows, geometry.fixedRows, geometry.columns,
                                   geometry.fixedColumns);
        for (int column = 0; column < geometry.widths.size(); ++column)
            target->setColumnWidthTwips(column, geometry.widths[column]);
    }
    // Room for 20 of the 40 forwarding entries; the other grids show all rows.
    grid("ForwardGrid")->setRowsShown(21);
    // The call log: a header row, a row-header column, seven query columns
    // of which the last (the record index) stays hidden.
    for (int column = 0; column < kCallLogColumnsRestored; ++column)
        m_callLogGrid->setColumnWidthTwips(column, callLogWidths[column]);
    m_callLogGrid->setColumnWidthTwips(calllog::CallLogModel::kIndexColumn, 0);
}

void EditorWindow::widenTimeControls(int twips)
{
    for (CtlTimeSet* control : m_timeSet)
        control->widenByTwips(twips);
}

QMenu* EditorWindow::menu(const char* name) const
{
    return findChild<QMenu*>(QString::fromLatin1(name));
}

FixedCellGrid* EditorWindow::grid(const char* name) const
{
    return findChild<FixedCellGrid*>(QString::fromLatin1(name));
}

void EditorWindow::setMenuEnabled(QMenu* menu, bool enabled)
{
    menu->menuAction()->setEnabled(enabled);
    menu->setEnabled(enabled);
}

void EditorWindow::setStatusPanel(int panel, const QString& text)
{
    if (panel < 1 || panel > 3)
        return;
    m_panels[panel - 1]->setText(text);
    if (panel == 1)
        m_panels[0]->setToolTip(text);
    emit statusPanelChanged(panel, text);
}

void EditorWindow::setStatusWarning(const QString& reason)
{
    m_warning->setToolTip(reason);
    m_warning->setAccessibleName(reason.isEmpty() ? QString()
                                                  : QCoreApplication::translate("ql310::EditorWindow", "Warning"));
    m_warning->setAccessibleDescription(reason);
    m_warning->setVisible(!reason.isEmpty());
}

QString EditorWindow::statusWarning() const
{
    return m_warning->isHidden() ? QString() : m_warning->toolTip();
}

QString EditorWindow::statusPanel(int panel) const
{
    return panel >= 1 && panel <= 3 ? m_panels[panel - 1]->text() : QString();
}

void EditorWindow::clearStatusPanels()
{
    for (QLabel* panel : m_panels)
        panel->setText(QString());
}

void EditorWindow::paintStatusPanels()
{
    for (QLabel* panel : m_panels)
        if (panel->isVisible())
            panel->repaint();
}

} // namespace ql310
