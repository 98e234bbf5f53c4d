#include <QBuffer>
#include <QImageWriter>
#include <QTextDocument>

#include "markup/markup_writer.h"
#include "markup/rich_text_document.h"
#include "model/document.h"
#include "persistence/byte_writer.h"
#include "persistence/native_format.h"
#include "text/cp1251.h"

namespace kinvarro {
namespace {

/// Writes fields and remembers the first value the format cannot hold.
class FieldWriter {
  public:
    explicit FieldWriter(ByteWriter &out) : out_(out) {}

    void setPart(QString part) { part_ = std::move(part); }
    void nonNegative(std::int32_t value, const char *name) {
        if (value < 0) {
            fail(QStringLiteral("Range check error: %1 is %2, below zero.")
                     .arg(QLatin1String(name))
                     .arg(value));
        }
        out_.int32(value);
    }
    void text(const std::string &value, const char *name) {
        if (value.find('\0') != std::string::npos) {
            fail(QStringLiteral("%1 contains a NUL character.").arg(QLatin1String(name)));
        }
        out_.zstring(value);
    }
    void fail(const QString &message) {
        if (error_.isEmpty())
            error_ = part_.isEmpty() ? message : part_ + QStringLiteral(": ") + message;
    }
    Status status() const { return error_.isEmpty() ? Status::success() : Status::failure(error_); }

  private:
    ByteWriter &out_;
    QString part_;
    QString error_;
};

// Without a picture there is nothing to show in any picture mode, and a
// picture block of length 0 would make the file unreadable.
PictureMode storedPictureMode(const DocumentSettings &s) {
    return s.backgroundPicture.isNull() ? PictureMode::None : s.pictureMode;
}

void writeHeader(ByteWriter &out, FieldWriter &f, const Document &doc) {
    const DocumentSettings &s = doc.settings;
    const PictureMode pictureMode = storedPictureMode(s);
    out.raw(QByteArrayLiteral("KVR\x02"));
    out.int32(0);
    f.nonNegative(doc.NodeTable.NodeCount(), "the element count");
    for (int i = 0; i < 3; ++i)
        out.int32(0);
    f.nonNegative(s.backgroundColor, "background colour");
    out.boolean(pictureMode == PictureMode::Stretch);
    out.boolean(pictureMode == PictureMode::Tile);
    out.boolean(pictureMode == PictureMode::AsIs);
    out.boolean(pictureMode == PictureMode::None);
    f.nonNegative(s.fatherLineColor, "father line colour");
    f.nonNegative(s.motherLineColor, "mother line colour");
    f.nonNegative(s.selectedLineColor, "selection colour");
    f.nonNegative(s.timeLineColor, "historical event colour");
    out.boolean(s.showTimeLines);
    // No width chosen draws as width 1, and the file has no byte for "none chosen".
    out.byte(std::uint8_t(s.lineWidth == kNoLineWidth ? 1 : s.lineWidth));
    f.nonNegative(s.otherBackColor, "fill colour of unknown sex");
    f.nonNegative(s.otherBackColor, "fill colour of unknown sex");
    f.nonNegative(s.manBackColor, "fill colour of men");
    f.nonNegative(s.womanBackColor, "fill colour of women");
    f.text(s.chartFont.name, "the chart font name");
    f.nonNegative(s.chartFont.size, "chart font size");
    f.nonNegative(s.chartFont.color, "chart font colour");
    out.boolean(s.showShadow);
    f.nonNegative(s.shadowColor, "shadow colour");
    out.boolean(s.showGuides);
    out.boolean(s.showHGrid);
    f.nonNegative(s.hGridInterval, "horizontal grid interval");
    out.boolean(s.showVGrid);
    f.nonNegative(s.vGridInterval, "vertical grid interval");
    f.nonNegative(s.gridColor, "grid colour");
    out.boolean(s.alignToGrid);
    out.uint32(s.scalePercent());
}

// 24 bits per pixel, or 1 bit for a two-colour picture.
Status encodePicture(const QImage &picture, QByteArray &bmp) {
    const bool monochrome = picture.depth() == 1;
    const QImage image = monochrome ? picture.convertToFormat(QImage::Format_Mono)
                                    : picture.convertToFormat(QImage::Format_RGB32);
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image)) {
        return Status::failure(QStringLiteral("The background picture cannot be stored: %1")
                                   .arg(writer.errorString()));
    }
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
    f.text(node.font.name, "the font name");
    f.nonNegative(node.font.size, "font size");
    f.nonNegative(node.font.color, "font colour");
    out.byte(node.font.style);
    out.byte(node.font.charset);
    f.text(node.name, "the name");
    f.text(node.description, "the description");
    out.int32(node.x);
    out.int32(node.y);
    out.byte(node.fatherImportance);
    out.byte(node.motherImportance);
}

void writeMediaTrailer(FieldWriter &f, const ElementTable &table) {
    for (int i = 0; i < table.NodeCount(); ++i) {
        const tnode &node = table[i];
        f.setPart(QStringLiteral("Element %1").arg(i + 1));
        std::string text = QStringLiteral("%1")
                               .arg(quint32(node.id), 8, 16, QLatin1Char('0'))
                               .toUpper()
                               .toStdString();
        for (const std::string &entry : node.media) {
            if (entry.empty())
                continue;
            if (entry.find(';') != std::string::npos) {
                f.fail(
                    QStringLiteral(
                        "the media path \"%1\" contains \";\", which the file format cannot hold.")
                        .arg(fromCp1251(entry)));
            }
            text += ';';
            text += entry;
        }
        if (text.size() > 8)
            f.text(text, "a media path");
    }
}

}  // namespace

Status writeNativeDocument(const Document &doc, QByteArray &bytes) {
    ByteWriter out;
    FieldWriter f(out);
    writeHeader(out, f, doc);

    RichTextDocument info(const_cast<QTextDocument &>(doc.info()));
    QString unmappable;
    f.text(RichTextToMarkup(info, &unmappable), "The information text");
    if (!unmappable.isEmpty()) {
        f.fail(QStringLiteral("The information text holds characters that cannot be stored: %1")
                   .arg(unmappable));
    }

    if (storedPictureMode(doc.settings) != PictureMode::None) {
        QByteArray bmp;
        if (Status st = encodePicture(doc.settings.backgroundPicture, bmp); !st)
            return st;
        f.nonNegative(std::int32_t(bmp.size()), "picture length");
        out.raw(bmp);
    }
    const ElementTable &table = doc.NodeTable;
    for (int i = 0; i < table.NodeCount(); ++i) {
        f.setPart(QStringLiteral("Element %1").arg(i + 1));
        writeElement(out, f, table[i]);
    }
    writeMediaTrailer(f, table);
    if (Status st = f.status(); !st)
        return st;
    bytes = std::move(out.bytes());
    return Status::success();
}

}  // namespace kinvarro
