// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own help window: shows the pages of the compiled help file
// (read through ChmArchive), with its table of contents beside them and
// links between pages working. Used where the desktop has no viewer of its
// own for compiled help. Back and Forward follow the pages shown; the search
// field keeps in the contents only the pages that hold the text typed and
// marks it on the page. The window opens inside the screen, keeps the size
// the user gave it for the next time, and Escape closes it.
#pragma once

#include "chm_archive.h"

#include <QHash>
#include <QTextBrowser>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;

namespace ql310 {

// A text browser whose pages, style sheets and pictures come from the
// archive. Its addresses are "chm:///page.html".
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(const ChmArchive& archive, QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;

    static QUrl pageUrl(const QString& page);

private:
    const ChmArchive& m_archive;
};

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // Default size, made smaller where the screen is smaller.
    static constexpr int kDefaultWidth = 900;
    static constexpr int kDefaultHeight = 600;

    // `settingsName`: the application whose user settings keep the window's
    // size (group "HelpWindow"); empty: the size is not kept.
    explicit HelpWindow(QWidget* parent = nullptr, QString settingsName = {});

    // Opens the help file and shows its default page; false when the file
    // cannot be read as compiled help (the window keeps what it showed).
    bool openFile(const QString& path);
    QString fileName() const { return m_fileName; }

    // Shows `page` (e.g. "msn.html"), with the contents entry selected.
    void showPage(const QString& page);
    // The page shown, e.g. "msn.html".
    QString currentPage() const;

    // Keeps in the contents the pages that contain `text` (any case) and
    // marks it on the page shown; an empty text shows every page again.
    void search(const QString& text);
    // The pages whose text contains `text`, in contents order.
    QStringList pagesContaining(const QString& text) const;

    HelpBrowser* browser() const { return m_browser; }
    QListWidget* contents() const { return m_contents; }
    QLineEdit* searchField() const { return m_search; }
    QToolButton* backButton() const { return m_back; }
    QToolButton* forwardButton() const { return m_forward; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void fillContents();
    void sourceChanged(const QUrl& url);
    void markSearchText();
    // The plain text of `page`, read once.
    QString pageText(const QString& page) const;
    // The saved size, or the default, fitted into the screen.
    void fitIntoScreen();

    ChmArchive m_archive;
    QString m_fileName;
    HelpBrowser* m_browser = nullptr;
    QListWidget* m_contents = nullptr;
    QLineEdit* m_search = nullptr;
    QLabel* m_noMatch = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QString m_settingsName;
    bool m_placed = false;
    mutable QHash<QString, QString> m_pageTexts;
};

} // namespace ql310
