#pragma once

#include <string>
#include <string_view>

namespace kinvarro {

/// Appends UTF-8 `text` with every letter case-folded (Unicode simple folding:
/// "MÜLLER" and "Müller" both give "müller", "Σ" and "ς" both "σ"), so that
/// texts compare without regard to case in any script. ASCII is folded in
/// place without decoding; an invalid byte is copied as it is.
void AppendFolded(std::string_view text, std::string &out);

}  // namespace kinvarro
