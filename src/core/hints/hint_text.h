#pragma once

#include <cstddef>
#include <string_view>

namespace kinvarro {

/// Most bytes of a description's markup a hover hint lays out. A hint is read at
/// a glance; laying out megabytes again for every size tried froze the editor.
inline constexpr std::size_t kMaxHintMarkupBytes = 6000;

/// The beginning of `markup` a hint shows: all of it when short enough, else
/// cut before kMaxHintMarkupBytes and never inside a UTF-8 character.
std::string_view HintMarkupShown(std::string_view markup);

/// Whether the hint leaves part of `markup` out, and so says there is more.
bool HintLeavesTextOut(std::string_view markup);

}  // namespace kinvarro
