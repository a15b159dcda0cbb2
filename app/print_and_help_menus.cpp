// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_and_help_menus.h"

#include "about_box.h"
#include "call_log_widths.h"
#include "editor_window.h"
#include "fixed_cell_grid.h"
#include "table_printing.h"
#include "text_table.h"

#include <QAction>
#include <QPrinter>
#include <QScrollArea>
#include <QTabWidget>

namespace ql310 {

PrintAndHelpMenus::PrintAndHelpMenus(EditorWindow& window, UserInteraction& interaction)
    : QObject(&window),
      m_window(window),
      m_interaction(interaction),
      m_help(new OnlineHelp(&window, interaction, text(TextId::UsbIsdnTaConfiguration)))
{
    const std::pair<const char*, void (PrintAndHelpMenus::*)()> items[] = {
        {"mnuPLCR", &PrintAndHelpMenus::printLcrTable},
        {"mnuPPB", &PrintAndHelpMenus::printPhoneBook},
        {"mnuSD", &PrintAndHelpMenus::printShortDial},
        {"mnuOnLineMenu", &PrintAndHelpMenus::showOnlineHelp},
        {"mnuAbout", &PrintAndHelpMenus::showAboutBox}};
    for (const auto& [name, handler] : items)
        connect(window.findChild<QAction*>(QString::fromLatin1(name)), &QAction::triggered, this,
                handler);
    m_help->setSettingsName(settingsApplication());
    m_help->setContextPage([this] { return helpPageOfCurrentTab(); });
}

QString PrintAndHelpMenus::helpPageOfCurrentTab() const
{
    // By the page's name: the LCR page may be gone from the tabs.
    static const std::pair<const char*, const char*> kPages[] = {
        {"MSNPage", "msn.html"},         {"PhonePage", "phone.html"},
        {"BODPage", "bod.html"},         {"ForwardingPage", "forwarding.html"},
        {"LCRPage", "lcr.html"},         {"ShortDialPage", "shortdial.html"},
        {"PhoneBookPage", "phonebook.html"}, {"CallLogPage", "calllog.html"}};
    const QWidget* current = m_window.tabs()->currentWidget();
    // A page that scrolls is the widget inside its scroll area.
    if (const auto* scroll = qobject_cast<const QScrollArea*>(current))
        current = scroll->widget();
    for (const auto& [name, page] : kPages)
        if (current && current->objectName() == QLatin1String(name))
            return QString::fromLatin1(page);
    return {};
}

PrintAndHelpMenus::~PrintAndHelpMenus() = default;

QList<GridPicture> PrintAndHelpMenus::pictures(Table table) const
{
    switch (table) {
    case Table::LCR:
        return {{m_window.grid("LCRGrid"), 0, 0}};
    case Table::PhoneBook:
        return {{m_window.grid("PhoneBookGrid"), 0, 0},
                {m_window.grid("PhoneBookGrid2"), kPhoneBookSecondHalfTwips, 0}};
    case Table::ShortDial:
        return {{m_window.grid("ShortDialGrid"), 0, 0}};
    }
    return {};
}

void PrintAndHelpMenus::print(Table table)
{
    QPrinter printer(QPrinter::HighResolution);
    // Cancel and a printer that cannot start the job both end the command
    // quietly, with nothing printed.
    printGridPage(m_interaction, printer, pictures(table));
}

void PrintAndHelpMenus::printLcrTable()
{
    print(Table::LCR);
}

void PrintAndHelpMenus::printPhoneBook()
{
    print(Table::PhoneBook);
}

void PrintAndHelpMenus::printShortDial()
{
    print(Table::ShortDial);
}

void PrintAndHelpMenus::showOnlineHelp()
{
    m_help->sendF1();
}

void PrintAndHelpMenus::showAboutBox()
{
    if (!m_about)
        m_about = new AboutBox(&m_window);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

} // namespace ql310
