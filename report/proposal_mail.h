// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plan > Send Proposal by E-mail…: the proposal as a PDF handed to the user's mail program.
#include "report/page_record.h"

#include <QString>
#include <QStringList>

// The command line that asks the desktop's mail program for a new message with the PDF attached.
QStringList MailArguments(const QString& subject, const QString& pdfFile);

// What the hand-off came to.
enum class MailHandOff {
    Opened,    // the mail program took the message (or is still opening it)
    NoProgram, // no mail program is configured, or the desktop's helper is missing
    Failed,    // the PDF could not be written to the private temporary folder
};

// Writes the page as "Yearly Proposal.pdf" to a new folder that only the user can read and runs
// xdg-email with it; `reason` says what went wrong when it is not Opened.
MailHandOff HandProposalToMail(const PageRecord& page, const QString& subject, std::string& reason);

// The menu command: the plan on the window, with a notice when it is not ready or nothing could
// take it, and Save as PDF offered when there is no mail program.
void SendProposalByEmail();
