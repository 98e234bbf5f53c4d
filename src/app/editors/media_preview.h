#pragma once

#include <QWidget>

class QLabel;
class QMediaPlayer;
class QSplitter;
class QTextEdit;
class QVideoWidget;

namespace kinvarro {

/// The preview beside the media list: the picture (`ieMedia`), the read-only
/// comment view (`reMediaDescription`) and the media player bar (`pMediaPlayer`).
class MediaPreview : public QWidget {
    Q_OBJECT
  public:
    explicit MediaPreview(QWidget *parent = nullptr);

    /// Shows the file at `fullPath` for `entry`; an empty path clears the preview.
    void showFile(const QString &entry, const QString &fullPath);
    void clear();
    /// Lets go of the file the player holds.
    void releaseFile();

    /// Whether a single click on the picture launches the file, or only a
    /// double click.
    void setLaunchOnClick(bool on) { launchOnClick_ = on; }

    QLabel *picture() const { return picture_; }
    QTextEdit *commentView() const { return comment_; }
    QWidget *playerBar() const { return playerBar_; }

  signals:
    /// Asks to open the shown file: once per click or double click on the picture.
    void launchRequested();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    void showPicture();
    void setCommentVisible(bool visible);
    QMediaPlayer *player();

    QSplitter *split_;
    QLabel *picture_;
    QTextEdit *comment_;
    QWidget *playerBar_;
    QVideoWidget *video_;
    QMediaPlayer *player_ = nullptr;
    QImage image_;
    QList<int> rememberedSizes_;
    bool launchOnClick_ = true;
    /// The button release that ends a double click is no click of its own.
    bool releaseEndsDoubleClick_ = false;
};

}  // namespace kinvarro
