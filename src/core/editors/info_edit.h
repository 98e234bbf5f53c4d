#pragma once

class QTextDocument;

namespace kinvarro {

class Document;

/// Opening the information editor: trims trailing empty lines from the
/// document's information text and copies it into the editor's field. The
/// document's text stays the snapshot that cancelling keeps.
void OpenInfoText(Document &doc, QTextDocument &field);

/// Applying: marks the document modified, trims the field's trailing empty
/// lines and makes the field's text the document's information text.
void ApplyInfoText(Document &doc, QTextDocument &field);

}  // namespace kinvarro
