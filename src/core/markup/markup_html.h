#pragma once

#include <string>
#include <string_view>

namespace kinvarro {

/// The HTML fragment of the tag markup `markup` (document text in, the
/// same out), made by text substitution. The result equals a
/// repeated first-occurrence search and replace, computed in linear time.
/// Colours are written "<font color=#RRGGBB>". In the text the tags leave,
/// "&", "<", ">" and '"' are escaped, except in the style tags "<B>", "</B>",
/// "<I>", "</I>", "<U>", "</U>" that pass through as HTML.
///
/// Rules for the unusual cases:
/// - A face, size or colour tag with no ">" after it reaches to the end of the
///   text: a face or size tag removes the rest; a colour tag takes the rest as
///   its value (as the markup reader does) and is replaced as usual.
/// - Colour values are read by `parseMarkupInteger` (decimal or "$" hex).
/// - The whole string is converted; a NUL is an ordinary character here.
/// - A colour tag whose value is not an integer is no tag: its characters are
///   text, as the markup reader reads them.
std::string MarkupToHtml(std::string_view markup);

}  // namespace kinvarro
