#pragma once

#include "model/document_settings.h"
#include "model/tnode.h"

namespace kinvarro {

class Document;

/// Moves `node` so that the centre of its name box (`extent`) lies in the
/// middle of its grid cell; an interval of 0 or 1 leaves that axis alone.
void SnapToGrid(tnode &node, NameExtent extent, const DocumentSettings &settings);

/// Snaps element `index` of `doc` by its measured name extent.
void AlignToGrid(Document &doc, int index);

}  // namespace kinvarro
