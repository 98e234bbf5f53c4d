#include "hints/hint_windows.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextLayout>
#include <QUrl>
#include <algorithm>
#include <memory>

#include "common/regular_file.h"
#include "hints/hint_placement.h"
#include "hints/hint_text.h"
#include "hints/picture_comment.h"
#include "interaction/hit_test.h"
#include "markup/markup_reader.h"
#include "render/picture_file.h"
#include "render/picture_limits.h"
#include "ui/chart_area.h"
#include "ui/chart_input.h"
#include "ui/main_window.h"

namespace kinvarro {
namespace {

// The hint windows never take the keyboard: the main window stays active, so
// that the next hint can show, and its chart passes Escape and Ctrl+Insert on.
constexpr Qt::WindowFlags kHintFlags =
    Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
const QColor kHintColour(255, 255, 232);

// The farthest top-left corner among the characters at even positions, in
// the document's coordinates; within a line the last such character is the
// farthest right.
QPoint farthestEvenCharacter(const QTextDocument &doc) {
    QPoint farthest(0, 0);
    const int length = doc.characterCount() - 1;  // without the closing separator
    for (QTextBlock block = doc.begin(); block.isValid() && block.position() < length;
         block = block.next()) {
        const QTextLayout *layout = block.layout();
        const QPointF origin = doc.documentLayout()->blockBoundingRect(block).topLeft();
        for (int i = 0; layout && i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const int start = block.position() + line.textStart();
            const int end = std::min(start + line.textLength(), length);
            const int lastEven = (end - 1) & ~1;
            if (end <= start || lastEven < start)
                continue;
            const int x = int(origin.x() + line.cursorToX(lastEven - block.position()));
            const int y = int(origin.y() + line.y());
            farthest = QPoint(std::max(farthest.x(), x), std::max(farthest.y(), y));
        }
    }
    return farthest;
}

}  // namespace

Tfhint::Tfhint(QWidget *owner) : QWidget(owner, kHintFlags) {
    setObjectName(QStringLiteral("fhint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    // Selectable with the mouse only: a read-only box shows no caret.
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    RichEdit1->setFocusPolicy(Qt::StrongFocus);
    RichEdit1->setFrameStyle(QFrame::Box | QFrame::Plain);
    // Scroll bars only for a text that does not fit.
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette colours = RichEdit1->palette();
    colours.setColor(QPalette::Base, kHintColour);
    RichEdit1->setPalette(colours);
    RichEdit1->installEventFilter(this);
    RichEdit1->viewport()->installEventFilter(this);

    PopupMenu_hint = new QMenu(this);
    PopupMenu_hint->setObjectName(QStringLiteral("PopupMenu_hint"));
    NCopy = new QAction(QStringLiteral("Копировать"), this);
    NCopy->setObjectName(QStringLiteral("NCopy"));
    NCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    NCopy->setShortcutContext(Qt::WindowShortcut);
    PopupMenu_hint->addAction(NCopy);
    addAction(NCopy);
    connect(NCopy, &QAction::triggered, this, [this] { NCopyClick(); });
    connect(RichEdit1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu_hintPopup(pos); });
}

QSize Tfhint::fitToText(QSize window) const {
    // Room for both scroll bars is kept, so that the frame around the client
    // area does not depend on the text; they show only when it does not fit.
    const int bar = RichEdit1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, RichEdit1);
    const int frame = 2 * RichEdit1->frameWidth();
    const QSize client(std::max(1, window.width() - frame - bar),
                       std::max(1, window.height() - frame - bar));
    // Measured on a copy: the box keeps laying its own text out at its width.
    const std::unique_ptr<QTextDocument> doc(RichEdit1->document()->clone());
    doc->setTextWidth(client.width());
    (void)doc->documentLayout()->documentSize();  // lays the whole text out
    return FitHintToText(window, client, farthestEvenCharacter(*doc));
}

void Tfhint::clear() {
    RichEdit1->clear();
}

void Tfhint::showAt(const QRect &bounds) {
    setGeometry(bounds);
    show();
    raise();
    QTextCursor start(RichEdit1->document());
    RichEdit1->setTextCursor(start);
    RichEdit1->verticalScrollBar()->setValue(0);
    RichEdit1->horizontalScrollBar()->setValue(0);
    RichEdit1->setFocus();
}

void Tfhint::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    RichEdit1->setGeometry(rect());
}

void Tfhint::hideEvent(QHideEvent *event) {
    QWidget::hideEvent(event);
    emit hidden();
}

bool Tfhint::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    if (watched == RichEdit1->viewport() && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->modifiers().testFlag(Qt::ControlModifier)) {
        emit ctrlClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Tfhint::NCopyClick() {
    const QTextCursor cursor = RichEdit1->textCursor();
    if (cursor.hasSelection())
        QGuiApplication::clipboard()->setText(cursor.selection().toPlainText());
}

void Tfhint::PopupMenu_hintPopup(const QPoint &pos) {
    NCopy->setEnabled(RichEdit1->textCursor().hasSelection());
    PopupMenu_hint->exec(RichEdit1->viewport()->mapToGlobal(pos));
    NCopy->setEnabled(true);  // the shortcut checks the selection itself
}

Tfhintpicture::Tfhintpicture(QWidget *owner) : QWidget(owner, kHintFlags) {
    setObjectName(QStringLiteral("fhintpicture"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    view_ = new QLabel(this);
    view_->setObjectName(QStringLiteral("Image1"));
    view_->setAlignment(Qt::AlignCenter);
    view_->setCursor(Qt::PointingHandCursor);
    view_->installEventFilter(this);
}

void Tfhintpicture::showAt(const QImage &picture, const QRect &bounds) {
    setGeometry(bounds);
    view_->setGeometry(rect());
    view_->setPixmap(QPixmap::fromImage(
        picture.scaled(bounds.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    show();
    raise();
}

bool Tfhintpicture::eventFilter(QObject *watched, QEvent *event) {
    if (watched == view_) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            swallowRelease_ = true;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            if (!swallowRelease_)
                emit clicked();
            swallowRelease_ = false;
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

HintWindows::HintWindows(TForm1 &form)
    : QObject(&form),
      form_(form),
      fhint_(new Tfhint(&form)),
      fhintpicture_(new Tfhintpicture(&form)) {
    if (const QScreen *screen = form.screen())
        workArea_ = screen->availableGeometry();
    connect(fhint_, &Tfhint::hidden, this, [this] { textWindowHidden(); });
    connect(fhint_, &Tfhint::ctrlClicked, this, [this] { openHintedElement(); });
    connect(fhintpicture_, &Tfhintpicture::clicked, this, [this] { openPicture(); });
    connect(&host(), &ChartWindowHost::hintDue, this, [this] { TimerHintTimer(); });
    host().setHintWindows(this);
    watchCancels();
}

HintWindows::~HintWindows() {
    host().setHintWindows(nullptr);
}

HoverState &HintWindows::hover() {
    return form_.chartInput().mouse().hover();
}

ChartWindowHost &HintWindows::host() {
    return form_.chartInput().host();
}

void HintWindows::watchMenus(const QList<QAction *> &items) {
    for (QAction *item : items) {
        if (QMenu *menu = item->menu()) {
            connect(menu, &QMenu::aboutToShow, this, [this] { stopHintTimer(); });
            watchMenus(menu->actions());
        }
    }
}

void HintWindows::watchCancels() {
    form_.chartInput().focusSink().installEventFilter(this);
    watchMenus(form_.menuBar()->actions());
    for (const char *name : {"ScrollBarH", "ScrollBarV"}) {
        if (auto *bar = form_.findChild<QScrollBar *>(QLatin1String(name))) {
            bar->setMouseTracking(true);
            bar->installEventFilter(this);
        }
    }
}

bool HintWindows::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    // The text window never takes the keyboard: while it shows, the chart's
    // Escape closes it and Ctrl+Insert copies from it.
    if (watched == &form_.chartInput().focusSink()) {
        if (type != QEvent::KeyPress || !fhint_->isVisible())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape) {
            fhint_->hide();
            return true;
        }
        if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::ControlModifier) {
            fhint_->NCopy->trigger();
            return true;
        }
        return false;
    }
    if (type == QEvent::MouseMove || type == QEvent::HoverMove || type == QEvent::Enter)
        stopHintTimer();
    return QObject::eventFilter(watched, event);
}

void HintWindows::startHintTimer() {
    host().startHintTimer();
}

void HintWindows::stopHintTimer() {
    host().stopHintTimer();
}

void HintWindows::hideTextHint() {
    fhint_->hide();
}

void HintWindows::hideHints() {
    fhint_->hide();
    hidePicture();
}

void HintWindows::hidePicture() {
    fhintpicture_->hide();
}

void HintWindows::PrepareHintWindows() {
    fhint_->hide();
    fhint_->clear();
    hidePicture();
}

void HintWindows::LoadPictureComment(const QString &path) {
    const QString comment = PictureComment(path);
    fhintpicture_->view()->setToolTip(
        comment.isEmpty() ? QString() : Qt::convertFromPlainText(comment, Qt::WhiteSpaceNormal));
}

void HintWindows::textWindowHidden() {
    hover().HintPicturePath.clear();
    hidePicture();
}

void HintWindows::TimerHintTimer() {
    stopHintTimer();
    ShowElementHint(hover().HintAnchor);
}

bool HintWindows::PointerInChartArea() const {
    const QPoint pointer = QCursor::pos();
    const ChartArea &area = form_.chartArea();
    const QPoint bottomRight = area.mapToGlobal(QPoint(area.width() - 1, area.height() - 1));
    return QRect(form_.frameGeometry().topLeft(), bottomRight).contains(pointer);
}

QImage HintWindows::loadPicture(const QString &path, QSize &size) const {
    QFile file;
    if (!OpenRegularFile(path, file)) {
        size = QSize();
        return {};
    }
    QImageReader reader(&file);
    reader.setAllocationLimit(kImageAllocationLimitMb);
    if (!reader.canRead()) {
        // Metafiles, which Qt's readers do not know, drawn straight at the
        // hint's size: drawing one at full size took a quarter of a second.
        QImage picture = ReadPictureFile(path, kHintPictureSide);
        size = picture.size();
        return picture;
    }
    size = reader.size();
    const QSize fitted = HintPictureSize(size);
    // Only a decoder that shrinks while it reads may take a picture past the budget.
    if (size.isValid() && !FitsPictureBudget(size.width(), size.height()) &&
        (fitted.isEmpty() || !reader.supportsOption(QImageIOHandler::ScaledSize))) {
        size = QSize();
        return {};
    }
    // Decoded straight to the hint's size where the format allows it.
    if (!fitted.isEmpty())
        reader.setScaledSize(fitted);
    QImage picture = reader.read();
    if (picture.isNull())
        size = QSize();
    else if (fitted.isEmpty())
        size = picture.size();
    return picture;
}

void HintWindows::ShowElementHint(QPoint anchor) {
    // A platform that activates the hint windows anyway counts them as the main window's.
    const QWidget *active = QApplication::activeWindow();
    if (active != &form_ && active != fhint_ && active != fhintpicture_)
        return;
    HoverState &state = hover();
    if (!PointerInChartArea()) {
        state.HintText.clear();
        state.HintPicturePath.clear();
        return;
    }
    RichTextDocument rich(*fhint_->RichEdit1->document());
    MarkupToRichText(HintMarkupShown(state.HintText), rich);
    if (HintLeavesTextOut(state.HintText)) {
        QTextCursor end(fhint_->RichEdit1->document());
        end.movePosition(QTextCursor::End);
        end.insertBlock();
        end.insertText(form_.session().messages().text(Msg::mHintTextContinues));
    }

    QImage picture;
    QSize size;
    if (!state.HintPicturePath.isEmpty())
        picture = loadPicture(state.HintPicturePath, size);
    // A picture that cannot be read is no picture.
    const std::optional<QSize> pictureSize =
        picture.isNull() ? std::nullopt : std::optional<QSize>(size);
    HintPlacement placement =
        PlaceHint(workArea_, form_.chartArea().mapToGlobal(anchor), pictureSize,
                  [this](QSize window) { return fhint_->fitToText(window); });
    const QRect box = ElementBoxOnCanvas(form_.session().doc(), state.HintNode);
    KeepPictureOffBox(placement, workArea_,
                      QRect(form_.chartArea().mapToGlobal(box.topLeft()), box.size()));
    if (placement.picture)
        fhintpicture_->showAt(picture, *placement.picture);
    // A picture without a description shows alone.
    if (fhint_->RichEdit1->document()->isEmpty())
        return;
    fhint_->showAt(placement.text);
}

void HintWindows::openHintedElement() {
    const int node = hover().HintNode;
    if (node < 0 || node >= form_.document().NodeTable.NodeCount())
        return;
    hideHints();
    form_.session().view().CurrentNode = node;
    host().NModifyClick(false);
}

void HintWindows::openPicture() {
    const QString path = hover().HintPicturePath;
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace kinvarro
