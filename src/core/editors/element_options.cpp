#include "editors/element_options.h"

#include "common/prompts.h"
#include "editors/element_edit.h"

namespace kinvarro {

void SetUseOwnColour(ElementFields &fields, bool ticked, bool person, Prompts &prompts) {
    fields.useColor = ticked;
    if (!ticked)
        return;
    const TColor start = fields.swatch == kNoOwnColor ? 0xFFFFFF : fields.swatch;
    if (const std::optional<TColor> chosen = prompts.chooseColour(start))
        fields.swatch = *chosen;
    else if (person)
        fields.swatch = kNoOwnColor;
}

void SetUseOwnFont(ElementFields &fields, bool ticked, Prompts &prompts) {
    fields.useFont = ticked;
    if (!ticked)
        return;
    if (const std::optional<QFont> chosen = prompts.chooseFont(DialogFontForRecord(fields.font)))
        fields.font = FontRecordFromDialog(*chosen, fields.font.color);
    else
        fields.useFont = false;
}

int OptionItemForValue(int value, int fixedItems) {
    return value >= 0 && value < fixedItems ? value : fixedItems;
}

QString ExtraOptionItem(int value, int fixedItems) {
    return OptionItemForValue(value, fixedItems) == value ? QString() : QString::number(value);
}

int OptionValueForItem(int item, int fixedItems, int valueRead) {
    return item >= 0 && item < fixedItems ? item : valueRead;
}

}  // namespace kinvarro
