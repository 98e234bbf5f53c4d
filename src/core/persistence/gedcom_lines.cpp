#include "persistence/gedcom_lines.h"

#include <cstring>

namespace kinvarro {

bool GedcomLines::next(std::string_view &line) {
    while (position_ < text_.size()) {
        const char *begin = text_.data() + position_;
        const std::size_t rest = text_.size() - position_;
        const void *lf = std::memchr(begin, '\n', rest);
        const void *cr = std::memchr(
            begin, '\r', lf ? std::size_t(static_cast<const char *>(lf) - begin) : rest);
        std::size_t length = rest;
        std::size_t ending = 0;
        if (cr) {
            length = std::size_t(static_cast<const char *>(cr) - begin);
            ending = (length + 1 < rest && begin[length + 1] == '\n') ? 2 : 1;
        } else if (lf) {
            length = std::size_t(static_cast<const char *>(lf) - begin);
            ending = 1;
        }
        position_ += length + ending;
        ++count_;
        std::string_view candidate(begin, length);
        while (!candidate.empty() && (candidate.front() == ' ' || candidate.front() == '\t'))
            candidate.remove_prefix(1);
        while (!candidate.empty() && candidate.back() == ' ')
            candidate.remove_suffix(1);
        if (!candidate.empty()) {
            line = candidate;
            return true;
        }
    }
    return false;
}

}  // namespace kinvarro
