#pragma once

#include "interaction/chart_mouse.h"
#include "model/document.h"

namespace kinvarro::test {

/// Appends a person at (x, y) whose name box is `width` x `height`.
int addBox(Document &doc, int x, int y, int width = 40, int height = 16);

/// Appends a historical event at height `y` whose name is `lines` lines tall.
int addEvent(Document &doc, int y, int lines = 1);

/// Height of one line of the document's chart font at scale 1.
int chartLineHeight(const Document &doc);

/// Mouse events on the chart area.
ChartMouseEvent leftPress(int x, int y, bool shift = false, bool ctrl = false);
ChartMouseEvent rightPress(int x, int y);
ChartMouseEvent doubleClick(int x, int y);
ChartMouseEvent leftDrag(int x, int y, bool shift = false);
ChartMouseEvent hover(int x, int y, bool shift = false);
ChartMouseEvent leftRelease(int x, int y, bool shift = false);

}  // namespace kinvarro::test
