#pragma once

#include <QString>

namespace kinvarro {

class Prompts;

/// Tells the user which typed characters the document cannot store; the
/// editor stays open so that they can be replaced.
void TellUnstorable(Prompts &prompts, const QString &characters);

}  // namespace kinvarro
