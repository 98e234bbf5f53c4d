#include "markup/plain_text_lines.h"

#include <QTextBlock>
#include <QTextDocument>

#include "markup/markup_value.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

constexpr char16_t kLineSeparator = 0x2028;  // a line break inside a paragraph

// Follows the markup reader's tag rules, keeping only the characters it
// would place and where its line breaks fall.
class PlainTextScanner {
  public:
    explicit PlainTextScanner(PlainTextLines &lines) : lines_(lines) {}

    void scan(std::string_view markup);

  private:
    void text(char c) {
        any_ = true;
        if (c == '\n')
            lines_.emplace_back();
        else
            lines_.back() += c;
    }
    void lineBreak() {
        any_ = true;
        lines_.emplace_back();
    }
    void flushCandidate() {
        if (candidate_.empty())
            return;
        for (char c : candidate_)
            text(c);
        candidate_.clear();
    }
    void appendText(char c) {
        flushCandidate();
        text(c);
    }
    bool isSwitchTag() const {
        static constexpr std::string_view kTags[] = {"<B",  "</B", "<I", "</I", "<U",
                                                     "</U", "<L",  "<R", "<C"};
        for (std::string_view tag : kTags) {
            if (candidate_ == tag)
                return true;
        }
        return false;
    }

    PlainTextLines &lines_;
    std::string candidate_;
    bool any_ = false;
};

void PlainTextScanner::scan(std::string_view markup) {
    lines_.assign(1, std::string());
    const std::size_t n = markup.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = markup[i];
        const char next = i + 1 < n ? markup[i + 1] : '\0';
        switch (c) {
            case '\r':
                // A lone CR is dropped; CR LF breaks the line and keeps the candidate.
                if (next == '\n') {
                    lineBreak();
                    ++i;
                }
                break;
            case '<':
                flushCandidate();
                candidate_ = "<";
                break;
            case '/':
                if (candidate_ == "<")
                    candidate_ = "</";
                else
                    appendText(c);
                break;
            case 'B':
            case 'I':
            case 'U':
                if (candidate_ == "<" || candidate_ == "</")
                    candidate_ += c;
                else
                    appendText(c);
                break;
            case 'C':
            case 'S':
            case 'F':
                if (candidate_ == "<`" && next == '=') {
                    const std::size_t start = i + 2;
                    const std::size_t close = markup.find('>', start);
                    const std::string_view value = markup.substr(
                        start, close == std::string_view::npos ? n - start : close - start);
                    // As the reader: a size or colour that is no number is text.
                    if (c != 'F' && !parseMarkupInteger(value)) {
                        appendText(c);
                        break;
                    }
                    i = close == std::string_view::npos ? n : close;
                    candidate_.clear();
                } else if (c == 'C' && candidate_ == "<") {
                    candidate_ = "<C";
                } else {
                    appendText(c);
                }
                break;
            case 'L':
            case 'R':
            case '`':
                if (candidate_ == "<")
                    candidate_ += c;
                else
                    appendText(c);
                break;
            case '>':
                if (isSwitchTag())
                    candidate_.clear();
                else
                    appendText(c);
                break;
            default:
                appendText(c);
                break;
        }
    }
    flushCandidate();
    if (!any_)
        lines_.clear();
}

}  // namespace

PlainTextLines RichTextPlainLines(const QTextDocument &doc) {
    PlainTextLines lines;
    if (doc.isEmpty())
        return lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (QStringView line : QStringView(text).split(QChar(kLineSeparator)))
            lines.push_back(toDocText(line));
    }
    return lines;
}

PlainTextLines MarkupPlainLines(std::string_view markup) {
    if (const std::size_t nul = markup.find('\0'); nul != std::string_view::npos)
        markup = markup.substr(0, nul);
    PlainTextLines lines;
    PlainTextScanner(lines).scan(markup);
    return lines;
}

}  // namespace kinvarro
