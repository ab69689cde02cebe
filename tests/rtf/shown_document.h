// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a reader of the history page sees of an RTF text: the HTML of RtfToHtml put through
// QTextDocument, as the rich-text view does.
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <memory>
#include <optional>
#include <string_view>

struct Look {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    double points = 0; // 0: the view's own size
    QString colour;    // "#rrggbb"; empty: the view's own colour
    friend bool operator==(const Look&, const Look&) = default;

    // Built up in the tables of expected looks: Look().Bold().Points(10)
    Look Bold() const {
        return With([](Look& l) { l.bold = true; });
    }
    Look Italic() const {
        return With([](Look& l) { l.italic = true; });
    }
    Look Underline() const {
        return With([](Look& l) { l.underline = true; });
    }
    Look Points(double size) const {
        return With([size](Look& l) { l.points = size; });
    }
    Look Colour(const QString& name) const {
        return With([&name](Look& l) { l.colour = name; });
    }

  private:
    template <typename Change> Look With(Change change) const {
        Look changed = *this;
        change(changed);
        return changed;
    }
};

std::unique_ptr<QTextDocument> Show(std::string_view rtf);

// The text of each paragraph (a line break within one is U+2028).
QStringList Paragraphs(const QTextDocument& document);
// All paragraphs joined with "\n".
QString ShownText(std::string_view rtf);

// The look of the first stretch of equally formatted text that holds `text`; nullopt when no
// such stretch holds all of it.
std::optional<Look> LookOf(const QTextDocument& document, const QString& text);

// For the messages of failed checks.
std::string Printable(const QString& text);
std::ostream& operator<<(std::ostream& out, const Look& look);
