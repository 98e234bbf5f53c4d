#pragma once

#include <QFrame>

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace kinvarro {

/// `PanelSearch`: the strip along the top of the main window where the user
/// types a name to find. It only reports; the chart's search acts.
class SearchBar : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kHeight = 33;

    explicit SearchBar(QWidget *parent = nullptr);

    QString query() const;
    /// "искать и в описании элемента": descriptions and media names count too.
    bool extended() const;
    /// Shows the bar with the keyboard focus in the query.
    void open();

    QLabel *LabelSearch = nullptr;
    QLineEdit *eSearch = nullptr;
    QToolButton *sbSearch = nullptr;
    QCheckBox *cbExtendedSearch = nullptr;

  signals:
    /// `sbSearch` was clicked or Enter was pressed in the query.
    void searchRequested();
    /// The query changed, so the next search starts from the beginning.
    void queryChanged();
};

}  // namespace kinvarro
