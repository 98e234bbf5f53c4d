#include "markup/markup_reader.h"

#include <string>

#include "markup/markup_value.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

// The reader state: attributes, pending run and tag candidate.
class Reader {
  public:
    explicit Reader(RichTextDocument &doc) : doc_(doc) {}

    void read(std::string_view markup);

  private:
    // Places the pending run with the current attributes (step 4).
    void place() {
        if (pending_.empty())
            return;
        doc_.appendRun(alignment_, fromDocText(pending_), attributes_);
        pending_.clear();
    }
    // Ordinary text: the unfinished candidate, then `c`.
    void appendText(char c) {
        pending_ += candidate_;
        pending_ += c;
        candidate_.clear();
    }
    bool applySwitchTag();
    bool applyValueTag(char tag, std::string_view value);

    RichTextDocument &doc_;
    CharAttributes attributes_;
    Alignment alignment_ = Alignment::Left;
    std::string pending_;
    std::string candidate_;
};

// At ">": sets the attribute the candidate names; false when it names none.
bool Reader::applySwitchTag() {
    struct SwitchTag {
        std::string_view candidate;
        bool CharAttributes::*style;
        bool on;
        Alignment alignment;
    };
    static constexpr SwitchTag kTags[] = {
        {"<B", &CharAttributes::bold, true, {}},
        {"</B", &CharAttributes::bold, false, {}},
        {"<I", &CharAttributes::italic, true, {}},
        {"</I", &CharAttributes::italic, false, {}},
        {"<U", &CharAttributes::underline, true, {}},
        {"</U", &CharAttributes::underline, false, {}},
        {"<L", nullptr, false, Alignment::Left},
        {"<R", nullptr, false, Alignment::Right},
        {"<C", nullptr, false, Alignment::Centre},
    };
    for (const SwitchTag &tag : kTags) {
        if (candidate_ != tag.candidate)
            continue;
        place();
        if (tag.style)
            attributes_.*tag.style = tag.on;
        else
            alignment_ = tag.alignment;
        return true;
    }
    return false;
}

// Sets the attribute of a value tag; false, changing nothing, when a size or
// colour is not an integer.
bool Reader::applyValueTag(char tag, std::string_view value) {
    if (tag == 'F') {
        place();
        attributes_.face = fromDocText(value);
        return true;
    }
    const std::optional<std::int32_t> number = parseMarkupInteger(value);
    if (!number)
        return false;
    place();
    if (tag == 'S')
        attributes_.size = *number;
    else
        attributes_.colour = *number;
    return true;
}

void Reader::read(std::string_view markup) {
    const std::size_t n = markup.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = markup[i];
        const char next = i + 1 < n ? markup[i + 1] : '\0';
        switch (c) {
            case '\r':
                // The candidate stays as it is, whether or not LF follows.
                if (next == '\n') {
                    pending_ += "\r\n";
                    ++i;
                }
                break;
            case '<':
                pending_ += candidate_;
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
                    // Value tag: up to the next ">", or to the end of the markup.
                    const std::size_t start = i + 2;
                    const std::size_t close = markup.find('>', start);
                    const std::string_view value = markup.substr(
                        start, close == std::string_view::npos ? n - start : close - start);
                    // A size or colour that is no number makes no tag: its
                    // characters are read on as text, so whatever a user typed
                    // never makes a document unreadable.
                    if (!applyValueTag(c, value)) {
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
                if (!applySwitchTag()) {
                    pending_ += candidate_;
                    pending_ += '>';
                }
                candidate_.clear();
                break;
            default:
                appendText(c);
                break;
        }
    }
    pending_ += candidate_;
    candidate_.clear();
    place();
}

}  // namespace

void MarkupToRichText(std::string_view markup, RichTextDocument &doc) {
    doc.clear();
    if (const std::size_t nul = markup.find('\0'); nul != std::string_view::npos)
        markup = markup.substr(0, nul);
    const RichTextDocument::Load load(doc);
    Reader(doc).read(markup);
}

}  // namespace kinvarro
