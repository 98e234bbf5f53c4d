#include "hints/hint_text.h"

namespace kinvarro {

std::string_view HintMarkupShown(std::string_view markup) {
    if (markup.size() <= kMaxHintMarkupBytes)
        return markup;
    std::size_t end = kMaxHintMarkupBytes;
    // Back to the first byte of a character; at most three continuation bytes.
    for (int step = 0;
         step < 3 && end > 0 && (static_cast<unsigned char>(markup[end]) & 0xC0) == 0x80; ++step)
        --end;
    return markup.substr(0, end);
}

bool HintLeavesTextOut(std::string_view markup) {
    return markup.size() > kMaxHintMarkupBytes;
}

}  // namespace kinvarro
