// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help/help_browser.h"

#include "app/text/cp1252.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>
#include <QUrl>

HelpBrowser::HelpBrowser(const QString& folder, QWidget* parent) : QTextBrowser(parent), folder_(folder) {
    // Web addresses in the pages open in the desktop's browser; pages of the folder open here.
    setOpenExternalLinks(true);
}

QString HelpBrowser::currentTarget() const {
    const QUrl url = source();
    if (url.isEmpty()) return {};
    QString target = QFileInfo(url.toLocalFile()).fileName();
    if (url.hasFragment()) target += QLatin1Char('#') + url.fragment();
    return target;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::HtmlResource || !name.isLocalFile())
        return QTextBrowser::loadResource(type, name);
    if (!QFileInfo::exists(name.toLocalFile())) return missingPageHtml(name);
    QVariant page = QTextBrowser::loadResource(type, name);
    if (!page.isValid() || page.toByteArray().isEmpty()) return missingPageHtml(name);
    return page;
}

QString HelpBrowser::missingPageHtml(const QUrl& page) const {
    const QString folder = QDir::toNativeSeparators(folder_).toHtmlEscaped();
    const QString file = QFileInfo(page.toLocalFile()).fileName().toHtmlEscaped();
    QString body;
    if (!QFileInfo(folder_).isDir()) {
        body = FromCp1252("<h2>The help pages are missing</h2>"
                          "<p>Quillmark looks for its help pages in the folder</p><p><b>") +
               folder +
               FromCp1252("</b></p><p>but that folder does not exist. Installing Quillmark again "
                          "puts the help pages back.</p>");
    } else {
        body = FromCp1252("<h2>This help page is missing</h2><p>The page <b>") + file +
               FromCp1252("</b> cannot be read from the help folder</p><p><b>") + folder +
               FromCp1252("</b></p><p>The other help pages may still be there: try the Contents or the "
                          "Index on the left. Installing Quillmark again puts the missing page back.</p>");
    }
    return FromCp1252("<html><body>") + body + FromCp1252("</body></html>");
}

QUrl HelpTargetUrl(const QString& folder, const QString& target) {
    const qsizetype hash = target.indexOf(QLatin1Char('#'));
    const QString page = hash < 0 ? target : target.left(hash);
    QUrl url = QUrl::fromLocalFile(QDir(folder).filePath(page));
    if (hash >= 0) url.setFragment(target.mid(hash + 1));
    return url;
}
