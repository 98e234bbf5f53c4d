#pragma once

#include <QLineEdit>

#include "editors/parent_list.h"

class QComboBox;

namespace kinvarro {

/// The search field beside a father or mother list: what is typed hides the
/// list's items whose element name does not contain it; Enter or Down opens
/// the narrowed list. Its hint doubles as the placeholder text.
class ParentListSearch : public QLineEdit {
    Q_OBJECT
  public:
    ParentListSearch(const char *name, QComboBox *list, QWidget *parent);

    /// Takes the names of a freshly filled list and empties the field.
    void reset(const Document &doc);

  protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void narrow();

    QComboBox *list_;
    ParentListFilter filter_;
};

}  // namespace kinvarro
