#pragma once

#include <string>

namespace kinvarro::bench {

/// A GEDCOM 5.5 file in UTF-8 with `persons` individuals in generations:
/// couples of one generation have their children in the next, some persons
/// marry twice, some have one known parent, some none and no children. INDI
/// and FAM records come in shuffled order; parent links never form a cycle.
/// Names are Cyrillic and Latin, with surnames between slashes, and every
/// person has a birth date and place; some have a note, a death, a baptism
/// and photos or scans. The same `seed` gives the same file.
std::string generateGedcom(int persons, unsigned seed);

}  // namespace kinvarro::bench
