#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/status.h"
#include "settings/message_table.h"

namespace kinvarro {

/// Reads the integer of a size or colour tag, for the rich-text and the HTML
/// conversion alike: an optional "+" or "-", then either decimal digits giving a value in the
/// signed 32-bit range, or "$" and hexadecimal digits (either case) giving at
/// most 0xFFFFFFFF, taken as a 32-bit pattern ("$FFFFFFFF" is -1; a "-" in
/// front negates modulo 2^32). Nothing else is accepted: no blanks, no "0x".
std::optional<std::int32_t> parseMarkupInteger(std::string_view value);

/// The conversion error for a value that is not an integer; names the value.
Status notAnIntegerError(std::string_view value, const MessageTable &messages);

}  // namespace kinvarro
