#include "ui/chart_input.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <functional>
#include <vector>

#include "interaction/selection_commands.h"
#include "ui/chart_area.h"
#include "ui/main_window.h"
#include "ui/search_bar.h"
#include "ui/zoom_window.h"

namespace kinvarro {
namespace {

// Takes every wheel turn meant for a widget of the given windows. An application
// filter of its own, so that the chart's key and mouse filters, which sit on
// their widgets, see each event once and after the filters installed later.
class WindowWheel : public QObject {
  public:
    using Turn = std::function<void(const QWheelEvent &, QObject *)>;
    WindowWheel(std::vector<const QWidget *> windows, Turn turn, QObject *parent)
        : QObject(parent), windows_(std::move(windows)), turn_(std::move(turn)) {}

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::Wheel)
            return false;
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget ||
            std::find(windows_.begin(), windows_.end(), widget->window()) == windows_.end())
            return false;
        turn_(*static_cast<QWheelEvent *>(event), watched);
        // Accepted, so that it does not travel on to the parents a second time.
        event->accept();
        return true;
    }

  private:
    std::vector<const QWidget *> windows_;
    Turn turn_;
};

ChartKey chartKey(int key) {
    switch (key) {
        case Qt::Key_Delete:
            return ChartKey::Delete;
        case Qt::Key_Escape:
            return ChartKey::Escape;
        case Qt::Key_PageUp:
            return ChartKey::PageUp;
        case Qt::Key_PageDown:
            return ChartKey::PageDown;
        case Qt::Key_Left:
            return ChartKey::Left;
        case Qt::Key_Right:
            return ChartKey::Right;
        case Qt::Key_Up:
            return ChartKey::Up;
        case Qt::Key_Down:
            return ChartKey::Down;
        default:
            return ChartKey::Other;
    }
}

// While Shift itself goes down or up the modifiers may still show the old state.
bool shiftHeld(const QKeyEvent &event) {
    if (event.key() == Qt::Key_Shift)
        return event.type() == QEvent::KeyPress;
    return event.modifiers() & Qt::ShiftModifier;
}

ChartMouseEvent toChartEvent(const QMouseEvent &event, bool doubleClick) {
    ChartMouseEvent e;
    const QPoint at = event.position().toPoint();
    e.X = at.x();
    e.Y = at.y();
    switch (event.button()) {
        case Qt::LeftButton:
            e.button = MouseButton::Left;
            break;
        case Qt::RightButton:
            e.button = MouseButton::Right;
            break;
        default:
            e.button = MouseButton::Other;
            break;
    }
    e.leftHeld = event.buttons() & Qt::LeftButton;
    e.shift = event.modifiers() & Qt::ShiftModifier;
    e.ctrl = event.modifiers() & Qt::ControlModifier;
    e.doubleClick = doubleClick;
    return e;
}

}  // namespace

ChartInput::ChartInput(TForm1 &form, Prompts &prompts, const MessageTable &messages)
    : QObject(&form),
      form_(form),
      prompts_(prompts),
      messages_(messages),
      BitBtn1_(new QPushButton(form.centralWidget())),
      host_(form, *BitBtn1_),
      mouse_(form.session(), host_, host_),
      commands_(form.session(), host_, prompts),
      keyboard_(form.session(), host_, commands_),
      search_(form.session(), host_, prompts),
      zoom_(form.session(), host_),
      zoomWindow_(new Tfmash(zoom_, messages, form.menus().Nmashtab, &form)) {
    // Zero-sized but shown, so that it can hold the focus.
    BitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1_->setFixedSize(0, 0);
    BitBtn1_->setFocusPolicy(Qt::StrongFocus);
    BitBtn1_->setAutoDefault(true);
    BitBtn1_->installEventFilter(this);
    BitBtn1_->setFocus();
    connect(BitBtn1_, &QPushButton::clicked, &host_, &ChartWindowHost::RequestRedraw);

    form.chartArea().installEventFilter(this);
    // The wheel belongs to the whole window: over the scroll bars, the search
    // bar or the menu bar it acts on the chart as it does over the chart. The zoom
    // window floats over the chart, so there too the wheel scrolls the chart.
    QCoreApplication::instance()->installEventFilter(new WindowWheel(
        {&form, zoomWindow_},
        [this](const QWheelEvent &event, QObject *watched) { wheel(event, watched); }, this));
    for (QScrollBar *bar : form.centralWidget()->findChildren<QScrollBar *>())
        connect(bar, &QScrollBar::actionTriggered, BitBtn1_, [this] { BitBtn1_->setFocus(); });
    wireMenus();
    wireSearchBar();
}

ChartInput::~ChartInput() = default;

void ChartInput::wireMenus() {
    const MainMenus &menus = form_.menus();
    DocumentSession &session = form_.session();
    auto on = [&](const char *name, auto command) {
        connect(menus.item(name), &QAction::triggered, this, command);
    };
    on("N35", [this, &session] { SelectAllElements(session, host_); });
    on("N37", [this, &session] { SelectSide(session, host_, ChartSide::Below); });
    on("N39", [this, &session] { SelectSide(session, host_, ChartSide::Above); });
    on("N40", [this, &session] { SelectSide(session, host_, ChartSide::Right); });
    on("N41", [this, &session] { SelectSide(session, host_, ChartSide::Left); });
    auto changing = [&](const char *name, auto command) {
        on(name, [this, command] {
            if (!tableLocked())
                command();
        });
    };
    changing("NAdd", [this] { commands_.addElement(kPerson); });
    changing("Naddhistorical", [this] { commands_.addElement(kHistoricalEvent); });
    changing("NModify", [this] { commands_.NModifyClick(); });
    changing("NDel", [this] { commands_.NDelClick(); });
    changing("NdelSelected", [this] { commands_.NdelSelectedClick(); });
    on("Nmashtab", [this] { zoomWindow_->open(); });
    on("NFitAll", [this] {
        zoom_.fitAll();
        showScale();
    });
    on("NActualSize", [this] {
        zoom_.actualSize();
        showScale();
    });
    on("Nsearch", [this] {
        form_.searchBar().open();
        form_.UpdateScrollBars();
        search_.restart();
    });

    menus.item("NdelSelected")->setVisible(false);
    connect(menus.PopupMenu1, &QMenu::aboutToShow, this, [this, &menus, &session] {
        const PopupMenuItems shown = PopupMenu1Popup(session.doc());
        menus.item("NAdd")->setVisible(shown.NAdd);
        menus.item("Naddhistorical")->setVisible(shown.Naddhistorical);
        menus.item("NModify")->setVisible(shown.NModify);
        menus.item("NDel")->setVisible(shown.NDel);
        menus.item("Nselect")->setVisible(shown.Nselect);
    });
}

void ChartInput::wireSearchBar() {
    SearchBar &bar = form_.searchBar();
    connect(&bar, &SearchBar::queryChanged, this, [this] { search_.restart(); });
    connect(&bar, &SearchBar::searchRequested, this,
            [this, &bar] { search_.sbSearchClick(bar.query(), bar.extended()); });
}

bool ChartInput::eventFilter(QObject *watched, QEvent *event) {
    if (watched == &form_.chartArea())
        return chartMouseEvent(event);
    if (watched == BitBtn1_)
        return focusSinkKeyEvent(event);
    return QObject::eventFilter(watched, event);
}

void ChartInput::wheel(const QWheelEvent &event, QObject *watched) {
    const int vertical = event.angleDelta().y();
    // Some platforms turn Shift+wheel into a horizontal turn themselves.
    const int turn = vertical != 0 ? vertical : event.angleDelta().x();
    if (event.modifiers() & Qt::ControlModifier) {
        if (vertical == 0)
            return;
        QPoint pointer = event.position().toPoint();
        if (watched != &form_.chartArea())
            pointer = form_.chartArea().mapFromGlobal(event.globalPosition().toPoint());
        if (zoom_.wheelZoom(vertical, pointer))
            showScale();
    } else if (event.modifiers() & Qt::ShiftModifier) {
        if (turn != 0)
            keyboard_.horizontalWheel(turn < 0);
    } else if (vertical != 0) {
        keyboard_.FormMouseWheel(vertical < 0);
    }
}

void ChartInput::showScale() {
    form_.menus().Nmashtab->setText(
        ScaleCaption(messages_, form_.session().settings().scalePercent()));
    zoomWindow_->showScale();
}

bool ChartInput::tableLocked() {
    return form_.tableGuard().refuse(prompts_, messages_);
}

bool ChartInput::chartMouseEvent(QEvent *event) {
    // Presses add, drag, reorder and edit elements.
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && tableLocked())
        return true;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            mouse_.press(toChartEvent(*static_cast<QMouseEvent *>(event), false));
            return true;
        case QEvent::MouseButtonDblClick:
            mouse_.press(toChartEvent(*static_cast<QMouseEvent *>(event), true));
            return true;
        case QEvent::MouseMove:
            mouse_.move(toChartEvent(*static_cast<QMouseEvent *>(event), false));
            return true;
        case QEvent::MouseButtonRelease:
            mouse_.release(toChartEvent(*static_cast<QMouseEvent *>(event), false));
            return true;
        default:
            return false;
    }
}

bool ChartInput::focusSinkKeyEvent(QEvent *event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    if (event->type() == QEvent::KeyPress && tableLocked())
        return true;
    const auto &key = *static_cast<QKeyEvent *>(event);
    const ChartKey chart = chartKey(key.key());
    if (event->type() == QEvent::KeyPress) {
        keyboard_.FormKeyDown(chart, shiftHeld(key));
        if (!key.text().isEmpty())
            keyboard_.FormKeyPress(key.text().front());
    } else if (!key.isAutoRepeat()) {
        keyboard_.FormKeyUp(chart, shiftHeld(key));
    }
    // The button would move the focus on arrow keys; Enter and Space still click it.
    return chart != ChartKey::Other;
}

}  // namespace kinvarro
