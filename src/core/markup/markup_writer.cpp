#include "markup/markup_writer.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "text/doc_text.h"

namespace kinvarro {
namespace {

// The writer state; unset size, face and colour stand for the marker.
struct WriterState {
    Alignment alignment = Alignment::Left;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<std::int32_t> size;
    std::optional<QString> face;
    std::optional<TColor> colour;
};

void switchStyle(std::string &out, bool &state, bool value, const char *on, const char *off) {
    if (value == state)
        return;
    out += value ? on : off;
    state = value;
}

// Steps 2.1 to 2.7: the tags in front of a character with `at`.
void appendTags(std::string &out, WriterState &state, const PositionAttributes &at) {
    if (at.alignment != state.alignment) {
        switch (at.alignment) {
            case Alignment::Left:
                out += "<L>";
                break;
            case Alignment::Right:
                out += "<R>";
                break;
            case Alignment::Centre:
                out += "<C>";
                break;
            case Alignment::Other:
                break;
        }
        state.alignment = at.alignment;
    }
    const CharAttributes &a = at.character;
    switchStyle(out, state.bold, a.bold, "<B>", "</B>");
    switchStyle(out, state.italic, a.italic, "<I>", "</I>");
    switchStyle(out, state.underline, a.underline, "<U>", "</U>");
    if (state.size != a.size) {
        out += "<`S=" + std::to_string(a.size) + '>';
        state.size = a.size;
    }
    if (state.face != a.face) {
        out += "<`F=";
        out += toDocText(a.face);
        out += '>';
        state.face = a.face;
    }
    if (state.colour != a.colour) {
        out += "<`C=" + std::to_string(a.colour) + '>';
        state.colour = a.colour;
    }
}

// Whether the reader could take the '<' at `at` of `text` for the start of a
// tag: it is followed by a tag letter, a line break, or the end of the run
// (the next run may go on with such a letter).
bool couldStartTag(std::string_view text, std::size_t at) {
    if (at + 1 >= text.size())
        return true;
    switch (text[at + 1]) {
        case 'B':
        case 'I':
        case 'U':
        case '/':
        case 'L':
        case 'R':
        case 'C':
        case '`':
        case '\r':
            return true;
        default:
            return false;
    }
}

// Appends the text of a run. The markup has no escape, so a '<' that could
// begin a tag is followed by a tag that changes nothing: it ends the reader's
// tag candidate there, and the text reads back as typed.
void appendText(std::string &out, const WriterState &state, QStringView text) {
    const std::string bytes = toDocText(text);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out += bytes[i];
        if (bytes[i] == '<' && couldStartTag(bytes, i))
            out += state.underline ? "<U>" : "</U>";
    }
}

}  // namespace

std::string RichTextToMarkup(const RichTextDocument &doc) {
    const QString text = doc.plainText();
    std::string out;
    out.reserve(std::size_t(text.size()) + std::size_t(text.size() / 8) + 64);
    WriterState state;
    // A run reports the same attributes at every position, so the tags of
    // its first position are the only ones the per-position steps produce.
    for (qsizetype i = 0; i < text.size();) {
        const PositionAttributes at = doc.attributesAt(i);
        const qsizetype end = std::clamp(at.runEnd, i + 1, text.size());
        appendTags(out, state, at);
        appendText(out, state, QStringView(text).mid(i, end - i));
        i = end;
    }
    return out;
}

}  // namespace kinvarro
