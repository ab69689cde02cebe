#pragma once
// Draws a recorded page with QPainter: on a picture, a preview, a printer or a PDF file.
#include "report/page_record.h"

#include <QImage>
#include <QString>

class QPainter;
class QPrinter;

// Draws the page with its top-left corner at the painter's origin, `dotsPerInch` painter units
// to the inch. The painter's own transform, if any, applies on top.
void PaintPage(const PageRecord& page, QPainter& painter, double dotsPerInch);

// The whole page as a picture on white paper at `dotsPerInch`.
QImage RenderPageImage(const PageRecord& page, double dotsPerInch);

// Prints the page on one sheet of the printer, measured from the paper's corner. Returns false
// when the printer could not be started.
bool PrintPageOn(QPrinter& printer, const PageRecord& page);

// Writes the page as a one-page PDF (US Letter, portrait, no margins) titled with the page's
// title. An existing file is replaced only once the new one is whole. Returns false when the
// file could not be written.
bool WriteProposalPdf(const PageRecord& page, const QString& path);
