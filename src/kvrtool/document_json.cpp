#include "document_json.h"

#include <QTextDocument>

#include "json_writer.h"
#include "markup/markup_writer.h"
#include "markup/rich_text_document.h"
#include "model/document.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

const char *pictureModeName(PictureMode mode) {
    switch (mode) {
        case PictureMode::AsIs:
            return "asIs";
        case PictureMode::Tile:
            return "tile";
        case PictureMode::Stretch:
            return "stretch";
        case PictureMode::None:
            break;
    }
    return "none";
}

void writeSettings(JsonWriter &json, const DocumentSettings &s) {
    auto member = [&json](const char *name, auto value) {
        json.key(name);
        if constexpr (std::is_same_v<decltype(value), bool>) {
            json.value(value);
        } else {
            json.value(std::int64_t(value));
        }
    };
    json.beginObject();
    member("backgroundColor", s.backgroundColor);
    json.key("pictureMode");
    json.value(QString::fromLatin1(pictureModeName(s.pictureMode)));
    member("hasPicture", !s.backgroundPicture.isNull());
    member("pictureWidth", s.backgroundPicture.width());
    member("pictureHeight", s.backgroundPicture.height());
    member("fatherLineColor", s.fatherLineColor);
    member("motherLineColor", s.motherLineColor);
    member("selectedLineColor", s.selectedLineColor);
    member("timeLineColor", s.timeLineColor);
    member("showTimeLines", s.showTimeLines);
    member("lineWidth", s.lineWidth);
    member("otherBackColor", s.otherBackColor);
    member("manBackColor", s.manBackColor);
    member("womanBackColor", s.womanBackColor);
    json.key("chartFont");
    json.beginObject();
    json.key("name");
    json.value(fromDocText(s.chartFont.name));
    member("size", s.chartFont.size);
    member("color", s.chartFont.color);
    json.endObject();
    member("showShadow", s.showShadow);
    member("shadowColor", s.shadowColor);
    member("showGuides", s.showGuides);
    member("showHGrid", s.showHGrid);
    member("hGridInterval", s.hGridInterval);
    member("showVGrid", s.showVGrid);
    member("vGridInterval", s.vGridInterval);
    member("gridColor", s.gridColor);
    member("alignToGrid", s.alignToGrid);
    member("scalePercent", s.scalePercent());
    json.endObject();
}

void writeElement(JsonWriter &json, const tnode &node, const NameExtent &extent) {
    auto number = [&json](const char *name, std::int64_t value) {
        json.key(name);
        json.value(value);
    };
    auto text = [&json](const char *name, const std::string &value) {
        json.key(name);
        json.value(fromDocText(value));
    };
    json.beginObject();
    json.key("id");
    json.value(QStringLiteral("%1").arg(quint32(node.id), 8, 16, QLatin1Char('0')).toUpper());
    number("kind", node.kind);
    number("reserved", node.reserved);
    number("motherIndex", node.motherIndex);
    number("fatherIndex", node.fatherIndex);
    number("sex", node.sex);
    number("ownColor", node.ownColor);
    json.key("font");
    json.beginObject();
    text("name", node.font.name);
    number("size", node.font.size);
    number("color", node.font.color);
    number("style", node.font.style);
    number("charset", node.font.charset);
    json.endObject();
    text("name", node.name);
    text("description", node.description);
    number("x", node.x);
    number("y", node.y);
    number("fatherImportance", node.fatherImportance);
    number("motherImportance", node.motherImportance);
    json.key("media");
    json.beginArray();
    for (const std::string &entry : node.media) {
        if (!entry.empty())
            json.value(fromDocText(entry));
    }
    json.endArray();
    json.key("nameExtent");
    json.beginArray();
    json.value(std::int64_t(extent.width));
    json.value(std::int64_t(extent.height));
    json.endArray();
    json.endObject();
}

}  // namespace

QByteArray documentToJson(const Document &doc) {
    JsonWriter json;
    json.beginObject();
    json.key("settings");
    writeSettings(json, doc.settings);
    json.key("info");
    RichTextDocument info(const_cast<QTextDocument &>(doc.info()));
    json.value(fromDocText(RichTextToMarkup(info)));
    json.key("elements");
    json.beginArray();
    for (int i = 0; i < doc.NodeTable.NodeCount(); ++i) {
        writeElement(json, doc.NodeTable[i], doc.NodeTable.nameExtent(i));
    }
    json.endArray();
    json.endObject();
    return json.bytes();
}

}  // namespace kinvarro
