#include <QBuffer>
#include <QImageWriter>
#include <QTextDocument>
#include <limits>

#include "markup/markup_writer.h"
#include "markup/rich_text_document.h"
#include "model/document.h"
#include "persistence/byte_writer.h"
#include "persistence/native_format.h"
#include "render/picture_limits.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

/// Writes fields and remembers the first value the format cannot hold, with
/// the part of the file it belongs to.
class FieldWriter {
  public:
    /// `cp1251`: texts are written as Windows-1251 bytes (the file every
    /// version reads), else as the document's own UTF-8.
    FieldWriter(ByteWriter &out, const MessageTable &messages, bool cp1251)
        : out_(out), messages_(messages), cp1251_(cp1251) {}

    /// The fields after the header name their problem themselves.
    void leaveHeader() { part_ = Part::Body; }
    // Only an index: the place is put in words when a problem is met.
    void setElement(int index) {
        part_ = Part::Element;
        element_ = index;
    }
    void nonNegative(std::int32_t value) {
        if (value < 0)
            fail(messages_.text(Msg::mCannotStoreNegative).arg(value));
        out_.int32(value);
    }
    void text(std::string_view value) {
        if (value.find('\0') != std::string_view::npos)
            fail(messages_.text(Msg::mCannotStoreNul));
        if (cp1251_) {
            out_.zstringCp1251(value);
        } else {
            out_.zstring(value);
        }
    }
    void fail(const QString &message) {
        if (!error_.isEmpty())
            return;
        switch (part_) {
            case Part::Header:
                error_ = message + QLatin1Char('\n') + messages_.text(Msg::mSavingStoppedInHeader);
                break;
            case Part::Body:
                error_ = message;
                break;
            case Part::Element:
                error_ = message + QLatin1Char('\n') +
                         messages_.text(Msg::mSavingStoppedAtElement).arg(element_ + 1);
                break;
        }
    }
    Status status() const { return error_.isEmpty() ? Status::success() : Status::failure(error_); }

  private:
    enum class Part { Header, Body, Element };

    ByteWriter &out_;
    const MessageTable &messages_;
    bool cp1251_;
    Part part_ = Part::Header;
    int element_ = 0;
    QString error_;
};

// Without a picture there is nothing to show in any picture mode, and a
// picture block of length 0 would make the file unreadable.
PictureMode storedPictureMode(const DocumentSettings &s) {
    return s.backgroundPicture.isNull() ? PictureMode::None : s.pictureMode;
}

// Every text of the file, in the order it is written.
template <typename Visit>
void forEachText(const Document &doc, const std::string &info, Visit visit) {
    visit(doc.settings.chartFont.name);
    visit(info);
    const ElementTable &table = doc.NodeTable;
    for (int i = 0; i < table.NodeCount(); ++i) {
        const tnode &node = table[i];
        visit(node.font.name);
        visit(node.name);
        visit(node.description);
        for (const std::string &entry : node.media)
            visit(entry);
    }
}

// A chart whose texts all fit Windows-1251 is written as version 2, byte for
// byte as before, so that it opens wherever it opened before.
bool fitsVersion2(const Document &doc, const std::string &info) {
    bool fits = true;
    forEachText(doc, info,
                [&](const std::string &text) { fits = fits && docTextFitsCp1251(text); });
    return fits;
}

void writeHeader(ByteWriter &out, FieldWriter &f, const Document &doc, bool version2) {
    const DocumentSettings &s = doc.settings;
    const PictureMode pictureMode = storedPictureMode(s);
    out.raw(version2 ? QByteArrayLiteral("KVR\x02") : QByteArrayLiteral("KVR\x03"));
    out.int32(0);
    f.nonNegative(doc.NodeTable.NodeCount());
    for (int i = 0; i < 3; ++i)
        out.int32(0);
    f.nonNegative(s.backgroundColor);
    out.boolean(pictureMode == PictureMode::Stretch);
    out.boolean(pictureMode == PictureMode::Tile);
    out.boolean(pictureMode == PictureMode::AsIs);
    out.boolean(pictureMode == PictureMode::None);
    f.nonNegative(s.fatherLineColor);
    f.nonNegative(s.motherLineColor);
    f.nonNegative(s.selectedLineColor);
    f.nonNegative(s.timeLineColor);
    out.boolean(s.showTimeLines);
    // No width chosen draws as width 1, and the file has no byte for "none chosen".
    out.byte(std::uint8_t(s.lineWidth == kNoLineWidth ? 1 : s.lineWidth));
    f.nonNegative(s.otherBackColor);
    f.nonNegative(s.otherBackColor);
    f.nonNegative(s.manBackColor);
    f.nonNegative(s.womanBackColor);
    f.text(s.chartFont.name);
    f.nonNegative(s.chartFont.size);
    f.nonNegative(s.chartFont.color);
    out.boolean(s.showShadow);
    f.nonNegative(s.shadowColor);
    out.boolean(s.showGuides);
    out.boolean(s.showHGrid);
    f.nonNegative(s.hGridInterval);
    out.boolean(s.showVGrid);
    f.nonNegative(s.vGridInterval);
    f.nonNegative(s.gridColor);
    out.boolean(s.alignToGrid);
    out.uint32(s.scalePercent());
}

// The picture's length and its BMP: 24 bits per pixel, or 1 bit for a
// two-colour picture. The BMP is encoded straight into the file image, so a
// large picture is not held twice as its encoding.
Status appendPicture(const MessageTable &m, const QImage &picture, ByteWriter &out) {
    const bool monochrome = picture.depth() == 1;
    const QImage image = monochrome ? picture.convertToFormat(QImage::Format_Mono)
                                    : picture.convertToFormat(QImage::Format_RGB32);
    QByteArray &bytes = out.bytes();
    const qsizetype lengthAt = bytes.size();
    out.int32(0);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly | QIODevice::Append);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image)) {
        return Status::failure(m.text(Msg::mCannotStorePicture).arg(writer.errorString()));
    }
    const qsizetype length = bytes.size() - lengthAt - 4;
    if (length > std::numeric_limits<std::int32_t>::max()) {
        return Status::failure(m.text(Msg::mCannotStorePicture).arg(PictureTooLargeText(m)));
    }
    for (int i = 0; i < 4; ++i)
        bytes[lengthAt + i] = char(std::uint32_t(length) >> (8 * i));
    return Status::success();
}

void writeElement(ByteWriter &out, FieldWriter &f, const tnode &node) {
    out.int32(node.id);
    out.byte(node.kind);
    out.int32(node.reserved);
    out.int32(node.motherIndex);
    out.int32(node.fatherIndex);
    out.byte(node.sex);
    out.int32(node.ownColor);
    f.text(node.font.name);
    f.nonNegative(node.font.size);
    f.nonNegative(node.font.color);
    out.byte(node.font.style);
    out.byte(node.font.charset);
    f.text(node.name);
    f.text(node.description);
    out.int32(node.x);
    out.int32(node.y);
    out.byte(node.fatherImportance);
    out.byte(node.motherImportance);
}

void writeMediaTrailer(FieldWriter &f, const MessageTable &m, const ElementTable &table) {
    std::string text;
    for (int i = 0; i < table.NodeCount(); ++i) {
        const tnode &node = table[i];
        f.setElement(i);
        // The id as eight upper-case hexadecimal digits.
        text.clear();
        for (int shift = 28; shift >= 0; shift -= 4)
            text += "0123456789ABCDEF"[(std::uint32_t(node.id) >> shift) & 0xF];
        for (const std::string &entry : node.media) {
            if (entry.empty())
                continue;
            if (entry.find(';') != std::string::npos) {
                f.fail(m.text(Msg::mCannotStoreSemicolon).arg(fromDocText(entry)));
            }
            text += ';';
            text += entry;
        }
        if (text.size() > 8)
            f.text(text);
    }
}

}  // namespace

Status writeNativeDocument(const Document &doc, QByteArray &bytes) {
    const MessageTable &m = doc.messages();
    RichTextDocument richInfo(const_cast<QTextDocument &>(doc.info()));
    const std::string info = RichTextToMarkup(richInfo);
    const bool version2 = fitsVersion2(doc, info);
    ByteWriter out;
    FieldWriter f(out, m, version2);
    writeHeader(out, f, doc, version2);
    f.leaveHeader();
    f.text(info);

    if (storedPictureMode(doc.settings) != PictureMode::None) {
        if (Status st = appendPicture(m, doc.settings.backgroundPicture, out); !st)
            return st;
    }
    const ElementTable &table = doc.NodeTable;
    for (int i = 0; i < table.NodeCount(); ++i) {
        f.setElement(i);
        writeElement(out, f, table[i]);
    }
    writeMediaTrailer(f, m, table);
    if (Status st = f.status(); !st)
        return st;
    bytes = std::move(out.bytes());
    return Status::success();
}

}  // namespace kinvarro
