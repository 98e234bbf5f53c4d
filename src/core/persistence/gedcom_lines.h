#pragma once

#include <cstddef>
#include <string_view>

namespace kinvarro {

/// Walks the lines of a GEDCOM text. A line ends at LF, CR LF or a CR alone;
/// leading blanks and tabs and trailing blanks are removed, and lines left
/// empty are skipped.
class GedcomLines {
  public:
    explicit GedcomLines(std::string_view text) : text_(text) {}

    /// The next non-empty trimmed line; false at the end of the text.
    bool next(std::string_view &line);
    /// The line last returned with its trailing blanks: a continuation's
    /// value keeps them.
    std::string_view withTrailingBlanks() const { return untrimmed_; }
    /// Lines passed so far, empty ones included.
    long long count() const { return count_; }

  private:
    std::string_view text_;
    std::string_view untrimmed_;
    std::size_t position_ = 0;
    long long count_ = 0;
};

}  // namespace kinvarro
