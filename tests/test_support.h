#pragma once

#include <QString>
#include <string>

#include "model/document.h"
#include "render/font_substitutes.h"

namespace kinvarro::test {

/// Appends a person with the given position and parents and returns its index.
int addPerson(Document &doc, int x, int y, int mother = -1, int father = -1,
              const std::string &name = "P");

}  // namespace kinvarro::test
