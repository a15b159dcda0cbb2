#include "print_and_help_menus.h"

#include "about_box.h"
#include "editor_window.h"
#include "fixed_cell_grid.h"
#include "table_printing.h"
#include "text_table.h"

#include <QAction>
#include <QPrinter>

namespace ql310 {

namespace {

void printGrids(UserInteraction& interaction, const QList<GridPicture>& pictures)
{
    QPrinter printer(QPrinter::HighResolution);
    // Cancel and a printer that fails both end the command quietly.
    printGridPage(interaction, printer, pictures);
}

} // namespace

PrintAndHelpMenus::PrintAndHelpMenus(EditorWindow& window, UserInteraction& interaction)
    : QObject(&window),
      m_window(window),
      m_interaction(interaction),
      m_help(new OnlineHelp(&window, interaction, text(101)))
{
    const std::pair<const char*, void (PrintAndHelpMenus::*)()> items[] = {
        {"mnuPLCR", &PrintAndHelpMenus::mnuPLCR_Click},
        {"mnuPPB", &PrintAndHelpMenus::mnuPPB_Click},
        {"mnuSD", &PrintAndHelpMenus::mnuSD_Click},
        {"mnuOnLineMenu", &PrintAndHelpMenus::mnuOnLineMenu_Click},
        {"mnuAbout", &PrintAndHelpMenus::mnuAbout_Click}};
    for (const auto& [name, handler] : items)
        connect(window.findChild<QAction*>(QString::fromLatin1(name)), &QAction::triggered, this,
                handler);
}

PrintAndHelpMenus::~PrintAndHelpMenus() = default;

void PrintAndHelpMenus::mnuPLCR_Click()
{
    printGrids(m_interaction, {{m_window.grid("LCRGrid"), 0, 0}});
}

void PrintAndHelpMenus::mnuPPB_Click()
{
    printGrids(m_interaction, {{m_window.grid("PhoneBookGrid"), 0, 0},
                               {m_window.grid("PhoneBookGrid2"), kPhoneBookSecondHalfTwips, 0}});
}

void PrintAndHelpMenus::mnuSD_Click()
{
    printGrids(m_interaction, {{m_window.grid("ShortDialGrid"), 0, 0}});
}

void PrintAndHelpMenus::mnuOnLineMenu_Click()
{
    m_help->sendF1();
}

void PrintAndHelpMenus::mnuAbout_Click()
{
    if (!m_about)
        m_about = new AboutBox(&m_window);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

} // namespace ql310
