#pragma once

namespace kinvarro {

/// Maps the Windows face names that documents carry ("Arial Cyr", "MS Sans
/// Serif", ...) to faces this system has, without changing the stored names.
void installFontSubstitutes();

}  // namespace kinvarro
