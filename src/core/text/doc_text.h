#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <string>
#include <string_view>

namespace kinvarro {

/// Document text is UTF-8 in std::string; these are the one conversion at the
/// Qt boundary. Invalid UTF-8 bytes become U+FFFD rather than being dropped.
QString fromDocText(std::string_view utf8);

/// UTF-8 bytes as they stand. QString::fromUtf8 drops a leading U+FEFF as a
/// byte order mark; here it stays a character, as the file's own mark has
/// been taken off before, and a text may begin with one.
QString textFromUtf8(QByteArrayView utf8);

/// The UTF-8 bytes of `text` in Normalization Form C, so that the same letter
/// typed, pasted or imported is stored, compared and searched the same way.
std::string toDocText(QStringView text);

/// Document text read from Windows-1251 bytes (older charts, ANSI files).
std::string docTextFromCp1251(std::string_view bytes);

/// True when every character of the document text has a Windows-1251 byte,
/// so that it can be written where only that code page is understood.
bool docTextFitsCp1251(std::string_view utf8);

/// The Windows-1251 bytes of document text; a character the code page lacks
/// (or an invalid byte) becomes '?'. Check docTextFitsCp1251 first where
/// nothing may be lost.
std::string docTextToCp1251(std::string_view utf8);
/// The same written at `out`, which has room for utf8.size() bytes (a
/// Windows-1251 text is never longer than its UTF-8); returns its end.
char *writeDocTextAsCp1251(std::string_view utf8, char *out);

/// `utf8` with every invalid byte sequence replaced by U+FFFD, unchanged (and
/// not copied) when it is valid: text read from a file keeps the document's
/// promise that its texts are UTF-8.
std::string validDocText(std::string utf8);

/// The code point that starts at `at` in `utf8`, moving `at` past it; -1 for
/// a byte that starts no valid sequence (then `at` moves past that one byte).
std::int32_t nextCodePoint(std::string_view utf8, std::size_t &at);

/// The Windows-1251 byte of the character that starts at `at` in `utf8`,
/// moving `at` past it; -1 when the code page lacks the character or the bytes
/// there are not valid UTF-8. Lets a line be measured from the code page's table.
int nextCp1251Byte(std::string_view utf8, std::size_t &at);

}  // namespace kinvarro
