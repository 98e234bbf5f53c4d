#pragma once

namespace kinvarro {

class Document;

/// Snaps element `index` of `doc` so that its name box centre lies in the
/// middle of its grid cell.
void AlignToGrid(Document &doc, int index);

}  // namespace kinvarro
