#pragma once
// A PDF file read back as a reader shows it: its text laid out by pdftotext (poppler-utils).
#include <QString>
#include <string>

// The text of every page in UTF-8, laid out as on the page; empty when the file cannot be read.
std::string PdfText(const QString& pdfFile);
// pdfinfo's "Pages:" and "Page size:" lines; empty when the file cannot be read.
std::string PdfInfo(const QString& pdfFile);
