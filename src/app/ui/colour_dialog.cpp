#include "ui/colour_dialog.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

#include "editors/selection_format.h"

namespace kinvarro {
namespace {

// Qt's own texts of the dialog, the name each gets and the program's text for it.
struct NamedText {
    const char *qtText;
    const char *name;
    const char *text;
};

constexpr NamedText kTexts[] = {
    {"&Basic colors", "LabelBasic", "&Основные цвета"},
    {"&Custom colors", "LabelCustom", "&Дополнительные цвета"},
    {"&Pick Screen Color", "bPickScreen", "&Взять цвет с экрана"},
    {"&Add to Custom Colors", "bAddCustom", "&Добавить в набор"},
    {"Hu&e:", "LabelHue", "&Оттенок:"},
    {"&Sat:", "LabelSat", "&Контраст:"},
    {"&Val:", "LabelVal", "&Яркость:"},
    {"&Red:", "LabelRed", "&Красный:"},
    {"&Green:", "LabelGreen", "&Зелёный:"},
    {"Bl&ue:", "LabelBlue", "&Синий:"},
    {"&HTML:", "LabelHtml", "&HTML:"},
};

// The parts of the full form that the short one hides.
bool onlyInFullForm(const QWidget *widget) {
    const QByteArray kind = widget->metaObject()->className();
    return kind.endsWith("QColorPicker") || kind.endsWith("QColorLuminancePicker") ||
           kind.endsWith("QColorShower") || widget->objectName() == QLatin1String("bPickScreen") ||
           widget->objectName() == QLatin1String("bAddCustom");
}

}  // namespace

TfColour::TfColour(QWidget *parent) : QColorDialog(parent) {
    // Qt's own widgets, so that the short form and the texts are ours on every desktop.
    setOption(QColorDialog::DontUseNativeDialog);
    setObjectName(QStringLiteral("fColor"));
    setWindowTitle(QStringLiteral("Цвет"));

    const auto name = [](QWidget *widget, const QString &text) {
        for (const NamedText &t : kTexts) {
            if (text == QLatin1String(t.qtText)) {
                widget->setObjectName(QLatin1String(t.name));
                return QString::fromUtf8(t.text);
            }
        }
        return text;
    };
    for (QLabel *label : findChildren<QLabel *>())
        label->setText(name(label, label->text()));
    auto *buttons = findChild<QDialogButtonBox *>();
    for (QPushButton *button : findChildren<QPushButton *>()) {
        if (button->parent() != buttons)
            button->setText(name(button, button->text()));
    }
    if (buttons) {
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok)) {
            ok->setObjectName(QStringLiteral("bOk"));
            ok->setText(QStringLiteral("OK"));
        }
        if (QPushButton *cancel = buttons->button(QDialogButtonBox::Cancel)) {
            cancel->setObjectName(QStringLiteral("bCancel"));
            cancel->setText(QStringLiteral("Отмена"));
        }
        widen_ =
            buttons->addButton(QStringLiteral("&Определить цвет >>"), QDialogButtonBox::ActionRole);
        widen_->setObjectName(QStringLiteral("bDefineColours"));
        connect(widen_, &QPushButton::clicked, this, [this] { showFull(true); });
    }
    for (QWidget *widget : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (onlyInFullForm(widget))
            fullOnly_.push_back(widget);
    }
}

void TfColour::showFull(bool full) {
    full_ = full;
    for (QWidget *widget : fullOnly_)
        widget->setVisible(full);
    if (widen_)
        widen_->setVisible(!full && !fullOnly_.empty());
    adjustSize();
}

std::optional<TColor> TfColour::choose(TColor initial, ColourDialogForm form) {
    setCurrentColor(ToQColor(initial));
    showFull(form == ColourDialogForm::Full);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return FromQColor(selectedColor());
}

}  // namespace kinvarro
