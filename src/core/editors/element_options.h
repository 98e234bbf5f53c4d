#pragma once

#include <QString>

namespace kinvarro {

/// The fixed option lists: sex, and the importance of a branch.
constexpr int kSexItems = 3;
constexpr int kImportanceItems = 5;

struct ElementFields;
class Prompts;

/// Ticking or unticking the own-colour box. Ticking asks for a colour at once;
/// a cancelled dialog leaves a person's swatch at none and an event's swatch
/// as it was.
void SetUseOwnColour(ElementFields &fields, bool ticked, bool person, Prompts &prompts);

/// Ticking or unticking the own-font box. Ticking asks for a font and its
/// colour at once; a cancelled dialog unticks the box again.
void SetUseOwnFont(ElementFields &fields, bool ticked, Prompts &prompts);

/// A stored option value in a list of `fixedItems`: shown at its own item, or,
/// outside the list, at one extra item holding the number.
int OptionItemForValue(int value, int fixedItems);
/// The text of that extra item; empty for a value the list holds.
QString ExtraOptionItem(int value, int fixedItems);
/// The value stored for the chosen item: the item itself, or the value as read
/// while the extra item (or no item) stays chosen.
int OptionValueForItem(int item, int fixedItems, int valueRead);

}  // namespace kinvarro
