#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include "interaction/hover_state.h"

class QAction;
class QLabel;
class QMenu;
class QTextEdit;

namespace kinvarro {

class ChartWindowHost;
class TForm1;

/// `Tfhint`: the borderless text hint with its read-only rich-text box and
/// the copy menu.
class Tfhint : public QWidget {
    Q_OBJECT
  public:
    explicit Tfhint(QWidget *owner);

    QTextEdit *RichEdit1 = nullptr;
    QMenu *PopupMenu_hint = nullptr;
    QAction *NCopy = nullptr;

    /// `FitHintToText` for the window at `window`: lays the text out at that
    /// size and gives the size that leaves 30 pixels beyond the farthest
    /// character. The window itself is not touched.
    QSize fitToText(QSize window) const;
    /// Empties the box and forgets selection and scroll position.
    void clear();
    /// Shows the window at `bounds` with the text from its first line.
    void showAt(const QRect &bounds);

  signals:
    /// `RichEdit1MouseDown` with Ctrl held.
    void ctrlClicked();
    void hidden();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    void NCopyClick();
    void PopupMenu_hintPopup(const QPoint &pos);
};

/// `Tfhintpicture`: the borderless picture hint; a click opens the picture
/// with the program the system associates with it.
class Tfhintpicture : public QWidget {
    Q_OBJECT
  public:
    explicit Tfhintpicture(QWidget *owner);

    QLabel *view() const { return view_; }
    /// Shows `picture` fitted into `bounds`.
    void showAt(const QImage &picture, const QRect &bounds);

  signals:
    void clicked();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QLabel *view_;
    // The release that ends a double click follows a click already handled.
    bool swallowRelease_ = false;
};

/// The hover hints of the main window: the two hint windows behind the hint
/// operations of the chart's mouse handling, `TimerHint` running out, and the
/// events that cancel a pending hint.
class HintWindows : public QObject, public HintHooks {
    Q_OBJECT
  public:
    explicit HintWindows(TForm1 &form);
    ~HintWindows() override;

    Tfhint &textWindow() { return *fhint_; }
    Tfhintpicture &pictureWindow() { return *fhintpicture_; }
    /// The screen area the hints stay on, read once at start-up.
    QRect workArea() const { return workArea_; }

    void startHintTimer() override;
    void stopHintTimer() override;
    void hideTextHint() override;
    void hideHints() override;
    void PrepareHintWindows() override;
    void LoadPictureComment(const QString &path) override;

    void TimerHintTimer();
    void ShowElementHint(QPoint anchor);
    bool PointerInChartArea() const;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    HoverState &hover();
    ChartWindowHost &host();
    void textWindowHidden();
    void hidePicture();
    void openHintedElement();
    void openPicture();
    /// The picture at `path` decoded at the hint's size; `size` becomes its
    /// own size, empty when it cannot be read.
    QImage loadPicture(const QString &path, QSize &size) const;
    /// Any main menu opening or a pointer over a scroll bar cancels a pending hint.
    void watchCancels();
    void watchMenus(const QList<QAction *> &items);

    TForm1 &form_;
    Tfhint *fhint_;
    Tfhintpicture *fhintpicture_;
    QRect workArea_;
};

}  // namespace kinvarro
