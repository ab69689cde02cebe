// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help/help_viewer.h"

#include "app/help/help_browser.h"
#include "app/help/help_topics.h"
#include "app/text/cp1252.h"
#include "app/toolkit/ez_fonts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr int kTargetRole = Qt::UserRole;
constexpr QSize kPreferredSize(900, 640);
constexpr int kListWidth = 240;
constexpr int kIndexTab = 1;
constexpr int32_t kHelpFont = 6; // the forms' ordinary font
constexpr qreal kHelpPoints = 10.0;

QString pageOf(const QString& target) {
    return target.section(QLatin1Char('#'), 0, 0);
}

} // namespace

HelpViewer::HelpViewer(const QString& folder) : QWidget(nullptr), folder_(folder) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // closing help never ends the program
    setWindowTitle(FromCp1252("Quillmark Help"));
    // The program's own font, in the size of the pages' text; the pages take it as theirs.
    QFont font = EzFont(kHelpFont);
    font.setPointSizeF(kHelpPoints);
    setFont(font);

    browser_ = new HelpBrowser(folder_, this);
    tabs_ = new QTabWidget(this);
    tabs_->addTab(makeContentsTab(), FromCp1252("&Contents"));
    tabs_->addTab(makeIndexTab(), FromCp1252("I&ndex"));

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kListWidth, kPreferredSize.width() - kListWidth});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeButtonRow());
    layout->addWidget(splitter, 1);

    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::markContentsEntry);
    // Alt+N (or a click) on the Index tab puts the focus where a keyword is typed.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == kIndexTab) keywordBox_->setFocus(Qt::ShortcutFocusReason);
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    placeOnScreen();
}

QWidget* HelpViewer::makeContentsTab() {
    contents_ = new QListWidget;
    fillList(contents_, kHelpContentsList);
    connect(contents_, &QListWidget::itemClicked, this, &HelpViewer::openItem);
    connect(contents_, &QListWidget::itemActivated, this, &HelpViewer::openItem);
    connect(contents_, &QListWidget::currentItemChanged, this,
            [this](const QListWidgetItem* item) { openItem(item); });
    return contents_;
}

QWidget* HelpViewer::makeIndexTab() {
    auto* tab = new QWidget;
    keywordBox_ = new QLineEdit(tab);
    keywordBox_->setPlaceholderText(FromCp1252("Type a keyword"));
    keywordBox_->setAccessibleName(FromCp1252("Keyword"));
    keywords_ = new QListWidget(tab);
    fillList(keywords_, kHelpKeywordList);
    connect(keywordBox_, &QLineEdit::textEdited, this, &HelpViewer::findKeyword);
    connect(keywordBox_, &QLineEdit::returnPressed, this, [this] { openItem(keywords_->currentItem()); });
    connect(keywords_, &QListWidget::itemClicked, this, &HelpViewer::openItem);
    connect(keywords_, &QListWidget::itemActivated, this, &HelpViewer::openItem);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(keywordBox_);
    layout->addWidget(keywords_, 1);
    return tab;
}

QWidget* HelpViewer::makeButtonRow() {
    auto* row = new QWidget(this);
    back_ = new QPushButton(FromCp1252("< &Back"), row);
    forward_ = new QPushButton(FromCp1252("&Forward >"), row);
    auto* home = new QPushButton(FromCp1252("Con&tents Page"), row);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, this, &HelpViewer::showContents);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(back_);
    layout->addWidget(forward_);
    layout->addWidget(home);
    layout->addStretch(1);
    return row;
}

void HelpViewer::fillList(QListWidget* list, const char* fileName) {
    QFile file(QDir(folder_).filePath(FromCp1252(fileName)));
    if (!file.open(QIODevice::ReadOnly)) return; // the page pane says what is missing
    const QByteArray bytes = file.readAll();
    for (const HelpEntry& entry : ParseHelpList(std::string_view(bytes.constData(), bytes.size()))) {
        auto* item = new QListWidgetItem(FromCp1252(entry.title), list);
        item->setData(kTargetRole, FromCp1252(entry.target));
    }
}

void HelpViewer::openItem(const QListWidgetItem* item) {
    if (item) showTarget(item->data(kTargetRole).toString());
}

void HelpViewer::findKeyword(const QString& typed) {
    const QString wanted = typed.trimmed();
    if (wanted.isEmpty()) return;
    for (int row = 0; row < keywords_->count(); ++row) {
        if (keywords_->item(row)->text().startsWith(wanted, Qt::CaseInsensitive)) {
            keywords_->setCurrentRow(row);
            keywords_->scrollToItem(keywords_->item(row), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

// Keeps the contents entry of the page shown selected, without opening it again. The browser
// reports the new page before source() answers with it, so the page comes from the signal.
void HelpViewer::markContentsEntry(const QUrl& shown) {
    const QString page = QFileInfo(shown.toLocalFile()).fileName();
    const QSignalBlocker quiet(contents_);
    contents_->clearSelection();
    for (int row = 0; row < contents_->count(); ++row) {
        if (pageOf(contents_->item(row)->data(kTargetRole).toString()) == page) {
            contents_->setCurrentRow(row);
            return;
        }
    }
}

void HelpViewer::showContents() {
    tabs_->setCurrentIndex(0);
    showTarget(FromCp1252(kHelpContentsPage));
}

void HelpViewer::showIndex() {
    tabs_->setCurrentIndex(kIndexTab);
    if (browser_->source().isEmpty()) showTarget(FromCp1252(kHelpContentsPage));
    keywordBox_->setFocus(Qt::OtherFocusReason);
    keywordBox_->selectAll();
}

void HelpViewer::showTopic(int32_t context) {
    const std::string page = HelpPageForContext(context);
    // A number without a topic opens the contents, where every topic can be found.
    showTarget(FromCp1252(page.empty() ? std::string(kHelpContentsPage) : page));
}

void HelpViewer::showTarget(const QString& target) {
    const QUrl url = HelpTargetUrl(folder_, target);
    if (url == browser_->source())
        browser_->reload();
    else
        browser_->setSource(url);
}

void HelpViewer::present() {
    // A modal dialog of the program blocks every window that is not its own: the help window
    // opened from such a dialog (F1, a Help button) is made the dialog's, so that it can be read.
    QWindow* owner = nullptr;
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this)
        owner = modal->windowHandle();
    winId(); // the window handle exists from now on
    windowHandle()->setTransientParent(owner);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void HelpViewer::placeOnScreen() {
    QSize size = kPreferredSize;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        size = size.boundedTo(area.size() * 9 / 10);
        resize(size);
        move(area.center() - QPoint(size.width() / 2, size.height() / 2));
        return;
    }
    resize(size);
}
