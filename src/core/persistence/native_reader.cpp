#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QTextDocument>
#include <unordered_map>

#include "markup/markup_reader.h"
#include "markup/rich_text_document.h"
#include "model/document.h"
#include "model/grid_snap.h"
#include "persistence/byte_reader.h"
#include "persistence/native_format.h"
#include "render/view_geometry.h"

namespace kinvarro {
namespace {

constexpr std::int32_t kSignatureV2 = 0x0252564B;  // "KVR" 2
constexpr std::int32_t kSignatureV1 = 0x0152564B;  // "KVR" 1
constexpr std::int32_t kSignatureOld = 0x00000001;
// The zoom window's range, in percent.
constexpr std::uint32_t kSmallestZoom = 1;
constexpr std::uint32_t kLargestZoom = 200;

QString rangeError(const QString &what, std::int32_t value) {
    return QStringLiteral("Range check error: %1 is %2, below zero.").arg(what).arg(value);
}

/// Reads the fields of one part of the file and names that part in its errors.
/// The name is made only for an error: a chart has thousands of parts.
class FieldReader {
  public:
    FieldReader(ByteReader &in, const char *part, int number = 0)
        : in_(in), part_(part), number_(number) {}

    void int32(std::int32_t &value) { in_.readInt32(value); }
    void nonNegative(std::int32_t &value, const char *name) {
        if (!in_.readInt32(value) || !error_.isEmpty() || value >= 0)
            return;
        error_ = rangeError(part() + QStringLiteral(": ") + QLatin1String(name), value);
    }
    void byte(std::uint8_t &value) { in_.readByte(value); }
    void boolean(bool &value) { in_.readBool(value); }
    void zstring(std::string &value) { in_.readZString(value); }

    /// The first problem met, or success.
    Status status() const {
        if (!error_.isEmpty())
            return Status::failure(error_);
        if (in_.failed()) {
            return Status::failure(
                QStringLiteral("The file is damaged: it ends inside %1.").arg(part()));
        }
        return Status::success();
    }

  private:
    QString part() const {
        const QString name = QString::fromLatin1(part_);
        return number_ > 0 ? QStringLiteral("%1 %2").arg(name).arg(number_) : name;
    }

    ByteReader &in_;
    const char *part_;
    int number_;
    QString error_;
};

// The four flags form one group of exclusive choices: a set flag selects its
// mode, a clear flag deselects it if it was selected.
PictureMode readPictureMode(bool stretch, bool tile, bool asIs, bool none) {
    enum { kUnset = -1 };
    int mode = int(PictureMode::None);
    const std::pair<bool, PictureMode> flags[] = {{stretch, PictureMode::Stretch},
                                                  {tile, PictureMode::Tile},
                                                  {asIs, PictureMode::AsIs},
                                                  {none, PictureMode::None}};
    for (const auto &[on, choice] : flags) {
        if (on) {
            mode = int(choice);
        } else if (mode == int(choice)) {
            mode = kUnset;
        }
    }
    // No choice left means a picture follows; show it rather than hide it.
    return mode == kUnset ? PictureMode::AsIs : PictureMode(mode);
}

Status readHeader(ByteReader &in, Document &doc, std::int32_t &count, QStringList *warnings) {
    DocumentSettings &s = doc.settings;
    FieldReader f(in, "the header");
    std::int32_t ignored;
    f.int32(ignored);
    f.nonNegative(count, "the element count");
    for (int i = 0; i < 3; ++i)
        f.int32(ignored);
    if (Status st = f.status(); !st)
        return st;
    if (count > kMaxNodes) {
        return Status::failure(
            QStringLiteral("The file holds %1 elements; a chart holds at most %2.")
                .arg(count)
                .arg(kMaxNodes));
    }

    f.nonNegative(s.backgroundColor, "background colour");
    bool stretch = false, tile = false, asIs = false, none = true;
    f.boolean(stretch);
    f.boolean(tile);
    f.boolean(asIs);
    f.boolean(none);
    f.nonNegative(s.fatherLineColor, "father line colour");
    f.nonNegative(s.motherLineColor, "mother line colour");
    f.nonNegative(s.selectedLineColor, "selection colour");
    f.nonNegative(s.timeLineColor, "historical event colour");
    f.boolean(s.showTimeLines);
    std::uint8_t lineWidth = 1;
    f.byte(lineWidth);
    f.nonNegative(s.otherBackColor, "fill colour of unknown sex");
    f.nonNegative(s.otherBackColor, "fill colour of unknown sex (second copy)");
    f.nonNegative(s.manBackColor, "fill colour of men");
    f.nonNegative(s.womanBackColor, "fill colour of women");
    f.zstring(s.chartFont.name);
    f.nonNegative(s.chartFont.size, "chart font size");
    f.nonNegative(s.chartFont.color, "chart font colour");
    f.boolean(s.showShadow);
    f.nonNegative(s.shadowColor, "shadow colour");
    f.boolean(s.showGuides);
    f.boolean(s.showHGrid);
    f.nonNegative(s.hGridInterval, "horizontal grid interval");
    f.boolean(s.showVGrid);
    f.nonNegative(s.vGridInterval, "vertical grid interval");
    f.nonNegative(s.gridColor, "grid colour");
    f.boolean(s.alignToGrid);
    std::int32_t percent = 100;
    f.int32(percent);
    if (Status st = f.status(); !st)
        return st;

    s.pictureMode = readPictureMode(stretch, tile, asIs, none);
    if (lineWidth <= 3)
        s.lineWidth = lineWidth;
    // A zoom outside what the zoom window offers would make every hit test
    // fail and place new elements at the 32-bit limit.
    const std::uint32_t stored = std::uint32_t(percent);
    const std::uint32_t usable = std::clamp<std::uint32_t>(stored, kSmallestZoom, kLargestZoom);
    if (usable != stored && warnings) {
        warnings->append(
            QStringLiteral("The chart's zoom of %1 % was outside %2..%3 % and is now %4 %.")
                .arg(stored)
                .arg(kSmallestZoom)
                .arg(kLargestZoom)
                .arg(usable));
    }
    s.scale = float(double(usable) / 100.0);
    return Status::success();
}

Status readInformationText(ByteReader &in, Document &doc) {
    std::string markup;
    if (!in.readZString(markup)) {
        return Status::failure(
            QStringLiteral("The file is damaged: its information text is not terminated."));
    }
    RichTextDocument rich(doc.info());
    MarkupToRichText(markup, rich);
    return Status::success();
}

Status readPicture(ByteReader &in, Document &doc) {
    std::int32_t length = 0;
    FieldReader f(in, "the background picture");
    f.nonNegative(length, "picture length");
    if (Status st = f.status(); !st)
        return st;
    if (length == 0)
        return Status::failure(QStringLiteral("The background picture has a length of 0 bytes."));
    QByteArray bmp;
    if (!in.readBytes(length, bmp)) {
        return Status::failure(
            QStringLiteral(
                "The file is damaged: the background picture of %1 bytes runs past its end.")
                .arg(length));
    }
    QBuffer buffer(&bmp);
    QImageReader reader(&buffer, "bmp");
    QImage picture;
    if (!reader.read(&picture)) {
        return Status::failure(
            QStringLiteral("The background picture is not a readable BMP image (%1).")
                .arg(reader.errorString()));
    }
    doc.settings.backgroundPicture = std::move(picture);
    return Status::success();
}

Status readElement(ByteReader &in, int index, tnode &node) {
    FieldReader f(in, "element", index + 1);
    f.int32(node.id);
    f.byte(node.kind);
    f.int32(node.reserved);
    f.int32(node.motherIndex);
    f.int32(node.fatherIndex);
    f.byte(node.sex);
    f.int32(node.ownColor);
    f.zstring(node.font.name);
    f.nonNegative(node.font.size, "font size");
    f.nonNegative(node.font.color, "font colour");
    f.byte(node.font.style);
    f.byte(node.font.charset);
    f.zstring(node.name);
    f.zstring(node.description);
    f.int32(node.x);
    f.int32(node.y);
    f.byte(node.fatherImportance);
    f.byte(node.motherImportance);
    return f.status();
}

// A link outside the chart would make every painter read past the table.
void repairLinks(ElementTable &table, QStringList *warnings) {
    int repaired = 0;
    for (int i = 0; i < table.NodeCount(); ++i) {
        for (std::int32_t *link : {&table[i].motherIndex, &table[i].fatherIndex}) {
            if (*link != -1 && !table.isValidIndex(*link)) {
                *link = -1;
                ++repaired;
            }
        }
    }
    if (repaired > 0 && warnings) {
        warnings->append(
            QStringLiteral("%1 parent link(s) pointed outside the chart and were removed.")
                .arg(repaired));
    }
}

bool parseHexId(std::string_view text, std::int32_t &id) {
    if (text.empty() || text.size() > 8)
        return false;
    std::uint32_t value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            return false;
        }
        value = value << 4 | std::uint32_t(digit);
    }
    id = std::int32_t(value);
    return true;
}

Status readMediaTrailer(ByteReader &in, ElementTable &table) {
    // Ids are unique in a chart the program wrote, so most lists find one element.
    std::unordered_multimap<std::int32_t, int> elementsById;
    elementsById.reserve(std::size_t(table.NodeCount()));
    for (int i = 0; i < table.NodeCount(); ++i)
        elementsById.emplace(table[i].id, i);
    std::string text;
    std::vector<std::string_view> parts;
    for (int entry = 1; !in.atEnd(); ++entry) {
        if (!in.readZString(text)) {
            return Status::failure(
                QStringLiteral("The file is damaged: media list %1 is not terminated.").arg(entry));
        }
        if (text.size() <= 8)
            continue;
        parts.clear();
        std::string_view rest(text);
        while (parts.size() < std::size_t(kMaxMedia) + 1) {
            const std::size_t semicolon = rest.find(';');
            parts.push_back(rest.substr(0, semicolon));
            if (semicolon == std::string_view::npos)
                break;
            rest.remove_prefix(semicolon + 1);
        }
        if (parts.size() == 1)
            continue;
        std::int32_t id;
        if (!parseHexId(parts[0], id)) {
            return Status::failure(
                QStringLiteral("Media list %1: \"%2\" is not a hexadecimal element id.")
                    .arg(entry)
                    .arg(QString::fromLatin1(parts[0].data(), qsizetype(parts[0].size()))));
        }
        const auto [first, last] = elementsById.equal_range(id);
        for (auto it = first; it != last; ++it) {
            // Entries past this list keep what an earlier list with the same id gave.
            std::vector<std::string> &media = table[it->second].media;
            if (media.size() < parts.size() - 1)
                media.resize(parts.size() - 1);
            std::copy(parts.begin() + 1, parts.end(), media.begin());
        }
    }
    return Status::success();
}

}  // namespace

Status readNativeDocument(const QByteArray &bytes, Document &doc, QStringList *warnings) {
    if (bytes.size() < kMinimumDocumentSize) {
        return Status::failure(doc.messages().text(Msg::mWrongFileSize));
    }
    ByteReader in(bytes);
    std::int32_t signature = 0;
    in.readInt32(signature);
    if (signature != kSignatureV2 && signature != kSignatureV1 && signature != kSignatureOld) {
        return Status::failure(doc.messages().text(Msg::mWrongFileVersion));
    }
    std::int32_t count = 0;
    if (Status st = readHeader(in, doc, count, warnings); !st)
        return st;
    if (Status st = readInformationText(in, doc); !st)
        return st;
    if (doc.settings.pictureMode != PictureMode::None) {
        if (Status st = readPicture(in, doc); !st)
            return st;
    }
    ElementTable &table = doc.NodeTable;
    table.clear();
    table.reserve(count);
    for (int i = 0; i < count; ++i) {
        tnode node;
        if (Status st = readElement(in, i, node); !st)
            return st;
        table.append(std::move(node));
    }
    if (Status st = readMediaTrailer(in, table); !st)
        return st;
    repairLinks(table, warnings);

    doc.MeasureAllNames();
    if (doc.settings.alignToGrid) {
        for (int i = 0; i < table.NodeCount(); ++i)
            AlignToGrid(doc, i);
    }
    return Status::success();
}

}  // namespace kinvarro
