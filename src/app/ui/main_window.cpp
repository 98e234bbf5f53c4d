#include "ui/main_window.h"

#include "arrange/arrange_command.h"
#include "editors/element_editors.h"
#include "hints/hint_windows.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "model/window_title.h"
#include "render/diagram_export.h"
#include "render/scene.h"
#include "settings/machine_store.h"
#include "ui/chart_area.h"
#include "ui/chart_export_menu.h"
#include "ui/chart_input.h"
#include "ui/file_dialog_filter.h"
#include "ui/progress_window.h"
#include "ui/search_bar.h"
#include "ui/settings_menu.h"
#include "ui/undo_menu.h"

namespace kinvarro {
namespace {

constexpr int kStripWidth = 16;
constexpr int kFillerWidth = 14;

}  // namespace

TForm1::TForm1(const MessageTable &messages, MachineStore &store, Prompts &prompts, QWidget *parent,
               Document *chart)
    : QMainWindow(parent),
      messages_(messages),
      store_(store),
      prompts_(prompts),
      session_(chart ? std::make_unique<DocumentSession>(*chart)
                     : std::make_unique<DocumentSession>()),
      files_(*session_, prompts),
      colouring_(*session_, prompts, tableGuard_, colouringScratch_),
      redraw_([this] { paintNow(); }),
      cursors_(ChartCursors::load()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kinvarro"));
    session_->setMessages(&messages_);
    menus_ = buildMainMenus(menuBar(), this);
    buildChartArea();
    progress_ = new TForm10(this);
    input_ = new ChartInput(*this, prompts, messages_);

    setMaximumSize(kMaximumSize);
    setMinimumSize(kMinimumSize);
    baseCaption_ = windowTitle();
    showTitle(baseCaption_);
    files_.setBaseCaption(baseCaption_);
    files_.setProgressDisplay(progress_);
    files_.setFlushPendingRedraw([this] {
        if (redraw_.isPending())
            paintNow();
    });
    session_->newDocument();
    menus_.Nmashtab->setText(ScaleCaption(messages_, session_->settings().scalePercent()));

    resize(kStartSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize s = screen->size();
        move(s.width() / 2 - kStartSize.width() / 2, s.height() / 2 - kStartSize.height() / 2);
    }
    const auto history = store_.history();
    files_.recentFiles().load(QStringList(history.begin(), history.end()));
    files_.setImportLayout(store_.arrangeImports() ? ImportLayout::Generations
                                                   : ImportLayout::Rows);
    connect(&files_, &FileCommands::importLayoutChosen, this, [this](ImportLayout layout) {
        store_.setArrangeImports(layout == ImportLayout::Generations);
    });
    showRecentFiles(files_.recentFiles().entries());
    wireFileMenu();
    exports_ = new ChartExportMenu(*this, prompts);
    wireEditors(prompts);
    new SettingsMenu(*this, prompts);
    hints_ = new HintWindows(*this);
    // A step undone while the colouring walks the table would move elements under it.
    wireUndoMenu(menus_.NEditMenu, menus_.NUndo, menus_.NRedo, session_->undoStack(), messages_,
                 [this] { return tableGuard_.refuse(prompts_, messages_); });
    // Every change of the document comes through here: one place schedules the picture.
    connect(session_.get(), &DocumentSession::changed, this, [this](DocumentChanges what) {
        if (what.testFlag(DocumentChange::Modified))
            setWindowModified(session_->modified());
        if (what != DocumentChanges(DocumentChange::Modified))
            RequestRedraw();
    });
    wireColouring();
    RequestRedraw();
}

TForm1::~TForm1() {
    // The chart's input works on the document, which is gone before the child
    // widgets that would still send it events.
    delete hints_;
    delete input_;
}

void TForm1::buildChartArea() {
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(0);

    panelSearch_ = new SearchBar(central);
    panelSearch_->hide();
    column->addWidget(panelSearch_);

    auto *grid = new QGridLayout;
    grid->setSpacing(0);
    auto *area = new ChartArea(canvas_, central);
    area->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    area->setCursor(cursors_.handflat);
    chartArea_ = area;
    grid->addWidget(area, 0, 0);

    scrollBarV_ = new QScrollBar(Qt::Vertical, central);
    scrollBarV_->setObjectName(QStringLiteral("ScrollBarV"));
    stripV_ = scrollBarV_;
    stripV_->setFixedWidth(kStripWidth);
    grid->addWidget(stripV_, 0, 1);

    stripH_ = new QWidget(central);
    stripH_->setObjectName(QStringLiteral("PanelScrollH"));
    stripH_->setFixedHeight(kStripWidth);
    auto *strip = new QHBoxLayout(stripH_);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(0);
    scrollBarH_ = new QScrollBar(Qt::Horizontal, stripH_);
    scrollBarH_->setObjectName(QStringLiteral("ScrollBarH"));
    strip->addWidget(scrollBarH_);
    strip->addSpacing(kFillerWidth);
    grid->addWidget(stripH_, 1, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 1);
    column->addLayout(grid, 1);
    setCentralWidget(central);

    connect(area, &ChartArea::resized, this, [this](QSize size) {
        canvas_.resize(size);
        UpdateScrollBars();
        paintNow();
    });
    for (QScrollBar *bar : {scrollBarH_, scrollBarV_}) {
        connect(bar, &QScrollBar::valueChanged, this,
                [this, bar] { scrollBarMoved(bar->orientation()); });
    }
}

void TForm1::wireFileMenu() {
    openDialog_ =
        new FileDialogFilter(QStringLiteral("OpenDialog1"), FileCommands::kOpenFilter, this);
    saveDialog_ =
        new FileDialogFilter(QStringLiteral("SaveDialog1"), FileCommands::kSaveFilter, this);
    files_.setDiagramExporter([this](const QString &path) { return exportDiagram(path); });
    files_.setProgressDisplay(progress_);
    // Replacing the document is refused while the colouring walks its table.
    connect(menus_.N24, &QAction::triggered, this, [this] {
        if (!tableGuard_.refuse(prompts_, messages_))
            runFileCommand(&FileCommands::newDocument);
    });
    connect(menus_.N4, &QAction::triggered, this, [this] {
        if (!tableGuard_.refuse(prompts_, messages_))
            runFileCommand(&FileCommands::openFromMenu);
    });
    connect(menus_.N2, &QAction::triggered, this, [this] { runFileCommand(&FileCommands::save); });
    connect(menus_.N3, &QAction::triggered, this,
            [this] { runFileCommand(&FileCommands::saveAs); });
    for (int i = 0; i < int(menus_.PlaceHolders.size()); ++i) {
        connect(menus_.PlaceHolders[std::size_t(i)], &QAction::triggered, &files_, [this, i] {
            if (!tableGuard_.refuse(prompts_, messages_))
                files_.openRecent(i);
        });
    }
    connect(menus_.N1, &QAction::triggered, this, [this] {
        // Ends at once, but remembers the window as closing it does: users leave by either way.
        if (!tableGuard_.refuse(prompts_, messages_) && confirmExit()) {
            savePlacement();
            QCoreApplication::exit(0);
        }
    });
    connect(menus_.N7, &QAction::triggered, this, &TForm1::aboutRequested);
    connect(menus_.NLanguage, &QAction::triggered, this, &TForm1::languageSwitchRequested);

    connect(&files_, &FileCommands::titleChanged, this, &TForm1::showTitle);
    connect(&files_, &FileCommands::documentReplaced, this, [this] {
        menus_.Nmashtab->setText(ScaleCaption(messages_, session_->settings().scalePercent()));
        UpdateScrollBars();
        RequestRedraw();
    });
    connect(&files_, &FileCommands::recentFilesChanged, this, [this](const QStringList &entries) {
        std::array<QString, MachineStore::kHistorySize> history;
        for (std::size_t i = 0; i < history.size(); ++i)
            history[i] = entries.value(qsizetype(i));
        store_.setHistory(history);
        showRecentFiles(entries);
    });
}

void TForm1::wireEditors(Prompts &prompts) {
    editors_ = new ElementEditors(*session_, prompts, messages_, this);
    connect(editors_, &ElementEditors::chartChanged, this, [this] {
        if (QAction *item = menus_.item("NdelSelected"))
            item->setVisible(false);
        RequestRedraw();
    });
    if (QAction *info = menus_.item("N51"))
        connect(info, &QAction::triggered, editors_, &ElementEditors::N51Click);
    input_->host().setElementEditor(
        [this](int index, bool justAdded) { return editors_->NModifyClick(index, justAdded); });
}

void TForm1::wireColouring() {
    colouring_.setProgressDisplay(progress_);
    colouring_.setEventPump([] { QCoreApplication::processEvents(); });
    if (QAction *item = menus_.item("NColorElements"))
        connect(item, &QAction::triggered, this, [this] { colouring_.NColorElementsClick(); });
    for (const char *name : {"NArrange", "NArrangePopup"}) {
        if (QAction *item = menus_.item(name))
            connect(item, &QAction::triggered, this,
                    [this] { ArrangeByGenerationsCommand(*session_, prompts_); });
    }
}

Status TForm1::exportDiagram(const QString &path) {
    SceneInputs inputs;
    inputs.pointer = chartArea_->mapFromGlobal(QCursor::pos());
    const Status status = ExportDiagram(session_->doc(), session_->view(), chartArea_->size(),
                                        bars_, inputs, path, progress_);
    RequestRedraw();
    return status;
}

void TForm1::showRecentFiles(const QStringList &entries) {
    for (std::size_t i = 0; i < menus_.PlaceHolders.size(); ++i) {
        QAction *item = menus_.PlaceHolders[i];
        item->setText(entries.value(qsizetype(i)));
        item->setVisible(!item->text().isEmpty());
    }
    menus_.NPlaceHolders->setEnabled(files_.recentFiles().anyVisible());
}

void TForm1::showTitle(const QString &title) {
    setWindowTitle(TitleWithModifiedMarker(title));
    setWindowModified(session_->modified());
}

QSize TForm1::chartAreaSize() const {
    return chartArea_->size();
}

void TForm1::RequestRedraw() {
    redraw_.RequestRedraw();
}

void TForm1::paintNow() {
    if (canvas_.size() != chartArea_->size())
        canvas_.resize(chartArea_->size());
    SceneInputs inputs = input_->mouse().sceneInputs();
    inputs.pointer = chartArea_->mapFromGlobal(QCursor::pos());
    PaintScene(canvas_, session_->doc(), inputs);
    chartArea_->update();
}

void TForm1::UpdateScrollBars() {
    kinvarro::UpdateScrollBars(session_->doc(), chartArea_->size(), bars_);
    mirrorScrollBars();
}

void TForm1::SyncScrollBarPositions() {
    kinvarro::SyncScrollBarPositions(session_->doc(), bars_);
    mirrorScrollBars();
}

// The Qt scroll bars show the model; setting them must not move the view.
void TForm1::mirrorScrollBars() {
    mirroring_ = true;
    auto mirror = [](const ScrollBarModel &model, QScrollBar *bar, QWidget *strip) {
        bar->setRange(model.Min(), model.Max());
        bar->setValue(model.Position());
        bar->setSingleStep(model.SmallChange);
        bar->setPageStep(model.LargeChange);
        strip->setVisible(model.Visible);
    };
    mirror(bars_.ScrollBarH, scrollBarH_, stripH_);
    mirror(bars_.ScrollBarV, scrollBarV_, stripV_);
    mirroring_ = false;
}

// Only the moved bar's origin changes: the other may be out of step with its
// bar after panning, and must not snap back.
void TForm1::scrollBarMoved(Qt::Orientation moved) {
    if (mirroring_)
        return;
    if (moved == Qt::Horizontal) {
        bars_.ScrollBarH.setPosition(scrollBarH_->value());
        session_->view().ViewOriginX = -bars_.ScrollBarH.Position();
    } else {
        bars_.ScrollBarV.setPosition(scrollBarV_->value());
        session_->view().ViewOriginY = -bars_.ScrollBarV.Position();
    }
    RequestRedraw();
}

void TForm1::restorePlacement() {
    const StoredPlacement placement = store_.placement();
    QRect frame = geometry();
    if (placement.x)
        frame.moveLeft(*placement.x);
    if (placement.y)
        frame.moveTop(*placement.y);
    if (placement.width)
        frame.setWidth(*placement.width);
    if (placement.height)
        frame.setHeight(*placement.height);
    frame.moveTopLeft(QPoint(std::max(frame.left(), -4), std::max(frame.top(), -4)));
    setGeometry(frame);
}

void TForm1::savePlacement() {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QRect frame = geometry();
    store_.setPlacement(frame.left(), frame.top(), frame.width(), frame.height());
}

bool TForm1::confirmExit() {
    return files_.confirmDiscardChanges();
}

void TForm1::closeEvent(QCloseEvent *event) {
    if (tableGuard_.refuse(prompts_, messages_) || !files_.confirmDiscardChanges()) {
        event->ignore();
        return;
    }
    savePlacement();
    event->accept();
}

}  // namespace kinvarro
