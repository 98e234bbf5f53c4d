#include <QDir>
#include <QFileInfo>
#include <QTextDocument>
#include <charconv>

#include "markup/plain_text_lines.h"
#include "media/media_paths.h"
#include "model/document.h"
#include "persistence/gedcom_families.h"
#include "persistence/gedcom_person_text.h"
#include "persistence/gedcom_writer.h"
#include "prompts/progress_display.h"
#include "text/cp1251.h"

namespace kinvarro {
namespace {

// The header names the file without its folder and its last extension.
QString baseNameOf(const QString &path) {
    QString name = QFileInfo(path).fileName();
    if (const qsizetype dot = name.lastIndexOf(u'.'); dot >= 0)
        name.truncate(dot);
    return name;
}

QByteArray header(const QByteArray &baseName, GedcomEncoding encoding) {
    const bool utf8 = encoding == GedcomEncoding::Utf8;
    QByteArray text = utf8 ? QByteArrayLiteral("\xEF\xBB\xBF") : QByteArray();
    text += "0 HEAD\r\n1 SOUR Kinvarro\r\n2 NAME " + baseName + "\r\n1 GEDC Kinvarro\r\n2 VERS ";
    text += utf8 ? "5.5.1" : "5.5";
    text += "\r\n2 FORM LINEAGE-LINKED\r\n1 CHAR ";
    text += utf8 ? "UTF-8" : "ANSI";
    text += "\r\n";
    return text;
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
// lines, split between two letters so that no reader loses a blank.
constexpr std::size_t kLongestValue = 200;

std::size_t splitPoint(std::string_view text) {
    if (text.size() <= kLongestValue)
        return text.size();
    for (std::size_t at = kLongestValue; at > kLongestValue / 2; --at) {
        if (text[at - 1] != ' ' && text[at] != ' ')
            return at;
    }
    return kLongestValue;
}

// How many characters of `text` Windows-1251 lacks; a surrogate pair is one.
long long charactersOutsideCp1251(QStringView text) {
    long long count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair || !fitsCp1251(text.mid(i, 1)))
            ++count;
        if (pair)
            ++i;
    }
    return count;
}

// Windows-1251 bytes of `text`; the characters written as "?" add to `replaced`.
std::string countedCp1251(const QString &text, long long &replaced) {
    replaced += charactersOutsideCp1251(text);
    return toCp1251(text);
}

// Room for the records, so that the buffer seldom has to grow.
std::size_t estimatedSize(const ElementTable &table) {
    std::size_t size = 0;
    for (int i = 0; i < table.NodeCount(); ++i)
        size += table[i].name.size() + table[i].description.size() + 160;
    return size;
}

// The records after the header, in the document's Windows-1251 bytes.
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
    /// Characters of the text that the records hold as "?".
    long long replaced() const { return replaced_; }

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
    long long replaced_ = 0;
};

void RecordWriter::write() {
    const PlainTextLines info = RichTextPlainLines(doc_.info());
    replaced_ += charactersOutsideCp1251(doc_.info().toPlainText());
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
        QString path = fromCp1251(entry);
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
        valueLine(countedCp1251(path, replaced_));
        const QString format = QFileInfo(path).suffix().toLower();
        if (!format.isEmpty()) {
            out_ += standard_ ? "3 FORM " : "2 FORM ";
            line(toCp1251(format));
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
        out_ += countedCp1251(doc_.messages().text(label), replaced_);
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
    std::string records;
    records.reserve(estimatedSize(doc.NodeTable));
    RecordWriter writer(doc, encoding == GedcomEncoding::Utf8, path, progress, records);
    writer.write();
    hider.hide();
    records += "0 TRLR\r\n";
    long long lacking = writer.replaced();

    const QString baseName = baseNameOf(path);
    if (encoding == GedcomEncoding::Utf8) {
        if (replaced)
            *replaced = lacking;
        return header(baseName.toUtf8(), encoding) + cp1251ToUtf8(records);
    }
    QByteArray image =
        header(QByteArray::fromStdString(countedCp1251(baseName, lacking)), encoding);
    if (replaced)
        *replaced = lacking;
    image.append(records.data(), qsizetype(records.size()));
    return image;
}

}  // namespace kinvarro
