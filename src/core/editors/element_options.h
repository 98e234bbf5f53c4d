#pragma once

namespace kinvarro {

struct ElementFields;
class Prompts;

/// Ticking or unticking the own-colour box. Ticking asks for a colour at once;
/// a cancelled dialog leaves a person's swatch at none and an event's swatch
/// as it was.
void SetUseOwnColour(ElementFields &fields, bool ticked, bool person, Prompts &prompts);

/// Ticking or unticking the own-font box. Ticking asks for a font and its
/// colour at once; a cancelled dialog unticks the box again.
void SetUseOwnFont(ElementFields &fields, bool ticked, Prompts &prompts);

}  // namespace kinvarro
