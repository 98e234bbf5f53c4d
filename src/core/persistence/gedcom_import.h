#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "common/prompts.h"

namespace kinvarro {

class Document;
class MessageTable;
class ProgressDisplay;

/// What an import changed or left out, for the one message after it.
struct GedcomImportReport {
    long long replacedCharacters = 0;  ///< not held by Windows-1251
    int droppedIndividuals = 0;        ///< past the 10000th
    int ownAncestors = 0;              ///< on a cycle of parent links
    bool lostNothing() const {
        return replacedCharacters == 0 && droppedIndividuals == 0 && ownAncestors == 0;
    }
};

/// A refused or failed import: the message box to show.
struct GedcomImportFailure {
    MessageIcon icon = MessageIcon::Error;
    QString caption;
    QString text;
};

/// Imports the GEDCOM file at `path` into `doc`: a fresh document with reset
/// settings and the grid switched on is filled, laid out and then takes
/// `doc`'s place, marked modified. On failure `doc` stays exactly as it was.
/// The file name is the caller's.
std::optional<GedcomImportFailure> ImportGedcom(const QString &path, Document &doc,
                                                ProgressDisplay *progress,
                                                GedcomImportReport *report = nullptr);

/// The same for a file image already read: from the size test on.
std::optional<GedcomImportFailure> ImportGedcomData(const QByteArray &bytes, Document &doc,
                                                    ProgressDisplay *progress,
                                                    GedcomImportReport *report = nullptr);

/// The text telling what an import changed; empty when it lost nothing.
QString GedcomReportText(const MessageTable &messages, const GedcomImportReport &report);

/// The import as the Open command runs it: failures and the report are told
/// through `prompts`. Returns whether the document was replaced.
bool ReadGedcom(const QString &path, Document &doc, Prompts &prompts, ProgressDisplay *progress);

}  // namespace kinvarro
