#include "editors/element_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>

#include "editors/element_options.h"
#include "editors/parent_list.h"
#include "editors/parent_list_search.h"

namespace kinvarro {

namespace {

QComboBox *NamedList(const char *name, QWidget *parent) {
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    return list;
}

// A parent list with its search field to the right.
QLayout *SearchableRow(QComboBox *list, ParentListSearch *search) {
    auto *row = new QHBoxLayout;
    row->addWidget(list, 3);
    row->addWidget(search, 1);
    return row;
}

QLabel *NamedLabel(const char *name, const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

}  // namespace

void AddImportanceItems(QComboBox *list) {
    list->addItems({QStringLiteral("Второстепенная"), QStringLiteral("Обычная"),
                    QStringLiteral("Важная"), QStringLiteral("Очень важная"),
                    QStringLiteral("Самая важная")});
}

void ShowOptionValue(QComboBox *list, int fixedItems, int value) {
    while (list->count() > fixedItems)
        list->removeItem(list->count() - 1);
    if (const QString extra = ExtraOptionItem(value, fixedItems); !extra.isEmpty())
        list->addItem(extra);
    list->setCurrentIndex(OptionItemForValue(value, fixedItems));
}

TForm3::TForm3(DocumentSession &session, Prompts &prompts, const MessageTable &messages,
               QWidget *parent)
    : ElementEditorBase(session, prompts, messages, true, parent),
      cbSex_(NamedList("cbSex", optionsPage_)),
      cbFather_(NamedList("cbFather", optionsPage_)),
      cbMother_(NamedList("cbMother", optionsPage_)),
      eFatherFilter_(new ParentListSearch("eFatherFilter", cbFather_, optionsPage_)),
      eMotherFilter_(new ParentListSearch("eMotherFilter", cbMother_, optionsPage_)),
      cbfatherimportance_(NamedList("cbfatherimportance", optionsPage_)),
      cbMatherImportance_(NamedList("cbMatherImportance", optionsPage_)),
      cbusecolor_(new QCheckBox(QStringLiteral("индивидуальный фон"), optionsPage_)),
      cbusefont_(new QCheckBox(QStringLiteral("индивидуальный шрифт"), optionsPage_)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Элемент"));
    nameGroup_->setTitle(QStringLiteral("Имя"));
    setMinimumSize(669, 400);
    cbSex_->addItems(
        {QStringLiteral("Неизвестно"), QStringLiteral("Мужчина"), QStringLiteral("Женщина")});
    AddImportanceItems(cbfatherimportance_);
    AddImportanceItems(cbMatherImportance_);
    cbusecolor_->setObjectName(QStringLiteral("cbusecolor"));
    cbusefont_->setObjectName(QStringLiteral("cbusefont"));

    auto *form = new QFormLayout(optionsPage_);
    form->addRow(NamedLabel("Label1", QStringLiteral("Пол"), optionsPage_), cbSex_);
    form->addRow(NamedLabel("Label2", QStringLiteral("Отец"), optionsPage_),
                 SearchableRow(cbFather_, eFatherFilter_));
    form->addRow(NamedLabel("Label3", QStringLiteral("Мать"), optionsPage_),
                 SearchableRow(cbMother_, eMotherFilter_));
    form->addRow(NamedLabel("Label4", QStringLiteral("Важность ветви по отцу"), optionsPage_),
                 cbfatherimportance_);
    form->addRow(NamedLabel("Label5", QStringLiteral("Важность ветви по матери"), optionsPage_),
                 cbMatherImportance_);
    form->addRow(cbusecolor_);
    form->addRow(cbusefont_);

    // The boxes are set from code with signals blocked, so only a user's click asks.
    connect(cbusecolor_, &QCheckBox::toggled, this,
            [this](bool on) { SetUseOwnColour(fields_, on, true, prompts_); });
    connect(cbusefont_, &QCheckBox::toggled, this, [this](bool on) {
        SetUseOwnFont(fields_, on, prompts_);
        const QSignalBlocker block(cbusefont_);
        cbusefont_->setChecked(fields_.useFont);
    });
    tabs()->setCurrentIndex(2);
}

void TForm3::showOptions() {
    ShowOptionValue(cbSex_, kSexItems, fields_.sex);
    const QStringList parents = ParentListItems(doc_);
    for (QComboBox *list : {cbFather_, cbMother_}) {
        list->clear();
        list->addItems(parents);
    }
    cbFather_->setCurrentIndex(fields_.fatherItem);
    cbMother_->setCurrentIndex(fields_.motherItem);
    eFatherFilter_->reset(doc_);
    eMotherFilter_->reset(doc_);
    ShowOptionValue(cbfatherimportance_, kImportanceItems, fields_.fatherImportance);
    ShowOptionValue(cbMatherImportance_, kImportanceItems, fields_.motherImportance);
    const QSignalBlocker blockColour(cbusecolor_), blockFont(cbusefont_);
    cbusecolor_->setChecked(fields_.useColor);
    cbusefont_->setChecked(fields_.useFont);
}

void TForm3::readOptions() {
    fields_.sex = OptionValueForItem(cbSex_->currentIndex(), kSexItems, fields_.sex);
    fields_.fatherItem = cbFather_->currentIndex();
    fields_.motherItem = cbMother_->currentIndex();
    fields_.fatherImportance = OptionValueForItem(cbfatherimportance_->currentIndex(),
                                                  kImportanceItems, fields_.fatherImportance);
    fields_.motherImportance = OptionValueForItem(cbMatherImportance_->currentIndex(),
                                                  kImportanceItems, fields_.motherImportance);
}

}  // namespace kinvarro
