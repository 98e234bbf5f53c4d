#pragma once

#include "editors/element_editor_base.h"

class QCheckBox;
class QComboBox;

namespace kinvarro {

class ParentListSearch;

/// `TForm3`: the person editor ("Элемент") with sex, parents, the importance of
/// both branches, an own background colour and an own font on "Опции".
class TForm3 : public ElementEditorBase {
    Q_OBJECT
  public:
    TForm3(DocumentSession &session, Prompts &prompts, const MessageTable &messages,
           QWidget *parent = nullptr);

    QComboBox *sexList() const { return cbSex_; }
    QComboBox *fatherList() const { return cbFather_; }
    QComboBox *motherList() const { return cbMother_; }
    ParentListSearch *fatherSearch() const { return eFatherFilter_; }
    ParentListSearch *motherSearch() const { return eMotherFilter_; }
    QCheckBox *colourBox() const { return cbusecolor_; }
    QCheckBox *fontBox() const { return cbusefont_; }

  protected:
    void showOptions() override;
    void readOptions() override;

  private:
    QComboBox *cbSex_;
    QComboBox *cbFather_;
    QComboBox *cbMother_;
    ParentListSearch *eFatherFilter_;
    ParentListSearch *eMotherFilter_;
    QComboBox *cbfatherimportance_;
    QComboBox *cbMatherImportance_;
    QCheckBox *cbusecolor_;
    QCheckBox *cbusefont_;
};

/// Adds the five importance items to a list.
void AddImportanceItems(QComboBox *list);

/// Selects a stored option value in a list of `fixedItems`; a value outside the
/// list is shown as one extra item with its number.
void ShowOptionValue(QComboBox *list, int fixedItems, int value);

}  // namespace kinvarro
