// SPDX-License-Identifier: GPL-3.0-or-later
// QLSETTING, the settings editor: menu bar, the tab control SSTab1 with its
// eight pages, every named control and grid, and the status bar StatusBar1.
//
// Object names follow the control names. A control of a per-port array
// (index 0..3) is named "<Name>_<index>", e.g. "PortName_0" for PortName(0);
// the exclusion-table rows use their own indices ("LCRETDialA_4",
// "LCRLabel_20"). A submenu's QMenu and its menu action share the name.
#pragma once

#include <QMainWindow>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTabWidget;

namespace ql310::calllog {
class CallLogGrid;
}

namespace ql310 {

class CtlTimeSet;
class FixedCellGrid;

constexpr int kPortCount = 4;
constexpr int kCallLogColumnsRestored = 7;

class EditorWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit EditorWindow(QWidget* parent = nullptr);

    // The grids' column counts and widths; `callLogWidths` are the widths of
    // the call-log grid's columns 0..6 in twips.
    void configureGrids(const std::array<int, kCallLogColumnsRestored>& callLogWidths);
    // The DDI caption and its three modes.
    void setupDdiFunction();
    // Widens each morning-call time control by `twips`.
    void widenTimeControls(int twips);
    // Every caption, list and grid header from the text table.
    void setupEditorTexts();

    // Status bar panels 1..3.
    void setStatusPanel(int panel, const QString& text);
    QString statusPanel(int panel) const;
    void clearStatusPanels();
    // The warning sign at the right of the status bar, with `reason` as its
    // tool tip; an empty reason hides it. The panels keep their texts.
    void setStatusWarning(const QString& reason);
    QString statusWarning() const;
    // Paints the status panels now, for a command about to block in a
    // library call: the user sees the new text, and no input gets in.
    void paintStatusPanels();

    QTabWidget* tabs() const { return m_tabs; }
    QMenu* menu(const char* name) const;
    FixedCellGrid* grid(const char* name) const;
    // CallHistoryGrid, the call-log grid.
    calllog::CallLogGrid* callLogGrid() const { return m_callLogGrid; }
    // Tab and Shift+Tab go through the page tabs, then the controls of the
    // page shown in reading order; run again after controls were added to
    // a page.
    void orderTabKey();
    CtlTimeSet* timeSet(int port) const { return m_timeSet[port]; }

signals:
    // Panel `panel` now shows `text`; the status line's whole history can be
    // followed, e.g. the progress dots of a write.
    void statusPanelChanged(int panel, const QString& text);

protected:
    // Enables or disables a menu of the bar, title and items alike.
    void setMenuEnabled(QMenu* menu, bool enabled);

private:
    void buildMenus();
    void buildMsnPage();
    void buildPhonePage();
    void buildBodPage();
    void buildForwardingPage();
    void buildLcrPage();
    void buildShortDialPage();
    void buildPhoneBookPage();
    void buildCallLogPage();
    void setupKeys();
    // The parts of setupEditorTexts (editor_texts.cpp): the menus, the
    // captions and lists of pages 0 to 4, the grids' headers.
    void setupMenuTexts();
    void setupMsnPageTexts();
    void setupPhonePageTexts();
    void setupBodPageTexts();
    void setupForwardingPageTexts();
    void setupLcrPageTexts();
    void setupGridHeaders();

    QTabWidget* m_tabs = nullptr;
    QTabWidget* m_lcrTabs = nullptr;
    std::array<QLabel*, 3> m_panels{};
    QLabel* m_warning = nullptr;
    std::array<CtlTimeSet*, kPortCount> m_timeSet{};
    calllog::CallLogGrid* m_callLogGrid = nullptr;
};

// A control's object name: "Name" alone, or "Name_index" in an array.
QString controlName(const char* name, int index = -1);

} // namespace ql310
