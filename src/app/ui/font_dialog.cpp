#include "ui/font_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "display/font_dialog_state.h"
#include "editors/selection_format.h"

namespace kinvarro {
namespace {

constexpr int kSampleHeight = 72;
constexpr QSize kSwatch{40, 14};

template <class Widget>
Widget *named(Widget *widget, const char *name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

}  // namespace

TfFont::TfFont(ColourPicker pickColour, QWidget *parent)
    : QDialog(parent), pickColour_(std::move(pickColour)) {
    setObjectName(QStringLiteral("fFont"));
    setWindowTitle(QStringLiteral("Шрифт"));
    state_ = std::make_unique<FontDialogState>(FontChoice{}, QStringList{});

    auto *faceLabel = named(new QLabel(QStringLiteral("&Шрифт:"), this), "LabelFace");
    lbFaces = named(new QListWidget(this), "lbFaces");
    faceLabel->setBuddy(lbFaces);
    auto *sizeLabel = named(new QLabel(QStringLiteral("&Размер:"), this), "LabelSize");
    cbSize = named(new QComboBox(this), "cbSize");
    cbSize->setEditable(true);
    cbSize->setInsertPolicy(QComboBox::NoInsert);
    for (int size : FontDialogState::standardSizes())
        cbSize->addItem(QString::number(size));
    sizeLabel->setBuddy(cbSize);

    auto *style = named(new QGroupBox(QStringLiteral("Начертание"), this), "GroupBoxStyle");
    cbBold = named(new QCheckBox(QStringLiteral("&Жирный"), style), "cbBold");
    cbItalic = named(new QCheckBox(QStringLiteral("&Курсив"), style), "cbItalic");
    auto *styleColumn = new QVBoxLayout(style);
    styleColumn->addWidget(cbBold);
    styleColumn->addWidget(cbItalic);
    styleColumn->addStretch();

    auto *effects = named(new QGroupBox(QStringLiteral("Видоизменение"), this), "GroupBoxEffects");
    cbUnderline = named(new QCheckBox(QStringLiteral("&Подчёркнутый"), effects), "cbUnderline");
    cbStrikeOut = named(new QCheckBox(QStringLiteral("&Зачёркнутый"), effects), "cbStrikeOut");
    auto *colourLabel = named(new QLabel(QStringLiteral("&Цвет:"), effects), "LabelColour");
    bColour = named(new QPushButton(effects), "bColour");
    bColour->setIconSize(kSwatch);
    colourLabel->setBuddy(bColour);
    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(bColour);
    colourRow->addStretch();
    auto *effectsColumn = new QVBoxLayout(effects);
    effectsColumn->addWidget(cbUnderline);
    effectsColumn->addWidget(cbStrikeOut);
    effectsColumn->addLayout(colourRow);

    auto *sample = named(new QGroupBox(QStringLiteral("Образец"), this), "GroupBoxSample");
    LabelSample = named(new QLabel(QStringLiteral("АаБбЯя AaBbYy"), sample), "LabelSample");
    LabelSample->setAlignment(Qt::AlignCenter);
    LabelSample->setFixedHeight(kSampleHeight);
    auto *sampleColumn = new QVBoxLayout(sample);
    sampleColumn->addWidget(LabelSample);

    auto *buttons = new QDialogButtonBox(this);
    bOk = named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "bOk");
    bOk->setDefault(true);
    named(buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole), "bCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *grid = new QGridLayout(this);
    grid->addWidget(faceLabel, 0, 0);
    grid->addWidget(sizeLabel, 0, 1);
    grid->addWidget(lbFaces, 1, 0, 3, 1);
    grid->addWidget(cbSize, 1, 1);
    grid->addWidget(style, 2, 1);
    grid->addWidget(effects, 3, 1);
    grid->addWidget(sample, 4, 0, 1, 2);
    grid->addWidget(buttons, 5, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    resize(520, 440);

    connect(lbFaces, &QListWidget::currentRowChanged, this, [this](int row) {
        state_->pickFace(row);
        showSample();
    });
    connect(cbSize, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        bOk->setEnabled(state_->setSizeText(text));
        showSample();
    });
    const auto followStyle = [this](QCheckBox *box, bool FontDialogState::*flag) {
        connect(box, &QCheckBox::toggled, this, [this, flag](bool on) {
            (*state_).*flag = on;
            showSample();
        });
    };
    followStyle(cbBold, &FontDialogState::bold);
    followStyle(cbItalic, &FontDialogState::italic);
    followStyle(cbUnderline, &FontDialogState::underline);
    followStyle(cbStrikeOut, &FontDialogState::strikeOut);
    connect(bColour, &QPushButton::clicked, this, [this] {
        if (const std::optional<TColor> chosen = pickColour_(state_->colour)) {
            state_->colour = *chosen;
            showColour();
            showSample();
        }
    });
}

TfFont::~TfFont() = default;

std::optional<FontChoice> TfFont::choose(const FontChoice &initial) {
    state_ = std::make_unique<FontDialogState>(initial, ScalableFaces());
    fill();
    lbFaces->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return state_->result();
}

FontChoice TfFont::current() const {
    return state_->result();
}

// Sets the controls from the state without letting them write it back.
void TfFont::fill() {
    {
        const QSignalBlocker blockFaces(lbFaces), blockSize(cbSize);
        const QSignalBlocker blockBold(cbBold), blockItalic(cbItalic);
        const QSignalBlocker blockUnderline(cbUnderline), blockStrike(cbStrikeOut);
        lbFaces->clear();
        lbFaces->addItems(state_->faces());
        lbFaces->setCurrentRow(state_->faceRow());
        cbSize->setCurrentText(QString::number(state_->size()));
        cbBold->setChecked(state_->bold);
        cbItalic->setChecked(state_->italic);
        cbUnderline->setChecked(state_->underline);
        cbStrikeOut->setChecked(state_->strikeOut);
    }
    if (QListWidgetItem *item = lbFaces->currentItem())
        lbFaces->scrollToItem(item, QAbstractItemView::PositionAtCenter);
    bOk->setEnabled(true);
    showColour();
    showSample();
}

void TfFont::showColour() {
    QPixmap swatch(kSwatch);
    swatch.fill(ToQColor(state_->colour));
    bColour->setIcon(swatch);
}

void TfFont::showSample() {
    const FontChoice shown = state_->result();
    LabelSample->setFont(shown.font);
    QPalette palette = LabelSample->palette();
    palette.setColor(QPalette::WindowText, ToQColor(shown.colour));
    LabelSample->setPalette(palette);
}

}  // namespace kinvarro
