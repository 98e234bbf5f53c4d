#include <QDir>
#include <QFileInfo>
#include <QTextDocument>
#include <array>
#include <charconv>

#include "markup/plain_text_lines.h"
#include "media/media_paths.h"
#include "model/document.h"
#include "persistence/gedcom_families.h"
#include "persistence/gedcom_person_text.h"
#include "persistence/gedcom_writer.h"
#include "prompts/progress_display.h"
#include "text/cp1251_fallback.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

// The header names the file without its folder and its last extension.
QString baseNameOf(const QString &path) {
    QString name = QFileInfo(path).fileName();
    if (const qsizetype dot = name.lastIndexOf(u'.'); dot >= 0)
        name.truncate(dot);
    return name;
}

// The header without the UTF-8 type's byte-order mark.
std::string header(const QString &baseName, GedcomEncoding encoding) {
    const bool utf8 = encoding == GedcomEncoding::Utf8;
    std::string text = "0 HEAD\r\n1 SOUR Kinvarro\r\n2 NAME ";
    text += toDocText(baseName);
    text += "\r\n1 GEDC Kinvarro\r\n2 VERS ";
    text += utf8 ? "5.5.1" : "5.5";
    text += "\r\n2 FORM LINEAGE-LINKED\r\n1 CHAR ";
    text += utf8 ? "UTF-8" : "ANSI";
    text += "\r\n";
    return text;
}

// The Windows-1251 bytes of the ANSI type: a character the code page lacks
// becomes the nearest letters (or "?") and is counted in `replaced`.
std::string ansiBytes(const std::string &text, long long *replaced) {
    if (docTextFitsCp1251(text))
        return docTextToCp1251(text);
    return storeAsCp1251(fromDocText(text), replaced);
}

// A line break inside a value would start a line without a level number,
// so the lines of a multi-line name are joined by single blanks.
std::string oneLine(const std::string &name) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t end; (end = name.find_first_of("\r\n", start)) != std::string::npos;) {
        out.append(name, start, end - start);
        out += ' ';
        start = end + (name.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    out.append(name, start);
    return out;
}

// GEDCOM lines stay within 255 characters: longer note lines go on in CONC
// lines after 200 characters, split between two letters so that no reader
// loses a blank, and never inside a character or before a diacritic that
// belongs to the letter in front of it.
constexpr std::size_t kLongestValue = 200;

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Whether the character starting at `at` is a combining mark.
bool startsWithMark(std::string_view text, std::size_t at) {
    if (static_cast<unsigned char>(text[at]) < 0x80)
        return false;
    std::size_t end = at + 1;
    while (end < text.size() && isContinuationByte(text[end]))
        ++end;
    const QString character = fromDocText(text.substr(at, end - at));
    return !character.isEmpty() && character.at(0).isMark();
}

std::size_t splitPoint(std::string_view text) {
    // Where each of the first characters starts.
    std::array<std::size_t, kLongestValue + 1> starts;
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size() && count < starts.size(); ++at) {
        if (!isContinuationByte(text[at]))
            starts[count++] = at;
    }
    if (count <= kLongestValue)
        return text.size();
    for (std::size_t k = kLongestValue; k > kLongestValue / 2; --k) {
        const std::size_t at = starts[k];
        if (text[at - 1] != ' ' && text[at] != ' ' && !startsWithMark(text, at))
            return at;
    }
    return starts[kLongestValue];
}

// Room for the records, so that the buffer seldom has to grow.
std::size_t estimatedSize(const ElementTable &table) {
    std::size_t size = 0;
    for (int i = 0; i < table.NodeCount(); ++i)
        size += table[i].name.size() + table[i].description.size() + 160;
    return size;
}

// The records after the header, in document text (UTF-8).
class RecordWriter {
  public:
    RecordWriter(const Document &doc, bool standard, const QString &gedcomPath,
                 ProgressDisplay *progress, std::string &out)
        : doc_(doc),
          documentFolder_(doc.CurrentFileName.isEmpty()
                              ? QString()
                              : QFileInfo(doc.CurrentFileName).absolutePath()),
          gedcomFolder_(QFileInfo(gedcomPath).absolutePath()),
          eventLabels_(doc.messages()),
          table_(doc.NodeTable),
          families_(table_),
          standard_(standard),
          progress_(progress),
          out_(out) {}

    void write();

  private:
    void line(std::string_view text) {
        out_ += text;
        out_ += "\r\n";
    }
    // A value line: GEDCOM reads a single "@" as the start of a pointer.
    void valueLine(std::string_view text) {
        for (const char c : text) {
            out_ += c;
            if (c == '@')
                out_ += '@';
        }
        out_ += "\r\n";
    }
    void number(int value) {
        char digits[16];
        out_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    }
    // "<before>@I<index>@<after>"
    void individualLine(std::string_view before, int index, std::string_view after = {}) {
        out_ += before;
        out_ += "@I";
        number(index);
        out_ += '@';
        line(after);
    }
    // "<before>@F<key>@<after>"
    void familyLine(std::string_view before, int family, std::string_view after = {}) {
        out_ += before;
        out_ += "@F";
        out_ += families_.key(family);
        out_ += '@';
        line(after);
    }
    void note(const PlainTextLines &lines, std::size_t count) {
        if (count == 1 && lines[0].empty())
            return;  // the import's mark of a person without a note
        for (std::size_t i = 0; i < count; ++i) {
            std::string_view rest = lines[i];
            out_ += i == 0 ? "1 NOTE " : "2 CONT ";
            for (;;) {
                const std::size_t piece = splitPoint(rest);
                valueLine(rest.substr(0, piece));
                rest.remove_prefix(piece);
                if (rest.empty())
                    break;
                out_ += "2 CONC ";
            }
        }
    }
    void individual(int p);
    void events(const std::vector<GedcomEventLine> &events);
    void media(const std::vector<std::string> &entries);
    void parent(const char *tag, Msg label, int index);
    void family(int family);

    const Document &doc_;
    const QString documentFolder_;
    const QString gedcomFolder_;
    const GedcomEventLabels eventLabels_;
    const ElementTable &table_;
    GedcomFamilies families_;
    bool standard_;  ///< GEDCOM 5.5.1 only: no FATH, MOTH or CHIL lines
    ProgressDisplay *progress_;
    std::string &out_;
    std::vector<int> spouseFamilyWrittenFor_;
};

void RecordWriter::write() {
    const PlainTextLines info = RichTextPlainLines(doc_.info());
    std::size_t infoLines = info.size();
    while (infoLines > 0 && info[infoLines - 1].empty())
        --infoLines;
    note(info, infoLines);

    spouseFamilyWrittenFor_.assign(std::size_t(families_.familyCount()), -1);
    for (int p = 0; p < table_.NodeCount(); ++p) {
        if (!table_[p].isPerson())
            continue;
        if (progress_)
            progress_->setPosition(p);
        individual(p);
    }
    for (int f = 0; f < families_.familyCount(); ++f)
        family(f);
}

void RecordWriter::individual(int p) {
    const tnode &person = table_[p];
    individualLine("0 ", p, " INDI");
    const GedcomPersonText text =
        SplitPersonText(person.name, MarkupPlainLines(person.description), eventLabels_);
    out_ += "1 NAME ";
    valueLine(text.hasSurname ? oneLine(person.name) + '/' + text.surname + '/'
                              : oneLine(person.name));
    if (person.sex == kSexMan)
        line("1 SEX M");
    else if (person.sex == kSexWoman)
        line("1 SEX F");
    note(text.note, text.note.size());
    events(text.events);
    media(person.media);
    parent("1 FATH ", Msg::mFather, person.fatherIndex);
    parent("1 MOTH ", Msg::mMother, person.motherIndex);
    if (!standard_) {
        for (int child : families_.childrenOf(p))
            individualLine("1 CHIL ", child);
    }
    if (const int own = families_.familyOf(p); own >= 0)
        familyLine("1 FAMC ", own);
    for (int child : families_.childrenOf(p)) {
        const int family = families_.familyOf(child);
        if (spouseFamilyWrittenFor_[std::size_t(family)] == p)
            continue;
        spouseFamilyWrittenFor_[std::size_t(family)] = p;
        familyLine("1 FAMS ", family);
    }
}

void RecordWriter::events(const std::vector<GedcomEventLine> &events) {
    const char *open = nullptr;
    bool hasDate = false, hasPlace = false;
    for (const GedcomEventLine &event : events) {
        // A repeated field starts another event of the same kind.
        if (!open || std::string_view(open) != event.tag || (event.isPlace ? hasPlace : hasDate)) {
            out_ += "1 ";
            line(event.tag);
            open = event.tag;
            hasDate = hasPlace = false;
        }
        (event.isPlace ? hasPlace : hasDate) = true;
        out_ += event.isPlace ? "2 PLAC " : "2 DATE ";
        valueLine(event.value);
    }
}

// Media links as multimedia links: the file with "/" as separator, named
// from the GEDCOM file's folder, and its format from the extension.
void RecordWriter::media(const std::vector<std::string> &entries) {
    for (const std::string &entry : entries) {
        if (entry.empty())
            continue;
        QString path = fromDocText(entry);
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const bool address = IsMediaAddress(path);
        if (!address && !QDir::isAbsolutePath(path) && !documentFolder_.isEmpty())
            path = QDir::cleanPath(documentFolder_ + QLatin1Char('/') + path);
        if (!address && QDir::isAbsolutePath(path) && !gedcomFolder_.isEmpty()) {
            const QString relative = QDir(gedcomFolder_).relativeFilePath(path);
            if (!relative.startsWith(QStringLiteral("../")))
                path = relative;
        }
        line("1 OBJE");
        out_ += "2 FILE ";
        valueLine(toDocText(path));
        const QString format = QFileInfo(path).suffix().toLower();
        if (!format.isEmpty()) {
            out_ += standard_ ? "3 FORM " : "2 FORM ";
            line(toDocText(format));
        }
    }
}

// Only persons have records: a historical event linked as a parent is named
// in a note instead of pointing to a record that does not exist.
void RecordWriter::parent(const char *tag, Msg label, int index) {
    if (index < 0 || index >= table_.NodeCount())
        return;
    if (table_[index].isPerson()) {
        if (!standard_)
            individualLine(tag, index);
        return;
    }
    if (standard_) {
        out_ += "1 NOTE ";
        out_ += toDocText(doc_.messages().text(label));
        out_ += ": ";
        valueLine(oneLine(table_[index].name));
    }
}

void RecordWriter::family(int f) {
    familyLine("0 ", f, " FAM");
    if (families_.father(f) != -1)
        individualLine("1 HUSB ", families_.father(f));
    if (families_.mother(f) != -1)
        individualLine("1 WIFE ", families_.mother(f));
    for (int child : families_.children(f))
        individualLine("1 CHIL ", child);
}

}  // namespace

QByteArray GedcomFileImage(const Document &doc, const QString &path, GedcomEncoding encoding,
                           ProgressDisplay *progress, long long *replaced) {
    ProgressHider hider(progress);
    if (progress)
        progress->show(doc.messages().text(Msg::mSavingGedcom), 0, doc.NodeTable.NodeCount() - 1);
    std::string text = header(baseNameOf(path), encoding);
    text.reserve(text.size() + estimatedSize(doc.NodeTable));
    RecordWriter writer(doc, encoding == GedcomEncoding::Utf8, path, progress, text);
    writer.write();
    hider.hide();
    text += "0 TRLR\r\n";

    if (replaced)
        *replaced = 0;
    if (encoding == GedcomEncoding::Ansi)
        return QByteArray::fromStdString(ansiBytes(text, replaced));
    QByteArray image = QByteArrayLiteral("\xEF\xBB\xBF");
    image.append(text.data(), qsizetype(text.size()));
    return image;
}

}  // namespace kinvarro
