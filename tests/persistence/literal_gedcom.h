#pragma once

#include <QByteArray>
#include <QString>

#include "model/document.h"
#include "persistence/gedcom_writer.h"

namespace kinvarro::test {

/// The GEDCOM file as the export's steps read when followed word by word:
/// a rich-text document per description and a scan of the whole table for
/// every individual and family (quadratic). The reference for the writer.
QByteArray LiteralGedcomImage(const Document &doc, const QString &path, GedcomEncoding encoding);

}  // namespace kinvarro::test
