#include "hints/tooltip_pauses.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>
#include <limits>

namespace kinvarro {
namespace {

// Shows a control's own tooltip tied to the control's rectangle and without a
// time limit, so it hides only when the pointer leaves the control (or on a
// click or key). Tooltips that controls compute per item (lists, tabs, menus)
// keep their own handling.
class TooltipPauses : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto *control = static_cast<QWidget *>(watched);
        if (control->toolTip().isEmpty())
            return false;
        const auto *help = static_cast<QHelpEvent *>(event);
        QToolTip::showText(help->globalPos(), control->toolTip(), control, control->rect(),
                           std::numeric_limits<int>::max());
        return true;
    }
};

}  // namespace

void InstallTooltipPauses(QApplication &app) {
    app.installEventFilter(new TooltipPauses(&app));
}

}  // namespace kinvarro
