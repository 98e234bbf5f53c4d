#include "editors/media_preview.h"

#include <QAudioOutput>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QPushButton>
#include <QSplitter>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QVideoWidget>

#include "editors/comment_file.h"
#include "media/media_paths.h"
#include "render/picture_file.h"

namespace kinvarro {

MediaPreview::MediaPreview(QWidget *parent)
    : QWidget(parent),
      split_(new QSplitter(Qt::Vertical, this)),
      picture_(new QLabel(split_)),
      comment_(new QTextEdit(split_)),
      playerBar_(new QWidget(this)),
      video_(new QVideoWidget(playerBar_)) {
    picture_->setObjectName(QStringLiteral("ieMedia"));
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setMinimumSize(64, 64);
    picture_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    picture_->setFocusPolicy(Qt::StrongFocus);
    picture_->installEventFilter(this);
    comment_->setObjectName(QStringLiteral("reMediaDescription"));
    comment_->setReadOnly(true);
    split_->addWidget(picture_);
    split_->addWidget(comment_);
    split_->setStretchFactor(0, 3);
    split_->setStretchFactor(1, 1);

    playerBar_->setObjectName(QStringLiteral("pMediaPlayer"));
    auto *play = new QPushButton(QStringLiteral("▶"), playerBar_);
    play->setObjectName(QStringLiteral("bPlay"));
    auto *pause = new QPushButton(QStringLiteral("❚❚"), playerBar_);
    pause->setObjectName(QStringLiteral("bPause"));
    auto *stop = new QPushButton(QStringLiteral("■"), playerBar_);
    stop->setObjectName(QStringLiteral("bStop"));
    connect(play, &QPushButton::clicked, this, [this] { player()->play(); });
    connect(pause, &QPushButton::clicked, this, [this] { player()->pause(); });
    connect(stop, &QPushButton::clicked, this, [this] { player()->stop(); });
    video_->setMinimumHeight(120);
    auto *controls = new QHBoxLayout;
    controls->addWidget(play);
    controls->addWidget(pause);
    controls->addWidget(stop);
    controls->addStretch();
    auto *barLayout = new QVBoxLayout(playerBar_);
    barLayout->setContentsMargins(0, 0, 0, 0);
    barLayout->addWidget(video_);
    barLayout->addLayout(controls);
    playerBar_->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split_, 1);
    layout->addWidget(playerBar_);
}

void MediaPreview::clear() {
    comment_->clear();
    image_ = QImage();
    picture_->clear();
}

QMediaPlayer *MediaPreview::player() {
    // Made on first use: opening the audio output connects to the sound server.
    if (!player_) {
        player_ = new QMediaPlayer(this);
        player_->setAudioOutput(new QAudioOutput(player_));
        player_->setVideoOutput(video_);
        // A player that cannot open the file is hidden.
        connect(player_, &QMediaPlayer::errorOccurred, playerBar_, &QWidget::hide);
    }
    return player_;
}

void MediaPreview::releaseFile() {
    if (!player_)
        return;
    player_->stop();
    player_->setSource(QUrl());
}

void MediaPreview::showFile(const QString &entry, const QString &fullPath) {
    if (fullPath.isEmpty())
        return clear();
    const std::optional<QString> comment = ReadCommentFile(CommentFilePath(fullPath));
    comment_->setPlainText(comment.value_or(QString()));
    image_ = QImage();
    picture_->clear();
    if (!QFileInfo(fullPath).isFile())
        return;
    if (ShowsPicturePreview(entry)) {
        image_ = ReadPictureFile(fullPath);  // an unreadable picture shows nothing
        showPicture();
        setCommentVisible(!comment_->toPlainText().isEmpty());
    } else {
        setCommentVisible(true);
    }
    if (OffersMediaPlayer(entry)) {
        playerBar_->show();
        player()->setSource(QUrl::fromLocalFile(fullPath));
    } else {
        releaseFile();
        playerBar_->hide();
    }
}

void MediaPreview::setCommentVisible(bool visible) {
    if (visible == comment_->isVisible())
        return;
    // The picture takes the comment's room while there is no comment.
    if (!visible)
        rememberedSizes_ = split_->sizes();
    comment_->setVisible(visible);
    if (visible && !rememberedSizes_.isEmpty())
        split_->setSizes(rememberedSizes_);
}

void MediaPreview::showPicture() {
    if (image_.isNull())
        return picture_->clear();
    const QSize room = picture_->size();
    QImage shown = image_;
    if (shown.width() > room.width() || shown.height() > room.height())
        shown = image_.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture_->setPixmap(QPixmap::fromImage(shown));
}

void MediaPreview::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    showPicture();
}

bool MediaPreview::eventFilter(QObject *watched, QEvent *event) {
    if (watched == picture_) {
        if (event->type() == QEvent::MouseButtonRelease) {
            // A double click's first click has launched the file already.
            if (launchOnClick_ && !releaseEndsDoubleClick_)
                emit launchRequested();
            releaseEndsDoubleClick_ = false;
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            releaseEndsDoubleClick_ = true;
            if (!launchOnClick_)
                emit launchRequested();
        } else if (event->type() == QEvent::Resize)
            QMetaObject::invokeMethod(this, &MediaPreview::showPicture, Qt::QueuedConnection);
    }
    return false;
}

}  // namespace kinvarro
