#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "common/status.h"
#include "persistence/autosave_files.h"
#include "persistence/chart_lock.h"
#include "persistence/recent_files.h"
#include "prompts/prompts.h"

namespace kinvarro {

class Document;
class DocumentSession;
class ProgressDisplay;

/// The commands of the "Файл" menu: New, Open, Save, Save As and the recent
/// documents. They decide names and extensions, ask their questions through
/// `Prompts` and hand reading and writing to the file formats.
class FileCommands : public QObject {
    Q_OBJECT
  public:
    /// A writer of another format that needs the editor's window; without one
    /// the format's choice writes nothing.
    using Exporter = std::function<Status(const QString &path)>;

    FileCommands(DocumentSession &session, Prompts &prompts, QObject *parent = nullptr);

    /// The first half of every title, taken from the main window at start-up.
    void setBaseCaption(const QString &caption) { baseCaption_ = caption; }
    /// Where the file dialogs start.
    /// The file-type filters of the open and save dialogs ("text|pattern|..."),
    /// which a language file may translate.
    void setDialogFilters(const QString &open, const QString &save) {
        openFilter_ = open;
        saveFilter_ = save;
    }
    static const QString kOpenFilter;
    static const QString kSaveFilter;
    void setDiagramExporter(Exporter exporter) { exportDiagram_ = std::move(exporter); }
    /// The progress window of the long operations: the HTML report, the GEDCOM import and export.
    void setProgressDisplay(ProgressDisplay *progress) { progress_ = progress; }
    /// Called before a document is read, so that a pending repaint happens first.
    void setFlushPendingRedraw(std::function<void()> flush) {
        flushPendingRedraw_ = std::move(flush);
    }

    RecentFiles &recentFiles() { return recent_; }
    /// The layout last chosen for an imported tree, offered first at the next import.
    ImportLayout importLayout() const { return importLayout_; }
    void setImportLayout(ImportLayout layout) { importLayout_ = layout; }
    /// The file Save writes, with the extension as the user gave it; empty for a new document.
    const QString &saveFileName() const { return saveFileName_; }
    QString title() const;
    /// The chart is open in another window too: Save asks for another name.
    bool readOnly() const { return readOnly_; }

    /// Asks whether to save a changed document. Returns false when the user
    /// cancels or the save he asked for did not happen: the command stops then.
    bool confirmDiscardChanges();

    void newDocument();
    /// Open from the menu: asks about changes, then shows the open dialog.
    void openFromMenu();
    /// Open without questions (command line).
    void openPath(const QString &path);
    /// Open a recent document: asks about changes as Open does.
    void openRecent(int index);
    /// Returns whether the document was written.
    bool save();
    bool saveAs();
    /// Opens an autosaved copy as the modified document it was, under its
    /// original name (Save writes the original file); the copy is then removed.
    bool openRecovered(const AutosaveEntry &entry);

  signals:
    /// A layout was chosen for an imported tree: the store remembers it.
    void importLayoutChosen(ImportLayout layout);
    void titleChanged(const QString &title);
    /// The chart was replaced or reset: scroll bars and picture need updating.
    void documentReplaced();
    void recentFilesChanged(const QStringList &entries);

  private:
    /// Returns whether a chart was loaded.
    bool open(const QString &given);
    /// True when `file` does not exist or the user agrees to replace it.
    bool confirmReplace(const QString &file);
    void addRecentFile(const QString &path);
    /// Asks how to lay out a tree just imported and arranges it by generations when
    /// so chosen; false when the user cancelled.
    bool layOutImport(Document &imported);
    bool writeNative(const QString &path);
    /// Saves the native document to `file` and makes it the document's own file.
    bool saveNativeTo(const QString &file);
    /// The same for Save As: relative media entries are rewritten for the new
    /// folder as one step first, taken back when the save fails.
    bool saveNativeToFolder(const QString &file);
    void dropLastStep();
    void writeHtmlReport(const QString &path);
    void runExporter(const Exporter &exporter, const QString &path);
    void exportGedcom(const QString &path, bool utf8);
    void reportError(const QString &text);
    void setTitle(const QString &fileName);
    /// The title for `fileName`, marked when the chart is open read-only.
    QString titleFor(const QString &fileName) const;
    /// Takes the lock of `file` for the document: true with `readOnly` set when
    /// another window holds it and the user opens it read-only, false on cancel.
    bool lockForOpening(const QString &file, ChartLock &lock, bool &readOnly);
    /// The document's file is now `file`: its lock moves along.
    void moveLock(const QString &file);
    void unlock();

    DocumentSession &session_;
    Prompts &prompts_;
    RecentFiles recent_;
    QString saveFileName_;
    ImportLayout importLayout_ = ImportLayout::Generations;
    QString baseCaption_ = QStringLiteral("Kinvarro");
    QString openFilter_ = kOpenFilter;
    QString saveFilter_ = kSaveFilter;
    Exporter exportDiagram_;
    std::function<void()> flushPendingRedraw_;
    ProgressDisplay *progress_ = nullptr;
    ChartLock lock_;
    bool readOnly_ = false;
};

/// True when `name` ends with `extension` (".KVR" ...) in any letter case.
bool hasExtension(const QString &name, const char *extension);

}  // namespace kinvarro
