// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page view of the help window: a text browser over the help folder that shows a clear
// message in place of a page that is missing, so that neither a missing folder nor a broken link
// leaves the user looking at an empty pane.
#include <QString>
#include <QTextBrowser>

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    HelpBrowser(const QString& folder, QWidget* parent);

    // The page shown, as its file name in the help folder with its anchor ("budget.html#slider");
    // empty before the first page.
    QString currentTarget() const;

  protected:
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    QString missingPageHtml(const QUrl& page) const;

    QString folder_;
};

// The address of a help list's target ("page.html" or "page.html#anchor") in the help folder.
QUrl HelpTargetUrl(const QString& folder, const QString& target);
