#pragma once

#include <QFont>
#include <QFontMetrics>

#include "model/tnode.h"

namespace kinvarro {

/// The QFont that draws and measures a font record. Sizes are points at
/// 96 dpi, turned into whole pixels so that every paint device measures alike.
/// Kerning and shaping are off and hinting is full, so every character
/// advances by a whole number of pixels and a line is as wide as the sum of
/// its characters' advances, drawn and measured alike. (Scripts that cannot
/// do without shaping are laid out with it: see AdvanceTable.)
QFont fontForRecord(const tmyfont &record);

/// Metrics of `font` on a 96-dpi device, so that the editor, the tool and the
/// tests measure alike whatever the screen.
QFontMetrics chartFontMetrics(const QFont &font);

}  // namespace kinvarro
