// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A PDF file read back as a reader shows it: its text laid out by pdftotext (poppler-utils).
#include <QImage>
#include <QString>
#include <string>
#include <vector>

// The text of every page in UTF-8, laid out as on the page; empty when the file cannot be read.
std::string PdfText(const QString& pdfFile);
// pdfinfo's "Pages:" and "Page size:" lines; empty when the file cannot be read.
std::string PdfInfo(const QString& pdfFile);
// The first page as a grey picture at `dotsPerInch` (pdftoppm); null when it cannot be drawn.
QImage PdfPicture(const QString& pdfFile, int dotsPerInch);
// The mean difference of two grey pictures of one size, 0 (alike) to 255; 255 when the sizes differ.
double MeanDifference(const QImage& a, const QImage& b);

// One word of the first page as pdftotext -bbox places it, in points from the top-left corner:
// x from the start of its first letter to the end of its last, y over the font's whole height.
struct PdfWord {
    std::string text; // UTF-8
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};
// Every word of the first page; empty when the file cannot be read.
std::vector<PdfWord> PdfWords(const QString& pdfFile);
