// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One print job sent to the print system (CUPS) and checked: the system's refusal reaches the caller
// in its own words instead of vanishing inside the painter.
#include <QByteArray>

#include <string>

class QPrinter;

struct PrintResult {
    bool ok = true;
    std::string reason; // the print system's reason when the job was refused or is stuck
    explicit operator bool() const { return ok; }
};

// Sends the PDF to the printer chosen in `printer` with its copies and duplex settings, titled
// `title` (code page 1252). Fails when the printer is unknown, the queue refuses the job, or the
// printer is stopped (the job then waits in its queue).
PrintResult SubmitPdfToPrinter(const QByteArray& pdf, const QPrinter& printer, const std::string& title);
