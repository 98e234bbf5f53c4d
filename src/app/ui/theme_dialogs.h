#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "themes/theme_list.h"

class QLineEdit;
class QLabel;
class QListWidget;
class QListWidgetItem;

namespace kinvarro {

/// `TFThemesave`, "Имя для сохраняемой темы": one edit field and no buttons. Enter
/// confirms, Escape or the close box cancels; the field keeps the last text typed.
class TFThemesave : public QDialog {
    Q_OBJECT
  public:
    explicit TFThemesave(QWidget *parent = nullptr);

    /// Shows the window modally: the name entered, or nullopt when cancelled.
    std::optional<QString> askName();

    QLineEdit *eName = nullptr;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

/// `TFLoadTheme`, "Выберите тему из списка": the themes by display name; a single
/// click on one chooses it. Each entry keeps its file path, shown as its tooltip,
/// and the user's own themes are set in italics.
class TFLoadTheme : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kEntryHeight = 20;
    static constexpr int kFontPixels = 16;

    explicit TFLoadTheme(QWidget *parent = nullptr);

    /// Fills the list and shows the window modally, with `notice` below the list when
    /// it is not empty: the index of the entry clicked, or nullopt when the window was
    /// closed otherwise.
    std::optional<int> chooseTheme(const std::vector<ThemeEntry> &themes,
                                   const QString &notice = {});
    /// Fills the list (`FormShow`).
    void fill(const std::vector<ThemeEntry> &themes);

    QListWidget *lbThemes = nullptr;
    QLabel *lNotice = nullptr;

  private:
    void lbThemesClick(QListWidgetItem *item);

    int chosen_ = -1;
};

}  // namespace kinvarro
