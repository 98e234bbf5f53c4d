#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "prompts/prompts.h"

namespace kinvarro {

class Document;
class MessageTable;
class ProgressDisplay;

/// What an import changed or left out, for the one message after it.
struct GedcomImportReport {
    long long replacedCharacters = 0;  ///< bytes that stood for no character
    int droppedIndividuals = 0;        ///< past the 10000th
    int ownAncestors = 0;              ///< on a cycle of parent links
    long long undefinedPointers = 0;   ///< to persons or notes the file lacks
    long long controlCharacters = 0;   ///< replaced by "?"
    long long droppedFamilies = 0;     ///< past the 10001st
    QString guessedCodePage;           ///< the code page taken for a file that names none
    bool lostNothing() const {
        return replacedCharacters == 0 && droppedIndividuals == 0 && ownAncestors == 0 &&
               undefinedPointers == 0 && controlCharacters == 0 && droppedFamilies == 0 &&
               guessedCodePage.isEmpty();
    }
};

/// A refused or failed import: the message box to show. A cancelled import
/// has nothing to show.
struct GedcomImportFailure {
    MessageIcon icon = MessageIcon::Error;
    QString caption;
    QString text;
    bool cancelled = false;
};

/// Imports the GEDCOM file at `path` into `doc`: a fresh document with reset
/// settings and the grid switched on is filled, laid out and then takes
/// `doc`'s place, marked modified. On failure, and when the user cancels from
/// the progress window, `doc` stays exactly as it was.
/// The file name is the caller's.
std::optional<GedcomImportFailure> ImportGedcom(const QString &path, Document &doc,
                                                ProgressDisplay *progress,
                                                GedcomImportReport *report = nullptr);

/// The same for a file image already read: from the size test on. Relative
/// media paths are taken from `gedcomFolder` when it is given.
std::optional<GedcomImportFailure> ImportGedcomData(const QByteArray &bytes, Document &doc,
                                                    ProgressDisplay *progress,
                                                    GedcomImportReport *report = nullptr,
                                                    const QString &gedcomFolder = {});

/// The text telling what an import changed; empty when it lost nothing.
QString GedcomReportText(const MessageTable &messages, const GedcomImportReport &report);

/// The import as the Open command runs it: failures and the report are told
/// through `prompts`; a cancel tells nothing. Returns whether the document was
/// replaced.
bool ReadGedcom(const QString &path, Document &doc, Prompts &prompts, ProgressDisplay *progress);

}  // namespace kinvarro
