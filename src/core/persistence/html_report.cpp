#include "persistence/html_report.h"

#include <QSaveFile>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "markup/description_text.h"
#include "markup/markup_html.h"
#include "model/document.h"
#include "persistence/report_order.h"
#include "prompts/progress_display.h"
#include "settings/write_cause.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

constexpr std::string_view kPageStart =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=windows-1251\"></head><body>\r\n";
constexpr std::string_view kTableHead =
    "<table width=\"100%\" border=1 BGCOLOR=#e0e0e0><tr><td colspan=2 align=center "
    "BGCOLOR=#d0d0d0 >";

// Written in pieces, so a large chart never needs the whole page in memory.
constexpr std::size_t kFlushSize = 1 << 20;

std::string hex(int index) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", unsigned(index));
    return buffer;
}

void appendEscaped(std::string_view text, std::string &out) {
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
}

void appendEscaped(const QString &text, std::string &out) {
    appendEscaped(toDocText(text), out);
}

// HTML of the conversion with every CR written as "<br>".
void appendWithBreaks(std::string_view html, std::string &out) {
    for (const char c : html) {
        if (c == '\r')
            out += "<br>";
        else
            out += c;
    }
}

class PageWriter {
  public:
    PageWriter(const Document &doc, std::vector<std::vector<int>> children, std::string &out)
        : table_(doc.NodeTable),
          messages_(doc.messages()),
          children_(std::move(children)),
          out_(out) {}

    void appendPerson(int i) {
        const tnode &person = table_[i];
        out_ += "<a name=" + hex(i) + ">";
        out_ += kTableHead;
        out_ += "<b>";
        appendEscaped(person.name, out_);
        out_ += "</b></td></tr>";
        if (table_.isValidIndex(person.fatherIndex) || table_.isValidIndex(person.motherIndex)) {
            out_ += "<tr align=center><td width=\"50%\">";
            appendParentCell(messages_.text(Msg::mFather), person.fatherIndex);
            out_ += "</td><td width=\"50%\">";
            appendParentCell(messages_.text(Msg::mMother), person.motherIndex);
            out_ += "</td></tr>";
        }
        // The conversion always opens a paragraph, so the row is never empty.
        const std::string description = MarkupToHtml(person.description);
        out_ += "<tr><td colspan=2 BGCOLOR=#f0f0f0>";
        appendWithBreaks(description, out_);
        out_ += "</td></tr>";
        if (const std::vector<int> &children = children_[std::size_t(i)]; !children.empty()) {
            out_ += "<tr><td colspan=2>";
            appendEscaped(messages_.text(Msg::mChildren), out_);
            out_ += ":";
            for (const int child : children) {
                out_ += ' ';
                appendLink(child);
            }
            out_ += "</td></tr>";
        }
        out_ += "</table><br><br>";
    }

  private:
    void appendParentCell(const QString &label, int parent) {
        if (!table_.isValidIndex(parent)) {
            out_ += ' ';
            return;
        }
        appendEscaped(label, out_);
        out_ += ": ";
        appendLink(parent);
    }

    // Only persons have a table to link to; an event stands as its name.
    void appendLink(int target) {
        const bool linked = table_[target].isPerson();
        if (linked)
            out_ += "<a href=#" + hex(target) + ">";
        appendEscaped(table_[target].name, out_);
        if (linked)
            out_ += "</a>";
    }

    const ElementTable &table_;
    const MessageTable &messages_;
    const std::vector<std::vector<int>> children_;
    std::string &out_;
};

// The length of the UTF-8 sequence that `lead` starts; 1 for a stray byte.
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

// The page's Windows-1251 bytes: a character the code page lacks is written
// as a numeric character reference, so that the browser still shows it.
std::string pageBytes(const std::string &page) {
    if (docTextFitsCp1251(page))
        return docTextToCp1251(page);
    std::string bytes;
    bytes.reserve(page.size());
    std::size_t start = 0;  // of the run that fits
    for (std::size_t at = 0; at < page.size();) {
        const auto lead = static_cast<unsigned char>(page[at]);
        if (lead < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = std::min(sequenceLength(lead), page.size() - at);
        const std::string_view character(page.data() + at, length);
        if (!docTextFitsCp1251(character)) {
            bytes += docTextToCp1251(std::string_view(page).substr(start, at - start));
            const QList<uint> code = fromDocText(character).toUcs4();
            char reference[16];
            std::snprintf(reference, sizeof reference, "&#x%X;",
                          code.isEmpty() ? 0xFFFDu : code[0]);
            bytes += reference;
            start = at + length;
        }
        at += length;
    }
    bytes += docTextToCp1251(std::string_view(page).substr(start));
    return bytes;
}

Status writeOut(QSaveFile &file, std::string &page, const MessageTable &messages) {
    const std::string bytes = pageBytes(page);
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        return Status::failure(FileProblemText(messages, Msg::mCannotWrite, file.fileName(),
                                               WriteCause(messages, file)));
    page.clear();
    return Status::success();
}

}  // namespace

Status WriteHtmlReport(const Document &doc, const QString &path, ProgressDisplay *progress) {
    const ProgressHider hider(progress);
    ClearSystemCause();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status::failure(FileProblemText(doc.messages(), Msg::mCannotWrite, path,
                                               WriteCause(doc.messages(), file)));
    std::string page(kPageStart);

    // The page shows the text without trailing empty lines; the document keeps it as it is.
    const std::unique_ptr<QTextDocument> info(doc.info().clone());
    RemoveTrailingEmptyLines(*info);
    const std::string information = MarkupToHtml(DescriptionMarkup(*info));
    // The conversion always opens a paragraph, so the separator always follows.
    appendWithBreaks(information, page);
    page += "<hr><br>\r\n";

    const ReportOrder order =
        SortPersonsByName(doc.NodeTable, progress, doc.messages().text(Msg::mPreparation));
    PageWriter writer(doc, ChildrenOfEach(doc.NodeTable), page);
    if (progress)
        progress->show(doc.messages().text(Msg::mCreation), 0, order.nameCount);
    for (std::size_t block = 0; block < order.persons.size(); ++block) {
        if (progress && (block == 0 || order.nameOfBlock[block] != order.nameOfBlock[block - 1]))
            progress->setPosition(order.nameOfBlock[block]);
        writer.appendPerson(order.persons[block]);
        if (page.size() >= kFlushSize) {
            if (Status status = writeOut(file, page, doc.messages()); !status)
                return status;
        }
    }
    page += "</body></html>\r\n";
    if (Status status = writeOut(file, page, doc.messages()); !status)
        return status;
    if (!CommitSave(file))
        return Status::failure(FileProblemText(doc.messages(), Msg::mCannotWrite, path,
                                               WriteCause(doc.messages(), file)));
    return Status::success();
}

}  // namespace kinvarro
