#pragma once

#include <QByteArrayView>
#include <QString>
#include <string>

namespace kinvarro {

enum class GedcomEncoding { Windows1251, Windows1252, Utf8, Utf16LE, Utf16BE, Ansel };

/// The encoding of a GEDCOM file image: its byte-order mark, else the NUL
/// bytes of its first lines (UTF-16 without a mark), else the "1 CHAR" line of
/// its first header record (UTF-8, UTF8, UNICODE, ANSEL), else UTF-8 when the
/// bytes are valid UTF-8, else Windows-1251 or Windows-1252, whichever makes
/// the text plausible.
GedcomEncoding detectGedcomEncoding(QByteArrayView bytes);

/// True when the bytes were read as Windows-1252 for want of a declared
/// encoding and letters depended on it: the import says so.
bool isCodePageGuess(QByteArrayView bytes, GedcomEncoding encoding);

/// The file's text in Unicode, without a byte-order mark. A byte or unit that
/// stands for no character (an undefined ANSEL byte, an unpaired surrogate, a
/// last odd byte of UTF-16) becomes U+FFFD and a diacritic with no letter
/// after it on its line is dropped; both are counted in `lost`. In UTF-8 a
/// byte that starts no valid sequence is read as its Windows-1251 character.
QString decodeGedcomText(QByteArrayView bytes, GedcomEncoding encoding, long long &lost);

/// A GEDCOM file's text as the document stores it.
struct GedcomText {
    std::string text;        ///< UTF-8 in Normalization Form C
    long long replaced = 0;  ///< bytes or diacritics that stood for no character
    long long controls = 0;  ///< control characters replaced by "?"
    GedcomEncoding encoding = GedcomEncoding::Windows1251;
    bool guessedCodePage = false;  ///< see isCodePageGuess
};

/// Decodes a whole file image by its own encoding into document text: every
/// character the file holds is kept.
GedcomText decodeGedcomFile(QByteArrayView bytes);

}  // namespace kinvarro
