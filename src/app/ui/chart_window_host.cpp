#include "ui/chart_window_host.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>

#include "ui/chart_area.h"
#include "ui/main_window.h"
#include "ui/progress_window.h"
#include "ui/search_bar.h"

namespace kinvarro {

ChartWindowHost::ChartWindowHost(TForm1 &form, QPushButton &focusSink)
    : form_(form), focusSink_(focusSink) {
    hintTimer_.setSingleShot(true);
    hintTimer_.setInterval(kHintDelayMs);
    connect(&hintTimer_, &QTimer::timeout, this, &ChartWindowHost::hintDue);
}

ChartWindowHost::~ChartWindowHost() {
    setScreenCursor(std::nullopt);
}

QSize ChartWindowHost::chartAreaSize() const {
    return form_.chartAreaSize();
}

QCursor ChartWindowHost::cursorFor(ChartCursor cursor) const {
    const ChartCursors &hands = form_.cursors();
    switch (cursor) {
        case ChartCursor::Arrow:
            return Qt::ArrowCursor;
        case ChartCursor::Cross:
            return Qt::CrossCursor;
        case ChartCursor::HandFlat:
            return hands.handflat;
        case ChartCursor::HandGrabs:
            return hands.handgrabs;
        case ChartCursor::HandPoint:
            return hands.handpoint;
    }
    return Qt::ArrowCursor;
}

void ChartWindowHost::setChartCursor(ChartCursor cursor) {
    chartCursor_ = cursor;
    form_.chartArea().setCursor(cursorFor(cursor));
}

void ChartWindowHost::setScreenCursor(std::optional<ChartCursor> cursor) {
    if (!cursor) {
        if (screenCursorSet_)
            QGuiApplication::restoreOverrideCursor();
        screenCursorSet_ = false;
    } else if (screenCursorSet_) {
        QGuiApplication::changeOverrideCursor(cursorFor(*cursor));
    } else {
        QGuiApplication::setOverrideCursor(cursorFor(*cursor));
        screenCursorSet_ = true;
    }
}

void ChartWindowHost::RequestRedraw() {
    form_.RequestRedraw();
}

bool ChartWindowHost::redrawPending() const {
    return form_.redrawPending();
}

void ChartWindowHost::PaintScene() {
    form_.paintNow();
}

ScrollBars &ChartWindowHost::scrollBars() {
    return form_.scrollBars();
}

void ChartWindowHost::UpdateScrollBars() {
    form_.UpdateScrollBars();
}

void ChartWindowHost::SyncScrollBarPositions() {
    form_.SyncScrollBarPositions();
}

void ChartWindowHost::setDelSelectedVisible(bool visible) {
    form_.menus().item("NdelSelected")->setVisible(visible);
}

void ChartWindowHost::openContextMenu() {
    form_.menus().PopupMenu1->exec(QCursor::pos());
}

bool ChartWindowHost::NModifyClick(bool justAdded) {
    if (!editor_)
        return true;
    return editor_(form_.document().view.CurrentNode, justAdded);
}

void ChartWindowHost::hideSearchBar() {
    // Qt would pass the focus of the hidden query on to some other control;
    // the window's own record counts, as a question box may still be active.
    const bool hadFocus = form_.searchBar().isAncestorOf(form_.focusWidget());
    form_.searchBar().hide();
    if (hadFocus)
        focusSink_.setFocus();
}

void ChartWindowHost::focusMainWindow() {
    focusSink_.setFocus();
}

bool ChartWindowHost::progressShown() const {
    return form_.progressWindow().isVisible();
}

void ChartWindowHost::startHintTimer() {
    if (!hintTimer_.isActive())
        hintTimer_.start();
}

void ChartWindowHost::stopHintTimer() {
    hintTimer_.stop();
}

void ChartWindowHost::hideTextHint() {
    if (hintWindows_)
        hintWindows_->hideTextHint();
}

void ChartWindowHost::hideHints() {
    if (hintWindows_)
        hintWindows_->hideHints();
}

void ChartWindowHost::PrepareHintWindows() {
    if (hintWindows_)
        hintWindows_->PrepareHintWindows();
}

void ChartWindowHost::LoadPictureComment(const QString &path) {
    if (hintWindows_)
        hintWindows_->LoadPictureComment(path);
}

}  // namespace kinvarro
