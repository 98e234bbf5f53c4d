#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "common/status.h"

namespace kinvarro {

class Document;

/// The smallest well-formed document file: an empty chart whose font name is
/// empty (110 bytes with the default "Arial Cyr"). A larger bound refused files
/// the writer makes for charts with a short font name.
inline constexpr qsizetype kMinimumDocumentSize = 101;

/// Reads a whole .kvr file image into `doc`, which the caller has just reset
/// (settings a file does not carry keep their reset values). Problems the
/// reader repaired, such as links that point outside the chart, are added to
/// `warnings`. On failure `doc` is partly filled and must be discarded.
Status readNativeDocument(const QByteArray &bytes, Document &doc, QStringList *warnings = nullptr);

/// Encodes `doc` as a .kvr file image. Fails, producing nothing, on a value the
/// format cannot hold (a negative colour or size, a media path with ";").
Status writeNativeDocument(const Document &doc, QByteArray &bytes);

/// Reads `path` into `loaded`, a fresh document whose settings the caller has
/// reset; the open document takes its place only on success, so a failed load
/// changes nothing the user sees. On failure `loaded` must be discarded.
Status ReadDocument(const QString &path, Document &loaded, QStringList *warnings = nullptr);

/// Saves `doc` to `path` through a temporary file renamed over the target, so a
/// failed save leaves the previous file intact.
Status WriteDocument(const QString &path, const Document &doc);

}  // namespace kinvarro
