#pragma once

class QTextDocument;

namespace kinvarro {

class Document;
class DocumentSession;

/// Opening the information editor: copies the document's information text
/// into the editor's field without its trailing empty lines. The document's
/// text stays the snapshot that cancelling keeps.
void OpenInfoText(const Document &doc, QTextDocument &field);

/// Applying: trims the field's trailing empty lines and makes the field's
/// text the document's information text, one step of the history.
void ApplyInfoText(DocumentSession &session, QTextDocument &field);

}  // namespace kinvarro
