// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print preview: the finished page as a document viewer shows it. It opens showing the whole
// page; "Fit Page", "Fit Width", zoom out and in by steps (buttons, Ctrl++ / Ctrl+-, Ctrl+wheel;
// Ctrl+0 shows the whole page again), "Print..." (the system print dialog, any installed
// printer), "Save as PDF..." (a file dialog) and "Close". It is the window program's page sink,
// modal over the planner.
#include "report/page_record.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollArea;

class PrintPreviewWindow : public QDialog {
    Q_OBJECT

  public:
    // How the zoom follows the window: the whole page, the page's width, or a fixed zoom.
    enum class Fit { Page, Width, None };

    explicit PrintPreviewWindow(PageRecord page, QWidget* parent = nullptr);

    Fit fit() const { return fit_; }
    // The page's size on screen in percent of its size on paper, rounded.
    int zoomPercent() const;
    void fitPage();
    void fitWidth();
    void zoomIn();
    void zoomOut();
    // Asks for a printer and prints the page on it; a printer that cannot start is told.
    void print();
    // Asks for a file name and writes the page there as a PDF; a file that cannot be written is told.
    void saveAsPdf();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void zoomTo(double zoom);
    // The zoom the current fit asks for in the scroll area's present size.
    double fittedZoom() const;
    void showPage();

    PageRecord page_;
    Fit fit_ = Fit::Page;
    double zoom_ = 1.0; // on-screen size / size on paper
    int wheelTurn_ = 0; // the part of a wheel step not yet zoomed by (high-resolution wheels)
    QScrollArea* scroll_ = nullptr;
    QLabel* pageView_ = nullptr;
    QPushButton* zoomOutButton_ = nullptr;
    QPushButton* zoomInButton_ = nullptr;
    QPushButton* fitPageButton_ = nullptr;
    QPushButton* fitWidthButton_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
};

// Shows the page in the preview, modal over the window in use (the planner), until it is
// closed. Returns true: the page was put before the user.
bool ShowPrintPreview(const PageRecord& page);
