#include "editors/event_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>

#include "editors/element_editor.h"
#include "editors/element_options.h"
#include "editors/media_tab.h"

namespace kinvarro {

TForm8::TForm8(DocumentSession &session, Prompts &prompts, const MessageTable &messages,
               QWidget *parent)
    : ElementEditorBase(session, prompts, messages, false, parent),
      cbfatherimportance_(new QComboBox(optionsPage_)),
      cbusecolor_(new QCheckBox(QStringLiteral("использовать цвет"), optionsPage_)) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Историческое событие"));
    nameGroup_->setTitle(QStringLiteral("Заглавие"));
    setMinimumSize(450, 250);
    cbfatherimportance_->setObjectName(QStringLiteral("cbfatherimportance"));
    AddImportanceItems(cbfatherimportance_);
    cbusecolor_->setObjectName(QStringLiteral("cbusecolor"));
    auto *label = new QLabel(QStringLiteral("Важность"), optionsPage_);
    label->setObjectName(QStringLiteral("Label1"));
    auto *form = new QFormLayout(optionsPage_);
    form->addRow(label, cbfatherimportance_);
    form->addRow(cbusecolor_);
    connect(cbusecolor_, &QCheckBox::toggled, this,
            [this](bool on) { SetUseOwnColour(fields_, on, false, prompts_); });
    tabs()->setCurrentIndex(1);
    connect(tabs(), &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == tabs()->indexOf(&media()))
            media().refreshPreview();
    });
}

void TForm8::showOptions() {
    ShowOptionValue(cbfatherimportance_, kImportanceItems, fields_.fatherImportance);
    const QSignalBlocker block(cbusecolor_);
    cbusecolor_->setChecked(fields_.useColor);
}

void TForm8::readOptions() {
    fields_.fatherImportance = OptionValueForItem(cbfatherimportance_->currentIndex(),
                                                  kImportanceItems, fields_.fatherImportance);
}

}  // namespace kinvarro
