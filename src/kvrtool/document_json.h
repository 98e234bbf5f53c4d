#pragma once

#include <QByteArray>

namespace kinvarro {

class Document;

/// The document as UTF-8 JSON: settings, information text (as markup) and elements.
QByteArray documentToJson(const Document &doc);

}  // namespace kinvarro
