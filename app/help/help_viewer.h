// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: the contents and the keyword index on the left, the page on the right, with
// Back, Forward and Contents buttons above. One window a run; GETHELP creates it and raises it.
#include <QString>
#include <QWidget>
#include <cstdint>

class HelpBrowser;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QUrl;

class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    // folder: the help folder (pages, contents.txt, keywords.txt).
    explicit HelpViewer(const QString& folder);

    void showContents();                    // the contents list and the contents page
    void showIndex();                       // the keyword index, ready for typing
    void showTopic(int32_t context);        // the page of a context number
    void showTarget(const QString& target); // "page.html" or "page.html#anchor"
    // Shows the window (restored if minimised), raises it and gives it the focus.
    void present();

    HelpBrowser* browser() const { return browser_; }
    QListWidget* contentsList() const { return contents_; }
    QListWidget* keywordList() const { return keywords_; }
    QLineEdit* keywordBox() const { return keywordBox_; }
    QTabWidget* tabs() const { return tabs_; }

  private:
    QWidget* makeContentsTab();
    QWidget* makeIndexTab();
    QWidget* makeButtonRow();
    void fillList(QListWidget* list, const char* fileName);
    void openItem(const QListWidgetItem* item);
    void findKeyword(const QString& typed);
    void markContentsEntry(const QUrl& shown);
    void placeOnScreen();

    QString folder_;
    HelpBrowser* browser_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QListWidget* contents_ = nullptr;
    QListWidget* keywords_ = nullptr;
    QLineEdit* keywordBox_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
};

// The open help window, or nullptr when none is open.
HelpViewer* CurrentHelpViewer();
