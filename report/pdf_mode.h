// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The PDF mode of the program: the yearly proposal of a plan written to a PDF file, without a
// window on the screen, an update check or the single-instance guard.
#include "app/files/safe_file.h"
#include "report/proposal_inputs.h"

#include <QString>
#include <QStringList>

#include <functional>

struct PdfRequest {
    QString pdfFile;
    QString planFile;  // a settings file whose [Info] section is the plan; empty: the data folder's QMK.ini
    QStringList plans; // plan files (.qmplan): one with pdfFile, or any number with pdfFolder
    QString pdfFolder; // --pdf-dir: each plan to <folder>/<plan's base name>.pdf
    // Writes something else of the plan to pdfFile (the CSV table); empty: the proposal as a PDF.
    std::function<FileResult(const ProposalInputs&, const QString& file)> writeInstead = {};
};

// Reads the plan of QMK.ini or of --plan into a planner window that is never shown, by the rules
// of the window's own start, or takes each plan file as the window would show it (no window is
// needed for those), and writes the proposal to the PDF file. Nothing is written to the data
// folder except Categories.dat when it is missing and a window is built. Needs a QApplication (a
// QGuiApplication for plan files alone), on the offscreen platform. Returns
// the exit code: 0 when every PDF was written; 1, with one line on stderr for each plan that
// failed (the others are still printed), when a plan is one the window would not print or a
// file could not be read or written.
int RunPdfMode(const PdfRequest& request);

// stderr carries the PDF mode's one-line answer, so Qt's own notes about the environment (no
// XDG_RUNTIME_DIR, say) are left out; its critical and fatal messages still show. Installed
// before the QApplication is made.
void KeepQtNotesOffStderr();
