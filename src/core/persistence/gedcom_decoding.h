#pragma once

#include <QByteArrayView>
#include <QString>
#include <string>

namespace kinvarro {

enum class GedcomEncoding { Windows1251, Utf8, Utf16LE, Utf16BE, Ansel };

/// The encoding of a GEDCOM file image: its byte-order mark, else a first
/// "0" NUL or NUL "0" (UTF-16 without a mark), else the "1 CHAR" line of
/// its first header record (UTF-8, UTF8, UNICODE, ANSEL), else Windows-1251.
GedcomEncoding detectGedcomEncoding(QByteArrayView bytes);

/// The file's text in Unicode, without a byte-order mark. A byte or unit that
/// stands for no character (an undefined ANSEL byte, an unpaired surrogate, a
/// last odd byte of UTF-16) becomes U+FFFD; a diacritic with no letter after
/// it on its line is dropped and counted in `dropped`. In UTF-8 a byte that
/// starts no valid sequence is read as its Windows-1251 character.
QString decodeGedcomText(QByteArrayView bytes, GedcomEncoding encoding, long long &dropped);

/// A GEDCOM file's text as the document stores it.
struct GedcomText {
    std::string bytes;       ///< Windows-1251
    long long replaced = 0;  ///< characters changed or dropped on the way
};

/// Decodes a whole file image by its own encoding and stores it as
/// Windows-1251 (a Windows-1251 file is taken as it is).
GedcomText decodeGedcomFile(QByteArrayView bytes);

}  // namespace kinvarro
