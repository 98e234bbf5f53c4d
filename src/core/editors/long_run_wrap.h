#pragma once

class QString;
class QTextDocument;

namespace kinvarro {

/// The longest run of characters, with no place to break a line, that an edit
/// field still wraps at word boundaries. Qt looks for the end of the run on
/// every line it lays out, so a megabyte without blanks takes a minute.
inline constexpr int kLongestRunWrappedAtWords = 1000;

/// The longest stretch of `text` between two places where a line may break.
int LongestUnbreakableRun(const QString &text);

/// Wraps `doc` anywhere when it holds a run longer than kLongestRunWrappedAtWords,
/// else at word boundaries (anywhere only inside a word too long for a line).
void fitWrapModeToText(QTextDocument &doc);

/// From now on, text typed, pasted or dropped into `doc` that brings such a run
/// switches the document to wrapping anywhere before it is laid out.
void keepLongRunsWrapping(QTextDocument &doc);

}  // namespace kinvarro
