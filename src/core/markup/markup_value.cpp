#include "markup/markup_value.h"

#include "text/doc_text.h"

namespace kinvarro {

std::optional<std::int32_t> parseMarkupInteger(std::string_view value) {
    bool negative = false;
    if (!value.empty() && (value.front() == '+' || value.front() == '-')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    bool hex = false;
    if (!value.empty() && value.front() == '$') {
        hex = true;
        value.remove_prefix(1);
    }
    if (value.empty())
        return std::nullopt;

    // Magnitudes stay below 2^33, so the 64-bit accumulator never overflows.
    const std::uint64_t limit = hex ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    std::uint64_t magnitude = 0;
    for (char c : value) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            return std::nullopt;
        magnitude = magnitude * (hex ? 16 : 10) + std::uint64_t(digit);
        if (magnitude > limit)
            return std::nullopt;
    }
    std::uint32_t bits = std::uint32_t(magnitude);
    if (negative)
        bits = 0u - bits;
    return std::int32_t(bits);  // two's complement conversion, defined since C++20
}

Status notAnIntegerError(std::string_view value, const MessageTable &messages) {
    return Status::failure(messages.text(Msg::mNotAnInteger).arg(fromDocText(value)));
}

}  // namespace kinvarro
