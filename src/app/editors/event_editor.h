#pragma once

#include "editors/element_editor_base.h"

class QCheckBox;
class QComboBox;

namespace kinvarro {

/// `TForm8`: the historical-event editor ("Историческое событие"): title,
/// description, media, importance and the event's own colour.
class TForm8 : public ElementEditorBase {
    Q_OBJECT
  public:
    TForm8(DocumentSession &session, Prompts &prompts, const MessageTable &messages,
           QWidget *parent = nullptr);

    QCheckBox *colourBox() const { return cbusecolor_; }
    QComboBox *importanceList() const { return cbfatherimportance_; }

  protected:
    void showOptions() override;
    void readOptions() override;

  private:
    QComboBox *cbfatherimportance_;
    QCheckBox *cbusecolor_;
};

}  // namespace kinvarro
