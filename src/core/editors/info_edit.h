#pragma once

class QTextDocument;

namespace kinvarro {

class Document;
class DocumentSession;

/// Gives the information editor's field its defaults: "MS Sans Serif" 13 pixels
/// high in maroon. Text typed without attributes of its own is stored in them.
void SetInfoFieldDefaults(QTextDocument &field);

/// Opening the information editor: copies the document's information text
/// into the editor's field without its trailing empty lines. The document's
/// text stays the snapshot that cancelling keeps.
void OpenInfoText(const Document &doc, QTextDocument &field);

/// Applying: trims the field's trailing empty lines and makes the field's
/// text the document's information text, one step of the history.
void ApplyInfoText(DocumentSession &session, QTextDocument &field);

}  // namespace kinvarro
