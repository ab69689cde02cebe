// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reader for plain RTF, as the About dialog's history page needs it. It understands groups,
// paragraphs and line breaks, bold, italic, underline, font sizes, colours from the colour table,
// tabs, the \'hh escapes (code page 1252) and \uN characters, and skips the destinations and
// control words it does not know. Input that does not start as RTF ("{\rtf") is shown as plain
// text, a paragraph a line. Broken or truncated input gives whatever could be read before the fault.
#include <QString>
#include <string_view>

// HTML that QTextDocument::setHtml shows as the document reads.
QString RtfToHtml(std::string_view rtfBytes);
