#include "persistence/gedcom_reader.h"

#include "persistence/gedcom_gauge.h"
#include "persistence/gedcom_lines.h"
#include "settings/message_table.h"
#include "text/ascii_upper.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

enum class RecordState { None, Header, Individual, Family, NoteRecord, MediaRecord };
enum class EventContext { None, Note, Birth, Death, Baptism, Endowment, Media };

constexpr std::string_view kLineBreak = "\r\n";

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// "2 CONT" matches "2 CONT" and "2 CONT text", not "2 CONTX".
bool isTag(std::string_view upper, std::string_view tag) {
    return startsWith(upper, tag) && (upper.size() == tag.size() || upper[tag.size()] == ' ');
}

// A line's text after "<level> <tag> ", or nothing when the tag ends the line.
std::string_view textAfter(std::string_view line, std::size_t tagLength) {
    return line.size() > tagLength + 1 ? line.substr(tagLength + 1) : std::string_view();
}

// A level-1 line's text after "1 TAG ".
std::string_view textAfterTag(std::string_view line) {
    return textAfter(line, 6);
}

// A level-2 line's text after "2 TAG", starting with the separating blank.
std::string_view valueOf(std::string_view line) {
    return line.size() > 6 ? line.substr(6) : std::string_view();
}

// "@N1@" alone: a pointer to a record; anything else is text.
std::string pointerIn(std::string_view value) {
    while (!value.empty() && value.back() == ' ')
        value.remove_suffix(1);
    if (value.size() < 3 || value.front() != '@' || value.back() != '@' ||
        value.substr(1, value.size() - 2).find_first_of("@ ") != std::string_view::npos)
        return {};
    return std::string(value.substr(1, value.size() - 2));
}

GedcomReference noteFrom(std::string_view value) {
    GedcomReference note;
    note.pointer = pointerIn(value);
    if (note.pointer.empty())
        note.text = value;
    return note;
}

// The parts of a level-0 line "0 [@ID@ ]TAG [text]".
struct RecordStart {
    std::string_view id;
    std::string tag;  ///< upper-cased
    std::string_view text;
};

RecordStart splitRecordStart(std::string_view line) {
    RecordStart start;
    std::string_view rest = line.substr(2);
    if (!rest.empty() && rest.front() == '@') {
        const std::size_t close = rest.find('@', 1);
        if (close != std::string_view::npos) {
            start.id = rest.substr(1, close - 1);
            rest.remove_prefix(close + 1);
        }
    }
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    const std::size_t blank = rest.find(' ');
    start.tag = UpperAscii(rest.substr(0, blank));
    if (blank != std::string_view::npos)
        start.text = rest.substr(blank + 1);
    return start;
}

class RecordReader {
  public:
    RecordReader(const MessageTable &messages, GedcomRecords &records)
        : records_(records),
          dateOfBirth_(toDocText(messages.text(Msg::mDateOfBirth))),
          dateOfDeath_(toDocText(messages.text(Msg::mDateOfDeath))),
          baptized_(toDocText(messages.text(Msg::mBaptized))),
          dateOfEndowment_(toDocText(messages.text(Msg::mDateOfEndowment))),
          placeOfBirth_(toDocText(messages.text(Msg::mPlaceOfBirth))),
          placeOfDeath_(toDocText(messages.text(Msg::mPlaceOfDeath))) {}

    /// `line` is trimmed; `untrimmed` keeps its trailing blanks.
    GedcomReadOutcome line(std::string_view line, std::string_view untrimmed) {
        upper_ = UpperAscii(line);
        untrimmed_ = untrimmed;
        if (startsWith(line, "0 "))
            return startRecord(untrimmed);
        if (state_ == RecordState::Individual && upper_ == "1 SEX M") {
            records_.individuals.back().sex = 1;
            return GedcomReadOutcome::Complete;
        }
        switch (state_) {
            case RecordState::Header:
                headerLine();
                break;
            case RecordState::Individual:
                individualLine(line);
                break;
            case RecordState::Family:
                familyLine(line);
                break;
            case RecordState::NoteRecord:
                noteRecordLine();
                break;
            case RecordState::MediaRecord:
                if (isTag(upper_, "1 FILE"))
                    addFile(records_.mediaRecords[mediaRecordId_], textAfterTag(line));
                break;
            case RecordState::None:
                break;
        }
        return GedcomReadOutcome::Complete;
    }

  private:
    GedcomReadOutcome startRecord(std::string_view line) {
        context_ = EventContext::None;
        currentNote_ = nullptr;
        const RecordStart start = splitRecordStart(line);
        if (start.tag == "HEAD") {
            state_ = RecordState::Header;
            records_.headerNotes.clear();
        } else if (start.tag == "INDI") {
            if (records_.individuals.size() >= kMaxGedcomIndividuals)
                return GedcomReadOutcome::TooManyIndividuals;
            GedcomIndividual &person = records_.individuals.emplace_back();
            state_ = RecordState::Individual;
            person.id = std::string(start.id);
        } else if (start.tag == "FAM") {
            if (records_.families.size() >= kMaxGedcomFamilies) {
                ++records_.droppedFamilies;
                state_ = RecordState::None;
            } else {
                records_.families.emplace_back();
                state_ = RecordState::Family;
            }
        } else if ((start.tag == "NOTE" || start.tag == "SNOTE") && !start.id.empty()) {
            state_ = RecordState::NoteRecord;
            std::string &text = records_.noteRecords[std::string(start.id)];
            text = start.text;
            currentNote_ = &text;
        } else if (start.tag == "OBJE" && !start.id.empty()) {
            state_ = RecordState::MediaRecord;
            mediaRecordId_ = start.id;
            records_.mediaRecords[mediaRecordId_];
        } else {
            state_ = RecordState::None;
        }
        return GedcomReadOutcome::Complete;
    }

    static void addFile(std::vector<std::string> &files, std::string_view path) {
        if (!path.empty())
            files.emplace_back(path);
    }

    void headerLine() {
        if (startsWith(upper_, "1 ")) {
            context_ = EventContext::None;
            currentNote_ = nullptr;
            if (isTag(upper_, "1 NOTE"))
                openNote(records_.headerNotes, textAfterTag(untrimmed_));
            else if (isTag(upper_, "1 SNOTE"))
                openNote(records_.headerNotes, textAfter(untrimmed_, 7));
        }
        continuation("2 ");
    }

    void individualLine(std::string_view line) {
        GedcomIndividual &person = records_.individuals.back();
        if (upper_ == "1 SEX F") {
            person.sex = 2;
            return;
        }
        if (startsWith(upper_, "1 ")) {
            context_ = EventContext::None;
            currentNote_ = nullptr;
            if (isTag(upper_, "1 NAME")) {
                // GEDCOM lists the preferred name first.
                if (!person.hasName) {
                    person.name = textAfterTag(line);
                    person.hasName = true;
                }
            } else if (isTag(upper_, "1 NOTE")) {
                openNote(person.notes, textAfterTag(untrimmed_));
            } else if (isTag(upper_, "1 SNOTE")) {
                openNote(person.notes, textAfter(untrimmed_, 7));
            } else if (isTag(upper_, "1 OBJE")) {
                GedcomReference link;
                link.pointer = pointerIn(textAfterTag(line));
                if (!link.pointer.empty())
                    person.mediaLinks.push_back(std::move(link));
                else
                    context_ = EventContext::Media;
            } else if (startsWith(upper_, "1 BIRT")) {
                context_ = EventContext::Birth;
            } else if (startsWith(upper_, "1 DEAT")) {
                context_ = EventContext::Death;
            } else if (startsWith(upper_, "1 BAPL") || startsWith(upper_, "1 BAPM")) {
                context_ = EventContext::Baptism;
            } else if (startsWith(upper_, "1 ENDL")) {
                context_ = EventContext::Endowment;
            }
        }
        continuation("2 ");
        if (context_ == EventContext::Media && isTag(upper_, "2 FILE")) {
            const std::string_view path = textAfter(line, 6);
            if (!path.empty())
                person.mediaLinks.push_back(GedcomReference{std::string(path), {}});
        } else if (startsWith(upper_, "2 DATE ")) {
            if (const std::string *label = dateLabel())
                appendLabelled(person.events, *label, valueOf(line));
        } else if (startsWith(upper_, "2 PLAC ")) {
            if (const std::string *label = placeLabel())
                appendLabelled(person.events, *label, valueOf(line));
        }
    }

    void familyLine(std::string_view line) {
        if (!startsWith(upper_, "1 "))
            return;
        context_ = EventContext::None;
        GedcomFamily &family = records_.families.back();
        if (startsWith(upper_, "1 HUSB ")) {
            family.husband = StripXref(textAfterTag(line));
            family.hasHusband = true;
        } else if (startsWith(upper_, "1 WIFE ")) {
            family.wife = StripXref(textAfterTag(line));
            family.hasWife = true;
        } else if (startsWith(upper_, "1 CHIL ")) {
            family.children.push_back(StripXref(textAfterTag(line)));
        }
    }

    void noteRecordLine() { continuation("1 "); }

    // A NOTE line opens a note that its CONT and CONC lines continue; a
    // pointer to a note record has no continuation of its own.
    void openNote(std::vector<GedcomReference> &notes, std::string_view value) {
        GedcomReference &note = notes.emplace_back(noteFrom(value));
        context_ = EventContext::Note;
        currentNote_ = note.pointer.empty() ? &note.text : nullptr;
    }

    // GEDCOM's value starts after the one blank that follows the tag: a CONC
    // joins inside a word, and its own blanks are kept.
    void continuation(std::string_view level) {
        if (!currentNote_ || !startsWith(upper_, level))
            return;
        const std::string_view tag = std::string_view(upper_).substr(level.size());
        if (isTag(tag, "CONT")) {
            *currentNote_ += kLineBreak;
            *currentNote_ += textAfter(untrimmed_, level.size() + 4);
        } else if (isTag(tag, "CONC")) {
            *currentNote_ += textAfter(untrimmed_, level.size() + 4);
        }
    }

    const std::string *dateLabel() const {
        switch (context_) {
            case EventContext::Birth:
                return &dateOfBirth_;
            case EventContext::Death:
                return &dateOfDeath_;
            case EventContext::Baptism:
                return &baptized_;
            case EventContext::Endowment:
                return &dateOfEndowment_;
            default:
                return nullptr;
        }
    }

    const std::string *placeLabel() const {
        if (context_ == EventContext::Birth)
            return &placeOfBirth_;
        if (context_ == EventContext::Death)
            return &placeOfDeath_;
        return nullptr;
    }

    static void appendLabelled(std::string &note, const std::string &label,
                               std::string_view value) {
        note += kLineBreak;
        note += label;
        note += ':';
        note += value;
    }

    GedcomRecords &records_;
    const std::string dateOfBirth_;
    const std::string dateOfDeath_;
    const std::string baptized_;
    const std::string dateOfEndowment_;
    const std::string placeOfBirth_;
    const std::string placeOfDeath_;
    RecordState state_ = RecordState::None;
    EventContext context_ = EventContext::None;
    std::string *currentNote_ = nullptr;  ///< the text CONT and CONC lines continue
    std::string mediaRecordId_;
    std::string upper_;
    std::string_view untrimmed_;
};

// The notes of one record, note records resolved, one after another.
std::string joinNotes(const std::vector<GedcomReference> &notes, GedcomRecords &records) {
    std::string joined;
    bool first = true;
    for (const GedcomReference &note : notes) {
        const std::string *text = &note.text;
        if (!note.pointer.empty()) {
            const auto found = records.noteRecords.find(note.pointer);
            if (found == records.noteRecords.end()) {
                ++records.undefinedRecords;
                continue;
            }
            text = &found->second;
        }
        if (!first)
            joined += kLineBreak;
        joined += *text;
        first = false;
    }
    return joined;
}

// A value's "@@" stands for one "@".
void undoubleAt(std::string &text) {
    std::size_t at = text.find("@@");
    if (at == std::string::npos)
        return;
    std::size_t out = at;
    for (std::size_t in = at; in < text.size(); ++in) {
        text[out++] = text[in];
        if (text[in] == '@' && in + 1 < text.size() && text[in + 1] == '@')
            ++in;
    }
    text.resize(out);
}

// Note records may stand after the records that point to them.
void resolveNotes(GedcomRecords &records) {
    records.headerNote = joinNotes(records.headerNotes, records);
    undoubleAt(records.headerNote);
    for (GedcomIndividual &person : records.individuals) {
        person.note = joinNotes(person.notes, records) + person.events;
        person.notes.clear();
        person.notes.shrink_to_fit();
        for (const GedcomReference &link : person.mediaLinks) {
            if (link.pointer.empty()) {
                person.media.push_back(link.text);
            } else if (const auto found = records.mediaRecords.find(link.pointer);
                       found != records.mediaRecords.end()) {
                person.media.insert(person.media.end(), found->second.begin(), found->second.end());
            } else {
                ++records.undefinedRecords;
            }
        }
        person.mediaLinks.clear();
        undoubleAt(person.name);
        undoubleAt(person.note);
        for (std::string &path : person.media)
            undoubleAt(path);
    }
}

}  // namespace

std::string StripXref(std::string_view text) {
    const auto isJunk = [](char c) { return c == ' ' || c == '@'; };
    while (!text.empty() && isJunk(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isJunk(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

GedcomReadOutcome ReadGedcomRecords(std::string_view text, const MessageTable &messages,
                                    GedcomRecords &records, GedcomGauge *gauge) {
    RecordReader reader(messages, records);
    GedcomLines lines(text);
    long long stepsMade = 0;
    std::string_view line;
    while (lines.next(line)) {
        if (gauge) {
            for (; stepsMade < lines.count() / 128; ++stepsMade) {
                gauge->step();
                if (gauge->cancelled())
                    return GedcomReadOutcome::Cancelled;
            }
        }
        if (const GedcomReadOutcome outcome = reader.line(line, lines.withTrailingBlanks());
            outcome != GedcomReadOutcome::Complete)
            return outcome;
    }
    resolveNotes(records);
    return GedcomReadOutcome::Complete;
}

}  // namespace kinvarro
