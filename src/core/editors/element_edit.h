#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include "common/status.h"
#include "model/tnode.h"

class QTextDocument;

namespace kinvarro {

class Document;
class DocumentSession;

/// What the person and event editors show of an element, in the form their
/// controls hold it. Parent and importance values are list item indexes.
struct ElementFields {
    QString name;  ///< lines separated by "\n"
    int sex = 0;
    int fatherItem = 0;
    int motherItem = 0;
    int fatherImportance = 1;
    int motherImportance = 1;
    bool useColor = false;
    TColor swatch = kNoOwnColor;
    bool useFont = false;
    tmyfont font;       ///< the font dialog's font
    QStringList media;  ///< the working media list
};

/// Copies element `index` into fields; `description` receives its rich text.
/// A person's description starts from the default face and loses trailing
/// empty lines; an event's is read as it stands.
void LoadElement(const Document &doc, int index, ElementFields &fields, QTextDocument &description);

/// Element `index` with the fields of a person or an event stored into it and
/// snapped to the grid when the document aligns to it.
tnode AppliedElement(const Document &doc, int index, const ElementFields &fields,
                     QTextDocument &description);

/// Applying: stores the fields as one step of the history (a new element's
/// addition, or a change of an existing one) and clears the selection.
void ApplyElement(DocumentSession &session, int index, const ElementFields &fields,
                  QTextDocument &description);

/// Cancelling: an element added just before is taken away again (returns
/// true), otherwise nothing changes.
bool CancelElement(DocumentSession &session, int index, bool justAdded);

/// The font record of a font dialog's choice: bold 1, underline 2, italic 4;
/// other effects are not stored.
tmyfont FontRecordFromDialog(const QFont &font, TColor colour, std::uint8_t charset = 204);

/// The dialog font for a record: face, size, style bits.
QFont DialogFontForRecord(const tmyfont &record);

/// Element name in the editor's form ("\n" lines) and back (CR LF lines).
QString NameForEditor(const std::string &name);
std::string NameForStorage(const QString &text);

}  // namespace kinvarro
