#pragma once

#include <string>
#include <string_view>

#include "common/status.h"

namespace kinvarro {

/// Part 5.2: the HTML fragment of the tag markup `markup` (Windows-1251 in,
/// Windows-1251 out), by the text substitutions of the specification. The
/// result equals the specification's repeated first-occurrence search, in
/// linear time.
///
/// Choices the specification leaves open:
/// - A face, size or colour tag with no ">" after it reaches to the end of the
///   text: a face or size tag removes the rest; a colour tag takes the rest as
///   its value (as the reader of Part 5.1 does) and is replaced as usual.
/// - Colour values are read by `parseMarkupInteger` (decimal or "$" hex).
/// - The whole string is converted; a NUL is an ordinary character here.
///
/// A colour value that is not an integer fails with a message naming it;
/// `html` is then left unchanged.
Status MarkupToHtml(std::string_view markup, std::string &html);

}  // namespace kinvarro
