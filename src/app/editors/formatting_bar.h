#pragma once

#include <QWidget>

class QComboBox;
class QKeyEvent;
class QFontComboBox;
class QTextCharFormat;
class QTextEdit;
class QToolButton;

namespace kinvarro {

/// The bar above a rich-text field: face, size and colour lists, "B", "i", "U"
/// and three alignment buttons. It applies to the field's selection and mirrors
/// the selection after every key and mouse event; it appears at the field's
/// first key or mouse press and hides again when its window hides. Ctrl+B,
/// Ctrl+I and Ctrl+U in the field toggle the style buttons.
class FormattingBar : public QWidget {
    Q_OBJECT
  public:
    FormattingBar(QTextEdit *field, QWidget *parent = nullptr);

    /// Shows the selection's attributes without applying anything.
    void mirrorSelection();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QToolButton *addToggle(const QString &name, const QString &text, const QString &tip);
    void alignmentPressed(QToolButton *button);
    /// Applies to the selection; `focusText` gives the field the focus back.
    void applyFormat(const QTextCharFormat &format, bool focusText = true);
    /// Applies the size box's number, or shows the selection's size again
    /// when the box holds no usable size.
    void applySize(bool focusText);
    /// The "B", "i" or "U" button that Ctrl+B, Ctrl+I or Ctrl+U toggles.
    QToolButton *styleButtonFor(const QKeyEvent &key) const;

    QTextEdit *field_;
    QFontComboBox *face_;
    QComboBox *size_;
    QComboBox *colour_;
    QToolButton *bold_;
    QToolButton *italic_;
    QToolButton *underline_;
    QToolButton *left_;
    QToolButton *centre_;
    QToolButton *right_;
    bool mirroring_ = false;
    /// The size box holds typed text that is not applied yet.
    bool sizeTyped_ = false;
};

}  // namespace kinvarro
