#pragma once

#include "model/document.h"

namespace kinvarro::bench {

/// Fills `doc` with `count` persons in generations of families: every person
/// past the first generation has a father and a mother in the one before.
/// Each gets a two-line name, a formatted description and `mediaPerElement` media paths.
void generateFamilyChart(Document &doc, int count, int mediaPerElement);

}  // namespace kinvarro::bench
