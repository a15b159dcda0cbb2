// SPDX-License-Identifier: GPL-3.0-or-later
// The Print menu's three table items (LCR, phone book, short dial) and the
// Help menu (on-line help, About) of the main window.
#pragma once

#include "about_box.h"
#include "online_help.h"
#include "table_printing.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace ql310 {

class EditorWindow;
class UserInteraction;

class PrintAndHelpMenus : public QObject {
    Q_OBJECT

public:
    // Position of the second phone-book grid on the printed page.
    static constexpr int kPhoneBookSecondHalfTwips = 4000;

    enum class Table { LCR, PhoneBook, ShortDial };

    PrintAndHelpMenus(EditorWindow& window, UserInteraction& interaction);
    ~PrintAndHelpMenus() override;

    void printLcrTable();
    void printPhoneBook();
    void printShortDial();
    void showOnlineHelp();
    void showAboutBox();

    // The help page of the editor page shown, e.g. "msn.html".
    QString helpPageOfCurrentTab() const;

    // The grids that make up the printed page of `table`, with their places.
    QList<GridPicture> pictures(Table table) const;

    OnlineHelp& onlineHelp() { return *m_help; }
    // The About window, once it has been shown.
    AboutBox* aboutBox() const { return m_about; }

private:
    void print(Table table);

    EditorWindow& m_window;
    UserInteraction& m_interaction;
    OnlineHelp* m_help;
    QPointer<AboutBox> m_about;
};

} // namespace ql310
