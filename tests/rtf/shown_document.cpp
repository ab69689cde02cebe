// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/rtf/shown_document.h"

#include "app/rtf/rtf_to_html.h"

#include <QTextBlock>
#include <ostream>

std::unique_ptr<QTextDocument> Show(std::string_view rtf) {
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(RtfToHtml(rtf));
    return document;
}

QStringList Paragraphs(const QTextDocument& document) {
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        paragraphs << block.text();
    return paragraphs;
}

QString ShownText(std::string_view rtf) {
    return Paragraphs(*Show(rtf)).join(u'\n');
}

std::optional<Look> LookOf(const QTextDocument& document, const QString& text) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.text().contains(text)) continue;
            const QTextCharFormat format = fragment.charFormat();
            Look look;
            look.bold = format.fontWeight() >= QFont::Bold;
            look.italic = format.fontItalic();
            look.underline = format.fontUnderline();
            look.points = format.fontPointSize();
            if (format.foreground().style() != Qt::NoBrush) look.colour = format.foreground().color().name();
            return look;
        }
    }
    return std::nullopt;
}

std::string Printable(const QString& text) {
    std::string out;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            out += static_cast<char>(c.unicode());
        else
            out += "<U+" + QString::number(c.unicode(), 16).toUpper().toStdString() + ">";
    }
    return out;
}

std::ostream& operator<<(std::ostream& out, const Look& look) {
    return out << (look.bold ? "bold " : "") << (look.italic ? "italic " : "")
               << (look.underline ? "underline " : "") << look.points << "pt colour '"
               << look.colour.toStdString() << "'";
}
