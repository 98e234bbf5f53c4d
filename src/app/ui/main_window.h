#pragma once

#include <QMainWindow>
#include <QTextDocument>
#include <memory>

#include "edit/document_session.h"
#include "markup/colouring_command.h"
#include "persistence/file_commands.h"
#include "prompts/table_guard.h"
#include "render/chart_canvas.h"
#include "render/redraw_timer.h"
#include "render/scroll_bars.h"
#include "ui/chart_cursors.h"
#include "ui/file_dialog_filter.h"
#include "ui/main_menus.h"

class QScrollBar;

namespace kinvarro {

class ChartArea;
class ChartExportMenu;
class ChartInput;
class ElementEditors;
class HintWindows;
class MachineStore;
class SearchBar;
class TForm10;

/// `TForm1`: the main window with the chart area, its scroll bars, the menus
/// and the search bar's place. Commands work on the document it owns.
class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr QSize kMaximumSize{1584, 1151};
    static constexpr QSize kMinimumSize{450, 170};
    static constexpr QSize kStartSize{700, 500};

    /// `chart`, when given, is a document its owner keeps and sets up (tests);
    /// otherwise the window has one of its own.
    TForm1(const MessageTable &messages, MachineStore &store, Prompts &prompts,
           QWidget *parent = nullptr, Document *chart = nullptr);
    ~TForm1() override;

    DocumentSession &session() { return *session_; }
    const Document &document() const { return session_->doc(); }
    FileCommands &fileCommands() { return files_; }
    MainMenus &menus() { return menus_; }
    const ScrollBars &scrollBars() const { return bars_; }
    ScrollBars &scrollBars() { return bars_; }
    QSize chartAreaSize() const;
    ChartArea &chartArea() { return *chartArea_; }
    SearchBar &searchBar() { return *panelSearch_; }
    const ChartCursors &cursors() const { return cursors_; }
    /// Mouse, keyboard, search and zoom on the chart.
    ChartInput &chartInput() { return *input_; }
    /// The caption at start-up, before any language file is applied.
    const QString &baseCaption() const { return baseCaption_; }
    TForm10 &progressWindow() { return *progress_; }
    /// The element and information editors (`NModifyClick`, `N51Click`).
    ElementEditors &editors() { return *editors_; }
    /// The hover hints over the chart.
    HintWindows &hints() { return *hints_; }
    /// Locked while the descriptions are being coloured.
    TableGuard &tableGuard() { return tableGuard_; }
    ColouringCommand &colouring() { return colouring_; }
    /// The "Экспорт" submenu and printing.
    ChartExportMenu &exportMenu() { return *exports_; }

    /// Shows `title` with a "*" after it while the document has unsaved changes.
    void showTitle(const QString &title);

    void RequestRedraw();
    bool redrawPending() const { return redraw_.isPending(); }
    void UpdateScrollBars();
    void SyncScrollBarPositions();
    /// Paints at once (what the redraw timer does when it runs out).
    void paintNow();

    /// Puts the window where the store says (missing values keep the current ones).
    void restorePlacement();
    /// "Выход": asks about changes; returns false when the user cancels.
    bool confirmExit();

  signals:
    /// "О программе.." and "  Do you speak..  " are handled by the application.
    void aboutRequested();
    void languageSwitchRequested();

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void buildChartArea();
    void wireFileMenu();
    void wireEditors(Prompts &prompts);
    void wireColouring();
    void showRecentFiles(const QStringList &entries);
    void mirrorScrollBars();
    void scrollBarMoved(Qt::Orientation moved);
    void savePlacement();
    /// Runs a file command with the dialogs' current (possibly translated) filters.
    template <class Result>
    void runFileCommand(Result (FileCommands::*command)()) {
        files_.setDialogFilters(openDialog_->filter(), saveDialog_->filter());
        (files_.*command)();
    }
    Status exportDiagram(const QString &path);

    const MessageTable &messages_;
    MachineStore &store_;
    Prompts &prompts_;
    std::unique_ptr<DocumentSession> session_;
    FileCommands files_;
    TableGuard tableGuard_;
    // The rich text the colouring works on.
    QTextDocument colouringScratch_;
    ColouringCommand colouring_;
    ChartCanvas canvas_;
    ScrollBars bars_;
    RedrawTimer redraw_;
    ChartCursors cursors_;
    MainMenus menus_;
    QString baseCaption_;
    ChartArea *chartArea_ = nullptr;
    SearchBar *panelSearch_ = nullptr;
    QScrollBar *scrollBarH_ = nullptr;
    QScrollBar *scrollBarV_ = nullptr;
    QWidget *stripH_ = nullptr;
    QWidget *stripV_ = nullptr;
    TForm10 *progress_ = nullptr;
    ChartInput *input_ = nullptr;
    ElementEditors *editors_ = nullptr;
    ChartExportMenu *exports_ = nullptr;
    HintWindows *hints_ = nullptr;
    FileDialogFilter *openDialog_ = nullptr;
    FileDialogFilter *saveDialog_ = nullptr;
    bool mirroring_ = false;
};

}  // namespace kinvarro
