// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own help window: shows the pages of the compiled help file
// (read through ChmArchive), with its table of contents beside them and
// links between pages working. Used where the desktop has no viewer of its
// own for compiled help.
#pragma once

#include "chm_archive.h"

#include <QTextBrowser>
#include <QWidget>

class QListWidget;

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
    explicit HelpWindow(QWidget* parent = nullptr);

    // Opens the help file and shows its default page; false when the file
    // cannot be read as compiled help (the window keeps what it showed).
    bool openFile(const QString& path);
    QString fileName() const { return m_fileName; }

    // Shows `page` (e.g. "msn.html"), with the contents entry selected.
    void showPage(const QString& page);
    // The page shown, e.g. "msn.html".
    QString currentPage() const;

    HelpBrowser* browser() const { return m_browser; }
    QListWidget* contents() const { return m_contents; }

private:
    void fillContents();
    void sourceChanged(const QUrl& url);

    ChmArchive m_archive;
    QString m_fileName;
    HelpBrowser* m_browser = nullptr;
    QListWidget* m_contents = nullptr;
};

} // namespace ql310
