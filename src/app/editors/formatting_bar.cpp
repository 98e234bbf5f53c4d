#include "editors/formatting_bar.h"
#include "text/control_chars.h"

#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QFontComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>
#include <QToolButton>

#include "editors/selection_format.h"

namespace kinvarro {

namespace {

// The standard colours of the colour list, as 0x00BBGGRR.
constexpr TColor kListColours[] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                   0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                                   0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
constexpr int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr int kMaxSize = RichTextDocument::kMaxDisplaySize;

int ColourItem(QComboBox *list, TColor colour) {
    int item = list->findData(colour);
    if (item < 0) {
        QPixmap swatch(12, 12);
        swatch.fill(ToQColor(colour));
        list->addItem(QIcon(swatch),
                      QStringLiteral("$%1").arg(colour, 6, 16, QLatin1Char('0')).toUpper(), colour);
        item = list->count() - 1;
    }
    return item;
}

}  // namespace

FormattingBar::FormattingBar(QTextEdit *field, QWidget *parent)
    : QWidget(parent),
      field_(field),
      face_(new QFontComboBox(this)),
      size_(new QComboBox(this)),
      colour_(new QComboBox(this)) {
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    face_->setObjectName(QStringLiteral("FontName"));
    face_->setFontFilters(QFontComboBox::ScalableFonts);
    size_->setObjectName(QStringLiteral("FontSize"));
    size_->setEditable(true);
    for (int size : kSizes)
        size_->addItem(QString::number(size));
    colour_->setObjectName(QStringLiteral("FontColor"));
    for (TColor colour : kListColours)
        ColourItem(colour_, colour);
    colour_->addItem(tr("..."), -1);
    layout->addWidget(face_, 3);
    layout->addWidget(size_, 1);
    layout->addWidget(colour_, 2);
    // Built-in captions are Russian, as every built-in text; the language files translate them.
    bold_ = addToggle(QStringLiteral("sbBold"), QStringLiteral("Ж"), QStringLiteral("Полужирный"));
    italic_ = addToggle(QStringLiteral("sbItalic"), QStringLiteral("К"), QStringLiteral("Курсив"));
    underline_ = addToggle(QStringLiteral("sbUnderline"), QStringLiteral("Ч"),
                           QStringLiteral("Подчёркнутый"));
    left_ =
        addToggle(QStringLiteral("sbLeft"), QStringLiteral("Л"), QStringLiteral("По левому краю"));
    centre_ =
        addToggle(QStringLiteral("sbCenter"), QStringLiteral("Ц"), QStringLiteral("По центру"));
    right_ = addToggle(QStringLiteral("sbRight"), QStringLiteral("П"),
                       QStringLiteral("По правому краю"));
    left_->setIcon(QIcon::fromTheme(QStringLiteral("format-justify-left")));
    centre_->setIcon(QIcon::fromTheme(QStringLiteral("format-justify-center")));
    right_->setIcon(QIcon::fromTheme(QStringLiteral("format-justify-right")));
    layout->addStretch();
    QFont boldFont = bold_->font();
    boldFont.setBold(true);
    bold_->setFont(boldFont);
    QFont italicFont = italic_->font();
    italicFont.setItalic(true);
    italic_->setFont(italicFont);
    QFont underlinedFont = underline_->font();
    underlinedFont.setUnderline(true);
    underline_->setFont(underlinedFont);

    connect(bold_, &QToolButton::toggled, this,
            [this](bool on) { applyFormat(StyleFormat(kStyleBold, on)); });
    connect(italic_, &QToolButton::toggled, this,
            [this](bool on) { applyFormat(StyleFormat(kStyleItalic, on)); });
    connect(underline_, &QToolButton::toggled, this,
            [this](bool on) { applyFormat(StyleFormat(kStyleUnderline, on)); });
    for (QToolButton *button : {left_, centre_, right_})
        connect(button, &QToolButton::clicked, this, [this, button] { alignmentPressed(button); });
    // Only a face the user picks applies: the box may show a requested name
    // that is not in the list.
    connect(face_, &QComboBox::textActivated, this, [this](const QString &face) {
        // ">" or a control character would end the face name inside the markup.
        if (storableFontFace(face) && face_->findText(face, Qt::MatchFixedString) >= 0)
            applyFormat(FaceFormat(face));
        else
            mirrorSelection();
    });
    // A size applies once chosen: picked from the list, or typed and ended with
    // Enter or by leaving the box; typing "14" never applies 1 on the way.
    size_->setInsertPolicy(QComboBox::NoInsert);
    size_->setCompleter(nullptr);  // "1" stays 1, not completed to 10
    connect(size_, &QComboBox::activated, this, [this] { applySize(true); });
    connect(size_->lineEdit(), &QLineEdit::textEdited, this, [this] { sizeTyped_ = true; });
    connect(size_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (sizeTyped_)
            applySize(size_->hasFocus());
    });
    connect(colour_, &QComboBox::activated, this, [this](int item) {
        TColor colour = colour_->itemData(item).toInt();
        if (colour < 0) {
            const QColor chosen = QColorDialog::getColor(field_->textColor(), this);
            if (!chosen.isValid())
                return mirrorSelection();
            colour = FromQColor(chosen);
            QSignalBlocker block(colour_);
            colour_->setCurrentIndex(ColourItem(colour_, colour));
        }
        applyFormat(ColourFormat(colour));
    });

    field_->installEventFilter(this);
    field_->viewport()->installEventFilter(this);
    if (QWidget *window = field_->window())
        window->installEventFilter(this);
    hide();
}

QToolButton *FormattingBar::addToggle(const QString &name, const QString &text,
                                      const QString &tip) {
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(tip);
    button->setCheckable(true);
    button->setAutoRaise(true);
    layout()->addWidget(button);
    return button;
}

void FormattingBar::applyFormat(const QTextCharFormat &format, bool focusText) {
    if (mirroring_)
        return;
    field_->mergeCurrentCharFormat(format);
    if (focusText)
        field_->setFocus();
}

void FormattingBar::applySize(bool focusText) {
    sizeTyped_ = false;
    bool number = false;
    const int size = size_->currentText().trimmed().toInt(&number);
    if (!number || size < 1 || size > kMaxSize)
        return mirrorSelection();
    applyFormat(SizeFormat(size), focusText);
}

void FormattingBar::alignmentPressed(QToolButton *pressed) {
    // At most one is down; all may be up, and then the alignment stays.
    for (QToolButton *button : {left_, centre_, right_})
        if (button != pressed)
            button->setChecked(false);
    if (!pressed->isChecked())
        return;
    QTextCursor cursor = field_->textCursor();
    SetSelectionAlignment(cursor, pressed == left_     ? Alignment::Left
                                  : pressed == centre_ ? Alignment::Centre
                                                       : Alignment::Right);
    field_->setFocus();
}

QToolButton *FormattingBar::styleButtonFor(const QKeyEvent &key) const {
    if (key.modifiers() != Qt::ControlModifier || field_->isReadOnly())
        return nullptr;
    switch (key.key()) {
        case Qt::Key_B:
            return bold_;
        case Qt::Key_I:
            return italic_;
        case Qt::Key_U:
            return underline_;
        default:
            return nullptr;
    }
}

void FormattingBar::mirrorSelection() {
    const SelectionFormat shown = FormatOfSelection(field_->textCursor());
    mirroring_ = true;
    const QSignalBlocker blockFace(face_), blockSize(size_), blockColour(colour_);
    bold_->setChecked(shown.bold);
    italic_->setChecked(shown.italic);
    underline_->setChecked(shown.underline);
    // The face is shown by the name the text asks for, also where another font
    // stands in for it.
    const int faceItem = face_->findText(shown.face, Qt::MatchFixedString);
    if (faceItem >= 0)
        face_->setCurrentIndex(faceItem);
    face_->setEditText(shown.face);
    size_->setCurrentText(QString::number(shown.size));
    sizeTyped_ = false;
    colour_->setCurrentIndex(ColourItem(colour_, shown.colour));
    if (shown.alignment != Alignment::Other) {
        left_->setChecked(shown.alignment == Alignment::Left);
        centre_->setChecked(shown.alignment == Alignment::Centre);
        right_->setChecked(shown.alignment == Alignment::Right);
    }
    mirroring_ = false;
}

bool FormattingBar::eventFilter(QObject *watched, QEvent *event) {
    if (watched == field_->window()) {
        if (event->type() == QEvent::Hide)
            hide();
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        if (QToolButton *style = styleButtonFor(*static_cast<QKeyEvent *>(event))) {
            // The button is set from the selection first, so the key toggles what is seen.
            show();
            mirrorSelection();
            style->toggle();
            return true;
        }
    }
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
            show();
            [[fallthrough]];
        case QEvent::KeyRelease:
        case QEvent::MouseButtonRelease:
            // Mirror after the field has handled the event.
            QMetaObject::invokeMethod(this, &FormattingBar::mirrorSelection, Qt::QueuedConnection);
            break;
        default:
            break;
    }
    return false;
}

}  // namespace kinvarro
