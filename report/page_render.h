// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws a recorded page with QPainter: on a picture, a preview, a printer or a PDF file.
#include "app/files/safe_file.h"
#include "report/page_record.h"
#include "report/print_job.h"

#include <QByteArray>
#include <optional>

#include <QImage>
#include <QString>

class QPainter;
class QPrinter;

// Draws the page with its top-left corner at the painter's origin, `dotsPerInch` painter units
// to the inch. The painter's own transform, if any, applies on top.
void PaintPage(const PageRecord& page, QPainter& painter, double dotsPerInch);

// The whole page as a picture on white paper at `dotsPerInch`.
QImage RenderPageImage(const PageRecord& page, double dotsPerInch);

// The page as a one-page PDF (US Letter, portrait, no margins) titled with the page's title;
// nothing when it could not be drawn.
std::optional<QByteArray> ProposalPdfBytes(const PageRecord& page);

// Writes that PDF to the file through the program's safe writer: an existing file is replaced only
// once the new one is whole, and a failure says why.
FileResult WriteProposalPdf(const PageRecord& page, const QString& path);

// Prints the page on one sheet of the chosen printer (or into the file chosen in the print dialog):
// the PDF goes to the print system as one job. A job that the print system refuses, or that waits
// on a stopped printer, is a failure with the print system's reason.
PrintResult PrintPageOn(QPrinter& printer, const PageRecord& page);
