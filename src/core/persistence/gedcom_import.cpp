#include "persistence/gedcom_import.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <limits>
#include <random>
#include <unordered_set>

#include "markup/markup_reader.h"
#include "markup/rich_text_document.h"
#include "media/media_paths.h"
#include "model/document.h"
#include "persistence/gedcom_decoding.h"
#include "persistence/gedcom_gauge.h"
#include "persistence/gedcom_linking.h"
#include "persistence/gedcom_placement.h"
#include "persistence/gedcom_reader.h"
#include "render/view_geometry.h"
#include "text/ascii_upper.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

// Files below this size are refused unless they start like GEDCOM.
constexpr qint64 kSmallestGedcomFile = 1280;
// Far above real GEDCOM files; keeps a wrong file from exhausting memory.
constexpr qint64 kLargestGedcomFile = qint64(256) << 20;

GedcomImportFailure failure(MessageIcon icon, const QString &caption, const QString &text) {
    return GedcomImportFailure{icon, caption, text};
}

// A small file is still GEDCOM when its first line, trimmed, is "0 HEAD".
bool startsWithHeader(const std::string &text) {
    std::string_view first(text);
    first = first.substr(0, first.find_first_of("\r\n"));
    while (!first.empty() && (first.front() == ' ' || first.front() == '\t'))
        first.remove_prefix(1);
    while (!first.empty() && first.back() == ' ')
        first.remove_suffix(1);
    return UpperAscii(first) == "0 HEAD";
}

// Ids drawn at random, unique among the new elements.
class IdDraw {
  public:
    IdDraw()
        : generator_(std::uint32_t(std::random_device{}()) ^
                     std::uint32_t(std::chrono::steady_clock::now().time_since_epoch().count())) {}
    std::int32_t next() {
        std::uniform_int_distribution<std::int32_t> draw(0, 0x7FFFFFFE);
        for (;;) {
            const std::int32_t candidate = draw(generator_);
            if (taken_.insert(candidate).second)
                return candidate;
        }
    }

  private:
    std::mt19937 generator_;
    std::unordered_set<std::int32_t> taken_;
};

// The element of one individual: the name up to its first "/", the full
// name heading the description.
// A relative path in a GEDCOM file names a file beside it; the chart has no
// folder yet, so the entry becomes the full path.
std::string mediaEntry(const std::string &path, const QString &gedcomFolder) {
    QString file = fromDocText(path);
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (gedcomFolder.isEmpty() || QDir::isAbsolutePath(file) || IsMediaAddress(file))
        return path;
    return toDocText(QDir::cleanPath(QDir(gedcomFolder).absoluteFilePath(file)));
}

tnode personFor(const GedcomIndividual &person, int father, int mother, int index, IdDraw &ids,
                const QString &gedcomFolder) {
    tnode node;
    node.id = ids.next();
    node.kind = kPerson;
    node.sex = person.sex;
    node.fatherIndex = father;
    node.motherIndex = mother;
    node.x = 0;
    node.y = 50 * index;
    node.name = person.name;
    node.description = person.note;
    if (const std::size_t slash = person.name.find('/'); slash != std::string::npos) {
        std::string full = person.name;
        full.erase(std::remove(full.begin(), full.end(), '/'), full.end());
        node.name = person.name.substr(0, slash);
        node.description = full + "\r\n\r\n" + person.note;
    }
    for (const std::string &path : person.media) {
        if (node.media.size() >= std::size_t(kMaxMedia))
            break;
        node.media.push_back(mediaEntry(path, gedcomFolder));
    }
    return node;
}

void setInformation(Document &fresh, const std::string &headerNote) {
    RichTextDocument rich(fresh.info());
    MarkupToRichText(headerNote, rich);
}

std::int32_t clampToInt32(std::int64_t value) {
    return std::int32_t(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::optional<GedcomImportFailure> ImportGedcom(const QString &path, Document &doc,
                                                ProgressDisplay *progress,
                                                GedcomImportReport *report) {
    const MessageTable &m = doc.messages();
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return failure(MessageIcon::Error, m.text(Msg::mError), m.text(Msg::mFileNotFound));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return failure(MessageIcon::Error, m.text(Msg::mError),
                       m.text(Msg::mCannotReadFile) + QStringLiteral(": ") + file.errorString());
    }
    // Checked before reading, so that a huge file is not loaded first.
    if (file.size() > kLargestGedcomFile)
        return failure(MessageIcon::Error, m.text(Msg::mKinvarro), m.text(Msg::mWrongFileSize));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return failure(MessageIcon::Error, m.text(Msg::mError),
                       m.text(Msg::mCannotReadFile) + QStringLiteral(": ") + file.errorString());
    }
    file.close();
    return ImportGedcomData(bytes, doc, progress, report, info.absolutePath());
}

std::optional<GedcomImportFailure> ImportGedcomData(const QByteArray &bytes, Document &doc,
                                                    ProgressDisplay *progress,
                                                    GedcomImportReport *report,
                                                    const QString &gedcomFolder) {
    const MessageTable &m = doc.messages();
    if (bytes.size() > kLargestGedcomFile)
        return failure(MessageIcon::Error, m.text(Msg::mKinvarro), m.text(Msg::mWrongFileSize));
    const GedcomText text = decodeGedcomFile(bytes);
    if (bytes.size() < kSmallestGedcomFile && !startsWithHeader(text.text))
        return failure(MessageIcon::Error, m.text(Msg::mKinvarro), m.text(Msg::mWrongFileSize));

    GedcomGauge gauge(progress, &m);
    gauge.show(m.text(Msg::mReadingGedcom), 0, 10000);
    GedcomRecords records;
    switch (ReadGedcomRecords(text.text, m, records, &gauge)) {
        case GedcomReadOutcome::TooManyIndividuals:
            return failure(MessageIcon::None, m.text(Msg::mNotEnoughResources),
                           m.text(Msg::mTooManyIndi));
        case GedcomReadOutcome::Cancelled:
            return GedcomImportFailure{MessageIcon::None, {}, {}, true};
        case GedcomReadOutcome::Complete:
            break;
    }
    if (records.individuals.empty())
        return failure(MessageIcon::Warning, m.text(Msg::mKinvarro), m.text(Msg::mNoIndividuals));

    Document fresh;
    fresh.setMessages(&doc.messages());
    fresh.settings = doc.settings;  // the reset keeps the picture and the font's character set
    fresh.ResetSettings();
    fresh.settings.alignToGrid = true;
    setInformation(fresh, records.headerNote);

    const int used = int(std::min<std::size_t>(records.individuals.size(), kMaxNodes));
    gauge.show(m.text(Msg::mLinkingGedcom), 0, 10000);
    const ParentLinks links = LinkParents(records, used, &gauge);
    if (gauge.cancelled())
        return GedcomImportFailure{MessageIcon::None, {}, {}, true};
    // The only place the import fills the new table.
    IdDraw ids;
    fresh.NodeTable.reserve(used);
    for (int i = 0; i < used; ++i) {
        fresh.NodeTable.append(personFor(records.individuals[std::size_t(i)],
                                         links.father[std::size_t(i)], links.mother[std::size_t(i)],
                                         i, ids, gedcomFolder));
    }
    fresh.MeasureAllNames();

    std::vector<PlacementElement> elements(static_cast<std::size_t>(used));
    for (int i = 0; i < used; ++i) {
        elements[std::size_t(i)] = {links.father[std::size_t(i)], links.mother[std::size_t(i)],
                                    std::max(0, fresh.NodeTable.nameExtent(i).width)};
    }
    const PlacementResult placed = PlaceGenerations(elements, &gauge);
    if (gauge.cancelled())
        return GedcomImportFailure{MessageIcon::None, {}, {}, true};
    // The one place the import moves the new elements.
    for (int i = 0; i < used; ++i) {
        fresh.NodeTable[i].x = clampToInt32(placed.x[std::size_t(i)]);
        fresh.NodeTable[i].y = clampToInt32(placed.y[std::size_t(i)]);
        AlignToGrid(fresh, i);
    }

    doc.adoptLoaded(fresh);
    doc.MarkModified();
    if (report) {
        report->replacedCharacters = text.replaced;
        report->droppedIndividuals = int(records.individuals.size()) - used;
        report->ownAncestors = placed.ownAncestors;
        report->undefinedPointers = records.undefinedRecords + links.undefinedPersons;
        report->controlCharacters = text.controls;
        report->droppedFamilies = records.droppedFamilies;
        if (text.guessedCodePage) {
            report->guessedCodePage = text.encoding == GedcomEncoding::Windows1252
                                          ? QStringLiteral("Windows-1252")
                                          : QStringLiteral("Windows-1251");
        }
    }
    return std::nullopt;
}

QString GedcomReportText(const MessageTable &messages, const GedcomImportReport &report) {
    if (report.lostNothing())
        return {};
    QString text = messages.text(Msg::mImportChanged);
    auto line = [&](Msg key, long long count) {
        if (count > 0)
            text += QStringLiteral("\n") + messages.text(key).arg(count);
    };
    line(Msg::mReplacedCharacters, report.replacedCharacters);
    line(Msg::mDroppedIndividuals, report.droppedIndividuals);
    line(Msg::mDroppedFamilies, report.droppedFamilies);
    line(Msg::mOwnAncestors, report.ownAncestors);
    line(Msg::mUndefinedPointers, report.undefinedPointers);
    line(Msg::mControlCharacters, report.controlCharacters);
    if (!report.guessedCodePage.isEmpty())
        text +=
            QStringLiteral("\n") + messages.text(Msg::mGuessedCodePage).arg(report.guessedCodePage);
    return text;
}

bool ReadGedcom(const QString &path, Document &doc, Prompts &prompts, ProgressDisplay *progress) {
    GedcomImportReport report;
    if (const auto failed = ImportGedcom(path, doc, progress, &report)) {
        if (!failed->cancelled)
            prompts.tell(failed->icon, failed->caption, failed->text);
        return false;
    }
    if (const QString text = GedcomReportText(doc.messages(), report); !text.isEmpty())
        prompts.tell(MessageIcon::Warning, doc.messages().text(Msg::mKinvarro), text);
    return true;
}

}  // namespace kinvarro
