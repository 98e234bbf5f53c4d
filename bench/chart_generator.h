#pragma once

#include "model/document.h"

namespace kinvarro::bench {

/// Fills `doc` with `count` persons in generations of families: every person
/// past the first generation has a father and a mother in the one before.
/// Each gets a two-line name, a formatted description and `mediaPerElement` media paths.
/// Surnames are Cyrillic (Windows-1251), or with `mixedScripts` taken in turn from
/// ten scripts, descriptions and media paths too.
void generateFamilyChart(Document &doc, int count, int mediaPerElement, bool mixedScripts = false);

}  // namespace kinvarro::bench
