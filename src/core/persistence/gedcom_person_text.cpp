#include "persistence/gedcom_person_text.h"

#include <array>

#include "settings/message_table.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

struct EventLabel {
    Msg key;
    const char *tag;
    bool isPlace;
};

constexpr std::array<EventLabel, 6> kEventLabels = {{
    {Msg::mDateOfBirth, "BIRT", false},
    {Msg::mPlaceOfBirth, "BIRT", true},
    {Msg::mDateOfDeath, "DEAT", false},
    {Msg::mPlaceOfDeath, "DEAT", true},
    {Msg::mBaptized, "BAPM", false},
    {Msg::mDateOfEndowment, "ENDL", false},
}};

}  // namespace

GedcomEventLabels::GedcomEventLabels(const MessageTable &messages) {
    const MessageTable builtIn;
    for (const EventLabel &label : kEventLabels) {
        for (const MessageTable *table : {&messages, &builtIn})
            labels_.push_back({toDocText(table->text(label.key)) + ": ", label.tag, label.isPlace});
    }
}

std::optional<GedcomEventLine> GedcomEventLabels::match(const std::string &line) const {
    for (const Label &label : labels_) {
        if (line.size() > label.prefix.size() &&
            line.compare(0, label.prefix.size(), label.prefix) == 0)
            return GedcomEventLine{label.tag, label.isPlace, line.substr(label.prefix.size())};
    }
    return std::nullopt;
}

GedcomPersonText SplitPersonText(const std::string &name, PlainTextLines lines,
                                 const GedcomEventLabels &labels) {
    GedcomPersonText text;
    std::size_t begin = 0;
    if (lines.size() >= 2 && !name.empty() && name.back() == ' ' &&
        name.find_first_of("\r\n/") == std::string::npos && lines[1].empty() &&
        lines[0].size() >= name.size() && lines[0].compare(0, name.size(), name) == 0 &&
        lines[0].find('/') == std::string::npos) {
        text.hasSurname = true;  // an empty one too: "Albert //" comes back as it went
        text.surname = lines[0].substr(name.size());
        begin = 2;
    }
    std::size_t end = lines.size();
    std::vector<GedcomEventLine> reversed;
    while (end > begin) {
        auto event = labels.match(lines[end - 1]);
        if (!event)
            break;
        reversed.push_back(std::move(*event));
        --end;
    }
    text.events.assign(reversed.rbegin(), reversed.rend());
    // The import puts a line break before each event line, so a person
    // without a note leaves one empty line before them.
    if (!text.events.empty() && end == begin + 1 && lines[begin].empty())
        end = begin;
    text.note.assign(lines.begin() + std::ptrdiff_t(begin), lines.begin() + std::ptrdiff_t(end));
    return text;
}

}  // namespace kinvarro
