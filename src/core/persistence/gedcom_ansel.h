#pragma once

namespace kinvarro {

/// The Unicode character of an ANSEL byte from 0x80 up (the MARC-8 table, with
/// the GEDCOM additions 0xC7 ß and 0xC8 €, and the midline letters 0xCD and
/// 0xCE read as e and o); 0 for a byte ANSEL leaves undefined.
char32_t anselCharacter(unsigned char byte);

/// True for the ANSEL bytes 0xE0 to 0xFE that are combining diacritics,
/// written before the letter they belong to.
inline bool isAnselCombining(unsigned char byte) {
    return byte >= 0xE0 && byte != 0xFC && byte != 0xFD && byte != 0xFF;
}

}  // namespace kinvarro
