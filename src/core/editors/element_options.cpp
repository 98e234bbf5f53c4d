#include "editors/element_options.h"

#include "editors/element_edit.h"
#include "prompts/prompts.h"

namespace kinvarro {

void SetUseOwnColour(ElementFields &fields, bool ticked, bool person, Prompts &prompts) {
    fields.useColor = ticked;
    if (!ticked)
        return;
    const TColor start = fields.swatch == kNoOwnColor ? 0xFFFFFF : fields.swatch;
    if (const std::optional<TColor> chosen = prompts.chooseColour(start, ColourDialogForm::Full))
        fields.swatch = *chosen;
    else if (person)
        fields.swatch = kNoOwnColor;
}

void SetUseOwnFont(ElementFields &fields, bool ticked, Prompts &prompts) {
    fields.useFont = ticked;
    if (!ticked)
        return;
    const FontChoice shown{DialogFontForRecord(fields.font), fields.font.color};
    if (const std::optional<FontChoice> chosen = prompts.chooseFont(shown))
        fields.font = FontRecordFromDialog(chosen->font, chosen->colour);
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
