#pragma once
// The PDF mode of the program: the yearly proposal of a plan written to a PDF file, without a
// window on the screen, an update check or the single-instance guard.
#include "app/files/safe_file.h"
#include "report/proposal_inputs.h"

#include <QString>
#include <functional>

struct PdfRequest {
    QString pdfFile;
    QString planFile; // a settings file whose [Info] section is the plan; empty: the data folder's QMK.ini
    // Writes something else of the plan to pdfFile (the CSV table); empty: the proposal as a PDF.
    std::function<FileResult(const ProposalInputs&, const QString& file)> writeInstead = {};
};

// Reads the plan into a planner window that is never shown, by the rules of the window's own
// start, and writes its proposal to the PDF file. Nothing is written to the data folder except
// Categories.dat when it is missing. Needs a QApplication (on the offscreen platform). Returns
// the exit code: 0 when the PDF was written; 1, with one line on stderr, when the plan is one the
// window would not print or the file could not be read or written.
int RunPdfMode(const PdfRequest& request);

// stderr carries the PDF mode's one-line answer, so Qt's own notes about the environment (no
// XDG_RUNTIME_DIR, say) are left out; its critical and fatal messages still show. Installed
// before the QApplication is made.
void KeepQtNotesOffStderr();
