// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/rtf/rtf_reader.h"

#include "app/rtf/rtf_lexer.h"
#include "app/rtf/rtf_words.h"
#include "app/text/cp1252.h"

#include <algorithm>

namespace {

enum class Destination { Text, ColourTable, Skipped };

// Formatting is scoped by groups: each group starts with a copy of its parent's state.
struct GroupState {
    RtfCharFormat chars;
    RtfParaFormat para;
    int32_t unicodeFallback = 1; // \ucN: characters after \uN that stand in for it
    Destination destination = Destination::Text;
};

// Deeper groups are still counted but share the state of the deepest kept one, so a file of
// nothing but "{" cannot use up memory.
constexpr size_t kMaxKeptDepth = 512;
// Limits that keep absurd parameters from reaching the layout: 500 points, 22 inches.
constexpr int32_t kMaxHalfPoints = 1000;
constexpr int32_t kMaxTwips = 31680;
constexpr int32_t kMaxUnicodeFallback = 255;

bool SwitchedOn(const RtfToken& word) {
    return !word.hasParam || word.param != 0;
}

class RtfReader {
  public:
    explicit RtfReader(std::string_view bytes) : lexer_(bytes) {}
    RtfDocument Read();

  private:
    GroupState& State() { return groups_.back(); }
    void OpenGroup();
    bool CloseGroup(); // false once the outermost group has closed
    void OnText(std::string_view bytes);
    void OnSymbol(char symbol);
    void OnWord(const RtfToken& word);
    bool OnDestinationWord(const RtfToken& word);
    bool OnParagraphWord(const RtfToken& word);
    bool OnCharacterWord(const RtfToken& word);
    void OnColourTableWord(const RtfToken& word);
    void OnColourTableText(std::string_view bytes);
    void OnUnicode(const RtfToken& word);
    bool DropAsFallback(); // the token stands in for the \uN just read
    void Append(const QString& text);
    void EndParagraph();

    RtfLexer lexer_;
    RtfDocument document_;
    RtfParagraph paragraph_;
    std::vector<GroupState> groups_{GroupState{}};
    size_t uncountedDepth_ = 0;
    int32_t fallbackLeft_ = 0;
    RtfColour colourEntry_;
};

RtfDocument RtfReader::Read() {
    for (RtfToken token = lexer_.Next(); token.kind != RtfToken::Kind::End; token = lexer_.Next()) {
        using Kind = RtfToken::Kind;
        if (token.kind == Kind::GroupOpen) {
            OpenGroup();
            continue;
        }
        if (token.kind == Kind::GroupClose) {
            if (!CloseGroup()) break;
            continue;
        }
        if (token.kind == Kind::Word && token.name == "bin") {
            lexer_.SkipBytes(token.param); // binary data, wherever it is
            continue;
        }
        const Destination destination = State().destination;
        if (destination == Destination::Skipped) continue;
        if (token.kind == Kind::Text) {
            OnText(token.name);
        } else if (DropAsFallback()) {
            continue; // it stands in for the \uN just read
        } else if (token.kind == Kind::Word) {
            OnWord(token);
        } else if (destination == Destination::ColourTable) {
            continue; // escapes and symbols mean nothing in the colour table
        } else if (token.kind == Kind::HexByte) {
            const char byte = static_cast<char>(token.byte);
            Append(FromCp1252(std::string_view(&byte, 1)));
        } else {
            OnSymbol(token.symbol);
        }
    }
    if (std::any_of(paragraph_.runs.begin(), paragraph_.runs.end(),
                    [](const RtfRun& r) { return !r.text.isEmpty(); }))
        EndParagraph();
    return std::move(document_);
}

void RtfReader::OnText(std::string_view bytes) {
    const auto dropped = std::min<size_t>(static_cast<size_t>(fallbackLeft_), bytes.size());
    bytes.remove_prefix(dropped);
    fallbackLeft_ -= static_cast<int32_t>(dropped);
    if (State().destination == Destination::ColourTable)
        OnColourTableText(bytes);
    else
        Append(FromCp1252(bytes));
}

void RtfReader::OnSymbol(char symbol) {
    if (symbol == '*')
        State().destination = Destination::Skipped; // an optional destination we do not know
    else if (symbol == '\n' || symbol == '\r')
        EndParagraph(); // a backslash before a line end is a paragraph end
    else if (const auto character = SymbolCharacter(symbol))
        Append(QString(*character));
}

void RtfReader::OpenGroup() {
    fallbackLeft_ = 0;
    if (groups_.size() < kMaxKeptDepth)
        groups_.push_back(State());
    else
        ++uncountedDepth_;
}

bool RtfReader::CloseGroup() {
    fallbackLeft_ = 0;
    if (uncountedDepth_ > 0) {
        --uncountedDepth_;
        return true;
    }
    groups_.pop_back();
    return groups_.size() > 1; // the first entry is the state outside the document's group
}

bool RtfReader::DropAsFallback() {
    if (fallbackLeft_ <= 0) return false;
    --fallbackLeft_;
    return true;
}

void RtfReader::OnWord(const RtfToken& word) {
    if (OnDestinationWord(word)) return;
    if (State().destination == Destination::ColourTable) {
        OnColourTableWord(word);
        return;
    }
    if (OnParagraphWord(word) || OnCharacterWord(word)) return;
    if (word.name == "u") {
        OnUnicode(word);
    } else if (const auto character = SymbolWordCharacter(word.name)) {
        Append(QString(*character));
    }
    // Any other word is one we do not need: it is passed over.
}

bool RtfReader::OnDestinationWord(const RtfToken& word) {
    if (word.name == "colortbl") {
        State().destination = Destination::ColourTable;
        document_.colours.clear();
        colourEntry_ = {};
        return true;
    }
    if (!IsSkippedDestination(word.name)) return false;
    State().destination = Destination::Skipped;
    return true;
}

bool RtfReader::OnParagraphWord(const RtfToken& word) {
    RtfParaFormat& para = State().para;
    const std::string_view name = word.name;
    const int32_t twips = std::clamp(word.param, -kMaxTwips, kMaxTwips);
    if (name == "par" || name == "sect" || name == "page" || name == "row")
        EndParagraph();
    else if (name == "pard")
        para = {};
    else if (name == "ql")
        para.align = RtfParaFormat::Align::Left;
    else if (name == "qc")
        para.align = RtfParaFormat::Align::Center;
    else if (name == "qr")
        para.align = RtfParaFormat::Align::Right;
    else if (name == "qj")
        para.align = RtfParaFormat::Align::Justify;
    else if (name == "li")
        para.leftIndent = twips;
    else if (name == "fi")
        para.firstLineIndent = twips;
    else if (name == "sb")
        para.spaceBefore = std::max(0, twips);
    else if (name == "sa")
        para.spaceAfter = std::max(0, twips);
    else
        return false;
    return true;
}

bool RtfReader::OnCharacterWord(const RtfToken& word) {
    GroupState& state = State();
    RtfCharFormat& chars = state.chars;
    const std::string_view name = word.name;
    if (name == "plain")
        chars = {};
    else if (name == "b")
        chars.bold = SwitchedOn(word);
    else if (name == "i")
        chars.italic = SwitchedOn(word);
    else if (name == "ul" || IsUnderlineVariant(name))
        chars.underline = SwitchedOn(word);
    else if (name == "ulnone")
        chars.underline = false;
    else if (name == "fs")
        chars.halfPoints = word.hasParam ? std::clamp(word.param, 0, kMaxHalfPoints) : 24;
    else if (name == "cf")
        chars.colour = std::max(0, word.param);
    else if (name == "uc")
        state.unicodeFallback = std::clamp(word.param, 0, kMaxUnicodeFallback);
    else
        return false;
    return true;
}

void RtfReader::OnColourTableWord(const RtfToken& word) {
    const int value = std::clamp(word.param, 0, 255);
    if (word.name == "red")
        colourEntry_.red = value;
    else if (word.name == "green")
        colourEntry_.green = value;
    else if (word.name == "blue")
        colourEntry_.blue = value;
    else
        return;
    colourEntry_.automatic = false;
}

void RtfReader::OnColourTableText(std::string_view bytes) {
    // Each ";" ends an entry; an entry with no colour words is the automatic colour.
    for (char c : bytes) {
        if (c != ';') continue;
        document_.colours.push_back(colourEntry_);
        colourEntry_ = {};
    }
}

void RtfReader::OnUnicode(const RtfToken& word) {
    if (!word.hasParam) return;
    // The parameter is a signed 16-bit number: characters above U+7FFF come negative.
    const int64_t code = word.param < 0 ? int64_t{word.param} + 65536 : word.param;
    if (code > 0 && code <= 0x10FFFF) {
        const char32_t character = static_cast<char32_t>(code);
        Append(QString::fromUcs4(&character, 1));
    }
    fallbackLeft_ = State().unicodeFallback;
}

void RtfReader::Append(const QString& text) {
    if (text.isEmpty()) return;
    const RtfCharFormat& format = State().chars;
    if (paragraph_.runs.empty() || !(paragraph_.runs.back().format == format))
        paragraph_.runs.push_back(RtfRun{format, {}});
    paragraph_.runs.back().text += text;
}

void RtfReader::EndParagraph() {
    paragraph_.format = State().para;
    document_.paragraphs.push_back(std::move(paragraph_));
    paragraph_ = {};
}

// RTF starts with "{\rtf"; a file cut off inside those five bytes is still taken as RTF.
bool StartsAsRtf(std::string_view bytes) {
    constexpr std::string_view kHeader = "{\\rtf";
    const size_t first = bytes.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return false;
    const std::string_view start = bytes.substr(first);
    return start.starts_with(kHeader) || kHeader.starts_with(start);
}

// Text that is not RTF is shown as it stands, one paragraph a line.
RtfDocument ReadPlainText(std::string_view bytes) {
    RtfDocument document;
    while (!bytes.empty()) {
        const size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        RtfParagraph paragraph;
        if (!line.empty()) paragraph.runs.push_back(RtfRun{{}, FromCp1252(line)});
        document.paragraphs.push_back(std::move(paragraph));
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
    }
    return document;
}

} // namespace

RtfDocument ReadRtf(std::string_view bytes) {
    if (!StartsAsRtf(bytes)) return ReadPlainText(bytes);
    bytes.remove_prefix(bytes.find('{'));
    return RtfReader(bytes).Read();
}
