#include "persistence/gedcom_lines.h"

namespace kinvarro {

bool GedcomLines::next(std::string_view &line) {
    while (position_ < text_.size()) {
        // One pass for every kind of line end: looking for LF first would scan
        // the rest of a CR-only file for each of its lines.
        const std::size_t end = text_.find_first_of("\r\n", position_);
        const std::size_t length = (end == std::string_view::npos ? text_.size() : end) - position_;
        std::string_view candidate = text_.substr(position_, length);
        position_ += length;
        if (position_ < text_.size()) {
            const bool crLf = text_[position_] == '\r' && position_ + 1 < text_.size() &&
                              text_[position_ + 1] == '\n';
            position_ += crLf ? 2 : 1;
        }
        ++count_;
        while (!candidate.empty() && (candidate.front() == ' ' || candidate.front() == '\t'))
            candidate.remove_prefix(1);
        untrimmed_ = candidate;
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
