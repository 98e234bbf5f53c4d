#pragma once

#include <QString>

class QTextDocument;

namespace kinvarro {

class MessageTable;
class Prompts;

/// Each of `characters` with the letters the document would store for it, in
/// the interface's reading order: "ü → u, α → ?".
QString NearestLettersList(const QString &characters);

/// `text` with every character Windows-1251 lacks replaced by its nearest
/// letters, by the rule the GEDCOM import uses (ü gives u, ß gives ss, a
/// character without any gives "?").
QString WithNearestLetters(const QString &text);

/// The same inside rich text; every run keeps its format.
void ReplaceWithNearestLetters(QTextDocument &text);

/// Asks, before an editor applies, whether the unstorable `characters` (not
/// empty) may be replaced with their nearest letters. No means back to editing.
bool AgreeToNearestLetters(Prompts &prompts, const MessageTable &messages,
                           const QString &characters);

/// Refuses text that cannot be replaced (a path must name its file as it is).
void TellUnstorable(Prompts &prompts, const MessageTable &messages, const QString &characters);

}  // namespace kinvarro
