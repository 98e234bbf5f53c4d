#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QTextDocument>
#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "markup/markup_reader.h"
#include "markup/rich_text_document.h"
#include "model/document.h"
#include "model/grid_snap.h"
#include "persistence/byte_reader.h"
#include "persistence/native_format.h"
#include "render/picture_limits.h"
#include "render/view_geometry.h"
#include "text/control_chars.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

constexpr std::int32_t kSignatureV3 = 0x0352564B;  // "KVR" 3
constexpr std::int32_t kSignatureV2 = 0x0252564B;  // "KVR" 2
constexpr std::int32_t kSignatureV1 = 0x0152564B;  // "KVR" 1
constexpr std::int32_t kSignatureOld = 0x00000001;
// The zoom window's range, in percent.
constexpr std::uint32_t kSmallestZoom = 1;
constexpr std::uint32_t kLargestZoom = 200;

/// How the texts of a file are encoded: Windows-1251 up to version 2, UTF-8 from version 3.
enum class FileText { Cp1251, Utf8 };

struct RawText {
    bool beyondAscii = false;
    bool control = false;  ///< a control character other than tab, LF and CR
};

bool isControlByte(unsigned char byte) {
    return byte == 0x7F || (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r');
}

// Eight bytes at a time: a chart's texts are megabytes, and most words hold
// neither a letter beyond ASCII nor a control character.
RawText scanRawText(std::string_view raw) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHigh = 0x8080808080808080u;
    RawText found;
    std::uint64_t high = 0;
    std::size_t at = 0;
    for (; at + 8 <= raw.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, raw.data() + at, sizeof word);
        high |= word;
        // Some byte below 0x20, or some byte equal to 0x7F (exact as to whether any is).
        const std::uint64_t below = (word - 0x20 * kOnes) & ~word & kHigh;
        const std::uint64_t del = ((word ^ 0x7F * kOnes) - kOnes) & ~(word ^ 0x7F * kOnes) & kHigh;
        if ((below | del) != 0 && !found.control) {
            for (std::size_t i = at; i < at + 8; ++i)
                found.control = found.control || isControlByte(static_cast<unsigned char>(raw[i]));
        }
    }
    for (; at < raw.size(); ++at) {
        const auto byte = static_cast<unsigned char>(raw[at]);
        high |= byte;
        found.control = found.control || isControlByte(byte);
    }
    found.beyondAscii = (high & kHigh) != 0;
    return found;
}

/// `raw`, as read from the file, made document text in `text`; true when it
/// holds a control character (replaceControlChars takes them out).
bool assignDocText(std::string &text, std::string_view raw, FileText encoding) {
    const RawText kind = scanRawText(raw);
    if (!kind.beyondAscii) {
        text.assign(raw);
    } else if (encoding == FileText::Cp1251) {
        text = docTextFromCp1251(raw);
    } else {
        text.assign(raw);
        text = validDocText(std::move(text));
    }
    return kind.control;
}

// A control character is invisible on the chart and would stop every later save.
int assignWithoutControls(std::string &text, std::string_view raw, FileText encoding) {
    return assignDocText(text, raw, encoding) ? replaceControlChars(text) : 0;
}

/// Where in the file the reader is: the part and, for elements and media
/// lists, their number; the byte offset is added when a message is made.
struct Place {
    Msg key;
    int number = 0;
    int count = 0;
};

QString placeText(const MessageTable &m, const Place &place, qsizetype offset) {
    const QString text = m.text(place.key);
    if (place.key == Msg::mStoppedAtElement)
        return text.arg(place.number).arg(place.count).arg(offset);
    if (place.key == Msg::mStoppedInMedia)
        return text.arg(place.number).arg(offset);
    return text.arg(offset);
}

/// A problem followed by the place where reading stopped.
Status failureAt(const MessageTable &m, const QString &problem, const Place &place,
                 qsizetype offset) {
    return Status::failure(problem + QLatin1Char('\n') + placeText(m, place, offset));
}

/// Reads the fields of one part of the file and says where in it the first
/// problem met lies. The message is made only for an error: a chart has
/// thousands of parts.
class FieldReader {
  public:
    FieldReader(ByteReader &in, const MessageTable &messages, Place place, FileText encoding)
        : in_(in), messages_(messages), place_(place), encoding_(encoding) {}

    void int32(std::int32_t &value) {
        mark();
        in_.readInt32(value);
    }
    void nonNegative(std::int32_t &value) {
        mark();
        if (!in_.readInt32(value) || !error_.isEmpty() || value >= 0)
            return;
        error_ = messages_.text(Msg::mNegativeValue).arg(value);
        errorOffset_ = fieldOffset_;
    }
    void byte(std::uint8_t &value) {
        mark();
        in_.readByte(value);
    }
    void boolean(bool &value) {
        mark();
        in_.readBool(value);
    }
    void text(std::string &value) {
        mark();
        std::string_view raw;
        if (in_.readZString(raw))
            controlsReplaced_ += assignWithoutControls(value, raw, encoding_);
    }
    /// Control characters replaced in the texts read so far.
    int controlsReplaced() const { return controlsReplaced_; }

    /// The first problem met, or success.
    Status status() const {
        if (!error_.isEmpty())
            return failureAt(messages_, error_, place_, errorOffset_);
        if (in_.failed())
            return failureAt(messages_, messages_.text(Msg::mFileEndsEarly), place_, fieldOffset_);
        return Status::success();
    }

  private:
    // The field about to be read; a failed read keeps the offset of the field it failed in.
    void mark() {
        if (!in_.failed())
            fieldOffset_ = in_.offset();
    }

    ByteReader &in_;
    const MessageTable &messages_;
    Place place_;
    FileText encoding_;
    QString error_;
    qsizetype fieldOffset_ = 0;
    qsizetype errorOffset_ = 0;
    int controlsReplaced_ = 0;
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

Status readHeader(ByteReader &in, Document &doc, FileText encoding, std::int32_t &count,
                  int &controlsReplaced, QStringList *warnings) {
    DocumentSettings &s = doc.settings;
    const MessageTable &m = doc.messages();
    const Place header{Msg::mStoppedInHeader};
    FieldReader f(in, m, header, encoding);
    std::int32_t ignored;
    f.int32(ignored);
    const qsizetype countOffset = in.offset();
    f.nonNegative(count);
    for (int i = 0; i < 3; ++i)
        f.int32(ignored);
    if (Status st = f.status(); !st)
        return st;
    if (count > kMaxNodes) {
        return failureAt(m, m.text(Msg::mTooManyElements).arg(count).arg(kMaxNodes), header,
                         countOffset);
    }

    f.nonNegative(s.backgroundColor);
    bool stretch = false, tile = false, asIs = false, none = true;
    f.boolean(stretch);
    f.boolean(tile);
    f.boolean(asIs);
    f.boolean(none);
    f.nonNegative(s.fatherLineColor);
    f.nonNegative(s.motherLineColor);
    f.nonNegative(s.selectedLineColor);
    f.nonNegative(s.timeLineColor);
    f.boolean(s.showTimeLines);
    std::uint8_t lineWidth = 1;
    f.byte(lineWidth);
    f.nonNegative(s.otherBackColor);
    f.nonNegative(s.otherBackColor);
    f.nonNegative(s.manBackColor);
    f.nonNegative(s.womanBackColor);
    f.text(s.chartFont.name);
    f.nonNegative(s.chartFont.size);
    f.nonNegative(s.chartFont.color);
    f.boolean(s.showShadow);
    f.nonNegative(s.shadowColor);
    f.boolean(s.showGuides);
    f.boolean(s.showHGrid);
    f.nonNegative(s.hGridInterval);
    f.boolean(s.showVGrid);
    f.nonNegative(s.vGridInterval);
    f.nonNegative(s.gridColor);
    f.boolean(s.alignToGrid);
    std::int32_t percent = 100;
    f.int32(percent);
    if (Status st = f.status(); !st)
        return st;
    controlsReplaced += f.controlsReplaced();

    s.pictureMode = readPictureMode(stretch, tile, asIs, none);
    if (lineWidth <= 3)
        s.lineWidth = lineWidth;
    // A zoom outside what the zoom window offers would make every hit test
    // fail and place new elements at the 32-bit limit.
    const std::uint32_t stored = std::uint32_t(percent);
    const std::uint32_t usable = std::clamp<std::uint32_t>(stored, kSmallestZoom, kLargestZoom);
    if (usable != stored && warnings) {
        warnings->append(
            m.text(Msg::mZoomClamped).arg(stored).arg(kSmallestZoom).arg(kLargestZoom).arg(usable));
    }
    s.scale = float(double(usable) / 100.0);
    return Status::success();
}

Status readInformationText(ByteReader &in, Document &doc, FileText encoding,
                           int &controlsReplaced) {
    std::string_view raw;
    const qsizetype start = in.offset();
    if (!in.readZString(raw)) {
        const MessageTable &m = doc.messages();
        return failureAt(m, m.text(Msg::mFileEndsEarly), {Msg::mStoppedInInfo}, start);
    }
    std::string markup;
    controlsReplaced += assignWithoutControls(markup, raw, encoding);
    RichTextDocument rich(doc.info());
    MarkupToRichText(markup, rich);
    return Status::success();
}

Status readPicture(ByteReader &in, Document &doc) {
    const MessageTable &m = doc.messages();
    const Place picture{Msg::mStoppedInPicture};
    const qsizetype start = in.offset();
    std::int32_t length = 0;
    FieldReader f(in, m, picture, FileText::Utf8);
    f.nonNegative(length);
    if (Status st = f.status(); !st)
        return st;
    if (length == 0)
        return failureAt(m, m.text(Msg::mEmptyPicture), picture, start);
    QByteArray bmp;
    if (!in.readBytes(length, bmp))
        return failureAt(m, m.text(Msg::mFileEndsEarly), picture, start + 4);
    // A picture cut short would show leftover memory, and be saved with it.
    if (const std::optional<QString> refusal = BmpRefusal(m, bmp, bmp.size()))
        return failureAt(m, m.text(Msg::mUnreadablePicture).arg(*refusal), picture, start + 4);
    QBuffer buffer(&bmp);
    QImageReader reader(&buffer, "bmp");
    reader.setAllocationLimit(kImageAllocationLimitMb);
    QImage image;
    if (!reader.read(&image)) {
        return failureAt(m, m.text(Msg::mUnreadablePicture).arg(reader.errorString()), picture,
                         start + 4);
    }
    doc.settings.backgroundPicture = std::move(image);
    return Status::success();
}

Status readElement(ByteReader &in, const MessageTable &m, FileText encoding, int index, int count,
                   tnode &node, int &controlsReplaced) {
    FieldReader f(in, m, {Msg::mStoppedAtElement, index + 1, count}, encoding);
    f.int32(node.id);
    f.byte(node.kind);
    f.int32(node.reserved);
    f.int32(node.motherIndex);
    f.int32(node.fatherIndex);
    f.byte(node.sex);
    f.int32(node.ownColor);
    f.text(node.font.name);
    f.nonNegative(node.font.size);
    f.nonNegative(node.font.color);
    f.byte(node.font.style);
    f.byte(node.font.charset);
    f.text(node.name);
    f.text(node.description);
    f.int32(node.x);
    f.int32(node.y);
    f.byte(node.fatherImportance);
    f.byte(node.motherImportance);
    controlsReplaced += f.controlsReplaced();
    return f.status();
}

// A link outside the chart would make every painter read past the table.
void repairLinks(ElementTable &table, const MessageTable &m, QStringList *warnings) {
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
        warnings->append(m.text(Msg::mLinksRepaired).arg(repaired));
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

Status readMediaTrailer(ByteReader &in, const MessageTable &m, FileText encoding,
                        ElementTable &table, int &controlsReplaced) {
    // Ids are unique in a chart the program wrote, so most lists find one element.
    std::unordered_multimap<std::int32_t, int> elementsById;
    elementsById.reserve(std::size_t(table.NodeCount()));
    for (int i = 0; i < table.NodeCount(); ++i)
        elementsById.emplace(table[i].id, i);
    std::string text;
    std::string_view raw;
    std::vector<std::string_view> parts;
    std::vector<int> withControls;
    for (int entry = 1; !in.atEnd(); ++entry) {
        const qsizetype start = in.offset();
        const Place list{Msg::mStoppedInMedia, entry};
        if (!in.readZString(raw))
            return failureAt(m, m.text(Msg::mFileEndsEarly), list, start);
        const bool controls = assignDocText(text, raw, encoding);
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
            const QString idText = QString::fromLatin1(parts[0].data(), qsizetype(parts[0].size()));
            return failureAt(m, m.text(Msg::mBadMediaId).arg(idText), list, start);
        }
        const auto [first, last] = elementsById.equal_range(id);
        for (auto it = first; it != last; ++it) {
            // Entries past this list keep what an earlier list with the same id gave.
            std::vector<std::string> &media = table[it->second].media;
            if (media.size() < parts.size() - 1)
                media.resize(parts.size() - 1);
            std::copy(parts.begin() + 1, parts.end(), media.begin());
            if (controls)
                withControls.push_back(it->second);
        }
    }
    // Counted once per entry the elements keep, as a later list may overwrite one.
    std::sort(withControls.begin(), withControls.end());
    withControls.erase(std::unique(withControls.begin(), withControls.end()), withControls.end());
    for (const int element : withControls) {
        for (std::string &entry : table[element].media)
            controlsReplaced += replaceControlChars(entry);
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
    if (signature != kSignatureV3 && signature != kSignatureV2 && signature != kSignatureV1 &&
        signature != kSignatureOld) {
        return Status::failure(doc.messages().text(Msg::mWrongFileVersion));
    }
    const FileText encoding = signature == kSignatureV3 ? FileText::Utf8 : FileText::Cp1251;
    std::int32_t count = 0;
    int controlsReplaced = 0;
    if (Status st = readHeader(in, doc, encoding, count, controlsReplaced, warnings); !st)
        return st;
    if (Status st = readInformationText(in, doc, encoding, controlsReplaced); !st)
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
        if (Status st = readElement(in, doc.messages(), encoding, i, count, node, controlsReplaced);
            !st)
            return st;
        table.append(std::move(node));
    }
    if (Status st = readMediaTrailer(in, doc.messages(), encoding, table, controlsReplaced); !st)
        return st;
    if (controlsReplaced > 0 && warnings)
        warnings->append(doc.messages().text(Msg::mControlCharsReplaced).arg(controlsReplaced));
    repairLinks(table, doc.messages(), warnings);

    doc.MeasureAllNames();
    if (doc.settings.alignToGrid) {
        for (int i = 0; i < table.NodeCount(); ++i)
            AlignToGrid(doc, i);
    }
    return Status::success();
}

}  // namespace kinvarro
