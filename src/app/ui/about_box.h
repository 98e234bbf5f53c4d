#pragma once

#include <QDialog>

class QLabel;

namespace kinvarro {

class MessageTable;

/// `TForm2`, "О программе ..": the about box, also the start-up splash. Any
/// click or key closes it; a click on the link asks for the help page.
class TForm2 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm2(const MessageTable &messages, QWidget *parent = nullptr);

  signals:
    /// The link was clicked: the help page is to be shown.
    void helpRequested();

  protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QLabel *addLabel(const char *name, const QString &text, int pointSize, QColor color, QPoint at);

    const MessageTable &messages_;
    QLabel *version_;
    QLabel *link_;
    QLabel *linkShadow_;
};

}  // namespace kinvarro
