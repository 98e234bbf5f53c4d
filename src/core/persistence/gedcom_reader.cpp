#include "persistence/gedcom_reader.h"

#include "persistence/gedcom_gauge.h"
#include "persistence/gedcom_lines.h"
#include "settings/message_table.h"
#include "text/ascii_upper.h"
#include "text/cp1251.h"

namespace kinvarro {
namespace {

enum class RecordState { None, Header, Individual, Family };
enum class EventContext { None, Note, Birth, Death, Baptism, Endowment };

constexpr std::string_view kLineBreak = "\r\n";

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// A level-1 line's text after "1 TAG ".
std::string_view textAfterTag(std::string_view line) {
    return line.size() > 7 ? line.substr(7) : std::string_view();
}

// A level-2 line's text after "2 TAG", starting with the separating blank.
std::string_view valueOf(std::string_view line) {
    return line.size() > 6 ? line.substr(6) : std::string_view();
}

class RecordReader {
  public:
    RecordReader(const MessageTable &messages, GedcomRecords &records)
        : records_(records),
          dateOfBirth_(toCp1251(messages.text(Msg::mDateOfBirth))),
          dateOfDeath_(toCp1251(messages.text(Msg::mDateOfDeath))),
          baptized_(toCp1251(messages.text(Msg::mBaptized))),
          dateOfEndowment_(toCp1251(messages.text(Msg::mDateOfEndowment))),
          placeOfBirth_(toCp1251(messages.text(Msg::mPlaceOfBirth))),
          placeOfDeath_(toCp1251(messages.text(Msg::mPlaceOfDeath))) {}

    GedcomReadOutcome line(std::string_view line) {
        upper_ = UpperAscii(line);
        if (startsWith(line, "0 "))
            return startRecord(line);
        if (state_ == RecordState::Individual && upper_ == "1 SEX M") {
            records_.individuals.back().sex = 1;
            return GedcomReadOutcome::Complete;
        }
        switch (state_) {
            case RecordState::Header:
                headerLine(line);
                break;
            case RecordState::Individual:
                individualLine(line);
                break;
            case RecordState::Family:
                familyLine(line);
                break;
            case RecordState::None:
                break;
        }
        return GedcomReadOutcome::Complete;
    }

  private:
    GedcomReadOutcome startRecord(std::string_view line) {
        context_ = EventContext::None;
        if (upper_.find(" HEAD") != std::string::npos) {
            state_ = RecordState::Header;
            records_.headerNote.clear();
        } else if (upper_.find(" INDI") != std::string::npos) {
            if (records_.individuals.size() >= kMaxGedcomIndividuals)
                return GedcomReadOutcome::TooManyIndividuals;
            GedcomIndividual &person = records_.individuals.emplace_back();
            state_ = RecordState::Individual;
            if (const std::size_t at = line.find(" @"); at != std::string_view::npos) {
                const std::string_view rest = line.substr(at + 2);
                person.id = std::string(rest.substr(0, rest.find('@')));
            }
        } else if (upper_.find(" FAM") != std::string::npos) {
            if (records_.families.size() >= kMaxGedcomFamilies)
                return GedcomReadOutcome::TooManyFamilies;
            records_.families.emplace_back();
            state_ = RecordState::Family;
        } else {
            state_ = RecordState::None;
        }
        return GedcomReadOutcome::Complete;
    }

    void headerLine(std::string_view line) {
        if (startsWith(upper_, "1 ")) {
            context_ = EventContext::None;
            if (startsWith(upper_, "1 NOTE ")) {
                context_ = EventContext::Note;
                records_.headerNote = textAfterTag(line);
            }
        }
        continuation(line, records_.headerNote);
    }

    void individualLine(std::string_view line) {
        GedcomIndividual &person = records_.individuals.back();
        if (upper_ == "1 SEX F") {
            person.sex = 2;
            return;
        }
        if (startsWith(upper_, "1 ")) {
            context_ = EventContext::None;
            if (startsWith(upper_, "1 NAME ")) {
                person.name = textAfterTag(line);
            } else if (startsWith(upper_, "1 NOTE ")) {
                person.note = textAfterTag(line);
                context_ = EventContext::Note;
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
        continuation(line, person.note);
        if (startsWith(upper_, "2 DATE ")) {
            if (const std::string *label = dateLabel())
                appendLabelled(person.note, *label, valueOf(line));
        } else if (startsWith(upper_, "2 PLAC ")) {
            if (const std::string *label = placeLabel())
                appendLabelled(person.note, *label, valueOf(line));
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

    void continuation(std::string_view line, std::string &note) {
        if (context_ != EventContext::Note)
            return;
        if (startsWith(upper_, "2 CONT ")) {
            note += kLineBreak;
            note += valueOf(line);
        } else if (startsWith(upper_, "2 CONC ")) {
            note += valueOf(line);
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
    std::string upper_;
};

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
            for (; stepsMade < lines.count() / 128; ++stepsMade)
                gauge->step();
        }
        if (const GedcomReadOutcome outcome = reader.line(line);
            outcome != GedcomReadOutcome::Complete)
            return outcome;
    }
    return GedcomReadOutcome::Complete;
}

}  // namespace kinvarro
