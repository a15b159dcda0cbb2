// SPDX-License-Identifier: GPL-3.0-or-later
// The on-line help: the F1 key anywhere in the program opens the help file
// "ql310.chm" (in German "ql310_de.chm" where that lies beside it: the help
// file of the program's language). The file is looked up beside the program,
// then in the installed data locations. It opens in the desktop's viewer for compiled
// help where one is installed, else in the program's own help window.
#pragma once

#include "help_window.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class QWidget;

namespace ql310 {

class UserInteraction;

// The desktop's viewer for a file type.
class DesktopViewer {
public:
    virtual ~DesktopViewer() = default;
    // Opens `path` in the viewer the desktop has for its type; false when
    // there is none (or it could not be started).
    virtual bool open(const QString& path) = 0;
};

// Asks the desktop (xdg-mime) for the default application of the file's
// type and opens the file with it.
class XdgDesktopViewer : public DesktopViewer {
public:
    bool open(const QString& path) override;
};

class OnlineHelp : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kHelpFileName = "ql310.chm";

    enum class Shown { DesktopViewer, OwnWindow, Missing, Unreadable };

    // F1 in `window` or any window it owns opens the help. Problems with
    // the help file are told through `interaction` under `messageTitle`.
    OnlineHelp(QWidget* window, UserInteraction& interaction, QString messageTitle);
    ~OnlineHelp() override;

    // The viewer to try first; null: none, always the own window.
    void setDesktopViewer(DesktopViewer* viewer) { m_viewer = viewer; }
    // The page F1 shows in the own help window (e.g. "msn.html"), asked at
    // each F1; empty: the page the window shows, or the start page.
    void setContextPage(std::function<QString()> page) { m_contextPage = std::move(page); }
    // The application whose user settings keep the help window's size.
    void setSettingsName(const QString& name) { m_settingsName = name; }

    // Where the help file is looked for, in order.
    void setSearchDirectories(const QStringList& directories) { m_directories = directories; }
    QStringList searchDirectories() const { return m_directories; }
    static QStringList defaultSearchDirectories();

    // The language whose help file is preferred (default: the program's,
    // uiLanguage()); empty: English.
    void setLanguage(const QString& language) { m_language = language; }

    // The help file found, or an empty string.
    QString helpFile() const;
    // What F1 does.
    Shown showHelp();
    // Sends the key press F1 to the program, to the widget that has the
    // focus (the window itself when none has it).
    void sendF1();

    // The own help window, once it has been needed.
    HelpWindow* helpWindow() const { return m_helpWindow; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToWindow(const QObject* object) const;

    QWidget* m_window;
    UserInteraction& m_interaction;
    QString m_messageTitle;
    std::unique_ptr<XdgDesktopViewer> m_xdgViewer;
    DesktopViewer* m_viewer;
    QStringList m_directories;
    QPointer<HelpWindow> m_helpWindow;
    std::function<QString()> m_contextPage;
    QString m_settingsName;
    QString m_language;
};

} // namespace ql310
