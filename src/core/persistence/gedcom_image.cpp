#include <QFileInfo>
#include <charconv>

#include "common/progress_display.h"
#include "markup/plain_text_lines.h"
#include "model/document.h"
#include "persistence/gedcom_families.h"
#include "persistence/gedcom_writer.h"
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
void appendOneLine(const std::string &name, std::string &out) {
    std::size_t start = 0;
    for (std::size_t end; (end = name.find_first_of("\r\n", start)) != std::string::npos;) {
        out.append(name, start, end - start);
        out += ' ';
        start = end + (name.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    out.append(name, start);
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
    RecordWriter(const Document &doc, ProgressDisplay *progress, std::string &out)
        : doc_(doc), table_(doc.NodeTable), families_(table_), progress_(progress), out_(out) {}

    void write();

  private:
    void line(std::string_view text) {
        out_ += text;
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
        for (std::size_t i = 0; i < count; ++i) {
            out_ += i == 0 ? "1 NOTE " : "2 CONT ";
            line(lines[i]);
        }
    }
    void individual(int p);
    void family(int family);

    const Document &doc_;
    const ElementTable &table_;
    GedcomFamilies families_;
    ProgressDisplay *progress_;
    std::string &out_;
    PlainTextLines lines_;
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
    out_ += "1 NAME ";
    appendOneLine(person.name, out_);
    out_ += "\r\n";
    if (person.sex == kSexMan)
        line("1 SEX M");
    else if (person.sex == kSexWoman)
        line("1 SEX F");
    lines_ = MarkupPlainLines(person.description);
    note(lines_, lines_.size());
    if (person.fatherIndex != -1)
        individualLine("1 FATH ", person.fatherIndex);
    if (person.motherIndex != -1)
        individualLine("1 MOTH ", person.motherIndex);
    for (int child : families_.childrenOf(p))
        individualLine("1 CHIL ", child);
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
                           ProgressDisplay *progress) {
    ProgressHider hider(progress);
    if (progress)
        progress->show(doc.messages().text(Msg::mSavingGedcom), 0, doc.NodeTable.NodeCount() - 1);
    std::string records;
    records.reserve(estimatedSize(doc.NodeTable));
    RecordWriter(doc, progress, records).write();
    hider.hide();
    records += "0 TRLR\r\n";

    const QString baseName = baseNameOf(path);
    if (encoding == GedcomEncoding::Utf8)
        return header(baseName.toUtf8(), encoding) + cp1251ToUtf8(records);
    QByteArray image = header(QByteArray::fromStdString(toCp1251(baseName)), encoding);
    image.append(records.data(), qsizetype(records.size()));
    return image;
}

}  // namespace kinvarro
