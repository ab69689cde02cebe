// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the reader's paragraphs as the HTML subset that QTextDocument understands: one <p> a
// paragraph with its margins and alignment, one <span> a run with its character format.
#include "app/rtf/rtf_to_html.h"

#include "app/rtf/rtf_reader.h"

namespace {

// Twips to the document's pixels (96 to the inch).
int Pixels(int32_t twips) {
    return static_cast<int>(twips / 15);
}

QString ParagraphStart(const RtfParaFormat& format, bool empty) {
    QString style = QStringLiteral("margin-top:%1px; margin-bottom:%2px; margin-left:%3px; text-indent:%4px; "
                                   "white-space:pre-wrap;")
                        .arg(Pixels(format.spaceBefore))
                        .arg(Pixels(format.spaceAfter))
                        .arg(Pixels(format.leftIndent))
                        .arg(Pixels(format.firstLineIndent));
    // Qt drops an empty <p> unless it is marked as an empty paragraph.
    if (empty) style.prepend(QStringLiteral("-qt-paragraph-type:empty; "));
    QString align;
    switch (format.align) {
    case RtfParaFormat::Align::Left:
        break;
    case RtfParaFormat::Align::Center:
        align = QStringLiteral(" align=\"center\"");
        break;
    case RtfParaFormat::Align::Right:
        align = QStringLiteral(" align=\"right\"");
        break;
    case RtfParaFormat::Align::Justify:
        align = QStringLiteral(" align=\"justify\"");
        break;
    }
    return QStringLiteral("<p%1 style=\"%2\">").arg(align, style);
}

QString RunStyle(const RtfCharFormat& format, const std::vector<RtfColour>& colours) {
    QString style;
    if (format.bold) style += QStringLiteral("font-weight:700; ");
    if (format.italic) style += QStringLiteral("font-style:italic; ");
    if (format.underline) style += QStringLiteral("text-decoration:underline; ");
    if (format.halfPoints > 0) style += QStringLiteral("font-size:%1pt; ").arg(format.halfPoints / 2.0);
    const auto index = static_cast<size_t>(format.colour);
    if (index > 0 && index < colours.size() && !colours[index].automatic) {
        const RtfColour& c = colours[index];
        style += QStringLiteral("color:#%1%2%3; ")
                     .arg(c.red, 2, 16, QLatin1Char('0'))
                     .arg(c.green, 2, 16, QLatin1Char('0'))
                     .arg(c.blue, 2, 16, QLatin1Char('0'));
    }
    return style.trimmed();
}

// The text with HTML's special characters escaped, line breaks as <br/>, and what cannot be
// shown (control characters, halves of a broken surrogate pair) left out or replaced.
QString EscapedText(const QString& text) {
    QString html;
    html.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            html += c;
            html += text[++i];
        } else if (c.isSurrogate()) {
            html += QChar(QChar::ReplacementCharacter);
        } else if (c == QChar::LineSeparator) {
            html += QStringLiteral("<br/>");
        } else if (c == u'&') {
            html += QStringLiteral("&amp;");
        } else if (c == u'<') {
            html += QStringLiteral("&lt;");
        } else if (c == u'>') {
            html += QStringLiteral("&gt;");
        } else if (c == u'"') {
            html += QStringLiteral("&quot;");
        } else if (c.unicode() >= 0x20 || c == u'\t') {
            html += c;
        }
    }
    return html;
}

QString ParagraphHtml(const RtfParagraph& paragraph, const std::vector<RtfColour>& colours) {
    QString body;
    for (const RtfRun& run : paragraph.runs) {
        const QString text = EscapedText(run.text);
        if (text.isEmpty()) continue;
        const QString style = RunStyle(run.format, colours);
        body += style.isEmpty() ? text : QStringLiteral("<span style=\"%1\">%2</span>").arg(style, text);
    }
    return ParagraphStart(paragraph.format, body.isEmpty()) + body + QStringLiteral("</p>");
}

} // namespace

QString RtfToHtml(std::string_view rtfBytes) {
    const RtfDocument document = ReadRtf(rtfBytes);
    QString html = QStringLiteral("<html><body>");
    for (const RtfParagraph& paragraph : document.paragraphs)
        html += ParagraphHtml(paragraph, document.colours);
    html += QStringLiteral("</body></html>");
    return html;
}
