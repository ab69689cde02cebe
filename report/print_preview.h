#pragma once
// The print preview: the finished page at a readable zoom, with zoom in and out, "Print..." (the
// system print dialog, any installed printer), "Save as PDF..." (a file dialog) and "Close".
// It is the window program's page sink, modal over the planner.
#include "report/page_record.h"

#include <QDialog>

class QLabel;
class QPushButton;

class PrintPreviewWindow : public QDialog {
    Q_OBJECT

  public:
    explicit PrintPreviewWindow(PageRecord page, QWidget* parent = nullptr);

    int zoomPercent() const;
    void zoomIn();
    void zoomOut();
    // Asks for a printer and prints the page on it; a printer that cannot start is told.
    void print();
    // Asks for a file name and writes the page there as a PDF; a file that cannot be written is told.
    void saveAsPdf();

  private:
    void showPage();

    PageRecord page_;
    size_t zoomStep_;
    QLabel* pageView_ = nullptr;
    QPushButton* zoomOutButton_ = nullptr;
    QPushButton* zoomInButton_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
};

// Shows the page in the preview, modal over the window in use (the planner), until it is
// closed. Returns true: the page was put before the user.
bool ShowPrintPreview(const PageRecord& page);
