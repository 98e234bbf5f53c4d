#pragma once

#include "model/document.h"

namespace kinvarro::bench {

/// The letters of the persons' names: Russian names, all in Windows-1251, or
/// names in a dozen scripts, most of them beyond it.
enum class NameScripts { Cyrillic, Mixed };

/// Fills `doc` with `count` persons in generations, 90 units apart: each
/// couple's children stand side by side below it and the next generation's
/// couples are neighbours, so every person after the first generation has a
/// father and a mother close above. Names have two lines, a name and dates.
void generateFamilyTree(Document &doc, int count, NameScripts scripts = NameScripts::Cyrillic);

}  // namespace kinvarro::bench
