#include "persistence/file_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "arrange/arrange_chart.h"
#include "edit/document_session.h"
#include "media/media_paths.h"
#include "model/document.h"
#include "persistence/gedcom_import.h"
#include "persistence/gedcom_writer.h"
#include "persistence/html_report.h"
#include "persistence/media_relink.h"
#include "persistence/native_format.h"
#include "prompts/progress_display.h"
#include "prompts/replace_question.h"

namespace kinvarro {
namespace {

enum SaveType {
    kNativeType = 1,
    kHtmlType = 2,
    kDiagramType = 3,
    kGedcomType = 4,
    kGedcomUtf8Type = 5
};

QString stripExtensions(QString name, std::initializer_list<const char *> extensions) {
    for (bool stripped = true; stripped;) {
        stripped = false;
        for (const char *extension : extensions) {
            if (hasExtension(name, extension)) {
                name.chop(4);
                stripped = true;
            }
        }
    }
    return name;
}

// Linux names are case-sensitive: a name that ends in ".kvr" in any letter
// case is the file itself; any other name gets ".kvr" added.
QString nativeFileFor(const QString &path) {
    if (hasExtension(path, ".KVR"))
        return path;
    return path + QStringLiteral(".kvr");
}

// The save dialog's proposal: the document's name without its extension.
QString baseName(const QString &file) {
    return hasExtension(file, ".KVR") ? file.left(file.size() - 4) : file;
}

}  // namespace

const QString FileCommands::kOpenFilter =
    QStringLiteral("Файлы Kinvarro (*.kvr)|*.kvr|GEDCOM файлы (*.ged)|*.ged");
const QString FileCommands::kSaveFilter = QStringLiteral(
    "Файлы Kinvarro (*.kvr)|*.kvr|Текстовый отчёт (*.htm)|*.htm|Диаграмму (*.bmp)|*.bmp|"
    "Формат GEDCOM (*.ged)|*.ged|GEDCOM UTF-8 (*.ged)|*.ged");

bool hasExtension(const QString &name, const char *extension) {
    return name.right(4).toUpper() == QLatin1String(extension);
}

FileCommands::FileCommands(DocumentSession &session, Prompts &prompts, QObject *parent)
    : QObject(parent), session_(session), prompts_(prompts) {}

QString FileCommands::title() const {
    return titleFor(session_.doc().CurrentFileName);
}

QString FileCommands::titleFor(const QString &fileName) const {
    QString title = TitleFor(baseCaption_, fileName);
    if (readOnly_)
        title += QLatin1Char(' ') + session_.messages().text(Msg::mReadOnlyTitle);
    return title;
}

bool FileCommands::confirmDiscardChanges() {
    if (!session_.modified())
        return true;
    const MessageTable &m = session_.messages();
    switch (prompts_.ask(m.text(Msg::mDocWasChanged), m.text(Msg::mSaveChanges), true)) {
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            // A save that did not happen (cancelled, refused, failed) must not
            // let the changes go.
            return save();
        case Answer::No:
            return true;
    }
    return true;
}

void FileCommands::newDocument() {
    if (!confirmDiscardChanges())
        return;
    session_.newDocument();
    session_.fileName().clear();
    unlock();
    setTitle({});
    saveFileName_.clear();
    emit documentReplaced();
}

void FileCommands::openFromMenu() {
    if (!confirmDiscardChanges())
        return;
    const auto choice = prompts_.chooseFileToOpen(openFilter_, QString(), QString());
    if (choice)
        open(choice->path);
}

void FileCommands::openPath(const QString &path) {
    open(path);
}

void FileCommands::openRecent(int index) {
    const QString path = recent_.entries().value(index);
    if (path.isEmpty() || !confirmDiscardChanges())
        return;
    if (open(path) || QFileInfo::exists(nativeFileFor(path)) || QFileInfo::exists(path))
        return;
    const MessageTable &m = session_.messages();
    if (prompts_.ask(m.text(Msg::mKinvarro), m.text(Msg::mRemoveFromRecent), false) ==
            Answer::Yes &&
        recent_.remove(path))
        emit recentFilesChanged(recent_.entries());
}

bool FileCommands::open(const QString &given) {
    // Relative names would change meaning with the working folder.
    const QString path = given.isEmpty() ? given : QFileInfo(given).absoluteFilePath();
    session_.view().LastMouseX = -1;
    session_.view().LastMouseY = -1;
    if (flushPendingRedraw_)
        flushPendingRedraw_();

    if (hasExtension(path, ".GED")) {
        // A failed import leaves the open chart, its settings and its name alone.
        Document imported;
        imported.setMessages(&session_.messages());
        imported.settings = session_.settings();
        if (!ReadGedcom(path, imported, prompts_, progress_) || !layOutImport(imported))
            return false;
        addRecentFile(path.left(path.size() - 4) + QStringLiteral(".ged"));
        // A chart made from GEDCOM is unsaved work.
        session_.replaceDocument(imported, true);
        session_.fileName().clear();
        saveFileName_.clear();
        unlock();
        setTitle({});
        emit documentReplaced();
        return true;
    }

    QString file = nativeFileFor(path);
    if (!QFileInfo::exists(file) && hasExtension(path, ".KVR"))
        file = path.left(path.size() - 4) + QStringLiteral(".kvr");
    if (!QFileInfo::exists(file)) {
        // A photo or any other existing file is there, but it is no chart.
        const Msg why = QFileInfo(path).isFile() ? Msg::mNotAChartFile : Msg::mFileNotFound;
        prompts_.tell(
            MessageIcon::Error, session_.messages().text(Msg::mError),
            session_.messages().text(why) + QLatin1Char('\n') + QDir::toNativeSeparators(path));
        return false;
    }
    ChartLock lock;
    bool readOnly = false;
    if (!lockForOpening(file, lock, readOnly))
        return false;
    Document loaded;
    loaded.setMessages(&session_.messages());
    // Open resets the settings first: what a file does not carry keeps the reset values.
    loaded.settings = session_.settings();
    loaded.ResetSettings();
    QStringList warnings;
    if (Status st = ReadDocument(file, loaded, &warnings); !st) {
        prompts_.tell(MessageIcon::Error, session_.messages().text(Msg::mKinvarro), st.message());
        return false;
    }
    lock_ = std::move(lock);
    readOnly_ = readOnly;
    addRecentFile(file);
    session_.replaceDocument(loaded, false);
    session_.fileName() = file;
    saveFileName_ = file;
    setTitle(file);
    emit documentReplaced();
    if (!warnings.isEmpty()) {
        prompts_.tell(MessageIcon::Warning, session_.messages().text(Msg::mKinvarro),
                      warnings.join('\n'));
    }
    return true;
}

bool FileCommands::openRecovered(const AutosaveEntry &entry) {
    Document loaded;
    loaded.setMessages(&session_.messages());
    loaded.settings = session_.settings();
    loaded.ResetSettings();
    QStringList warnings;
    if (Status st = ReadDocument(entry.file, loaded, &warnings); !st) {
        prompts_.tell(MessageIcon::Error, session_.messages().text(Msg::mKinvarro), st.message());
        return false;
    }
    session_.replaceDocument(loaded, true);
    session_.fileName() = entry.originalPath;
    saveFileName_ = entry.originalPath;
    // Another window on the original file keeps it; the recovered work then needs another name.
    if (entry.originalPath.isEmpty())
        unlock();
    else
        readOnly_ = lock_.acquire(entry.originalPath).has_value();
    setTitle(entry.originalPath);
    emit documentReplaced();
    removeAutosave(entry.file);
    return true;
}

bool FileCommands::save() {
    if (readOnly_) {
        const MessageTable &m = session_.messages();
        prompts_.tell(MessageIcon::Information, m.text(Msg::mKinvarro),
                      m.text(Msg::mReadOnlyChart));
        return saveAs();
    }
    QString file = saveFileName_;
    if (file.isEmpty()) {
        const auto choice =
            prompts_.chooseFileToSave(saveFilter_, QString(), QString(), kNativeType);
        if (!choice)
            return false;
        file = nativeFileFor(stripExtensions(choice->path, {".HTM"}));
        if (!confirmReplace(file))
            return false;
    }
    // The owner's write bit plays the part of the read-only attribute.
    if (QFileInfo::exists(file) && !(QFile::permissions(file) & QFileDevice::WriteOwner)) {
        const MessageTable &m = session_.messages();
        if (prompts_.ask(m.text(Msg::mReadOnlyRequest), m.text(Msg::mReadOnly), false) !=
            Answer::Yes)
            return false;
        QFile::setPermissions(
            file, QFile::permissions(file) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    }
    return saveNativeTo(file);
}

bool FileCommands::confirmReplace(const QString &file) {
    return confirmReplaceFile(prompts_, session_.messages(), file);
}

bool FileCommands::saveAs() {
    const auto choice =
        prompts_.chooseFileToSave(saveFilter_, QString(), baseName(saveFileName_), kNativeType);
    if (!choice)
        return false;
    const QString name = stripExtensions(choice->path, {".KVR", ".HTM", ".BMP", ".GED"});
    // The question names the file as it will really be written, extension included.
    switch (choice->typeIndex) {
        case kHtmlType:
            if (confirmReplace(name + QStringLiteral(".htm")))
                writeHtmlReport(name + QStringLiteral(".htm"));
            return false;
        case kDiagramType:
            if (confirmReplace(name + QStringLiteral(".bmp")))
                runExporter(exportDiagram_, name + QStringLiteral(".bmp"));
            return false;
        case kGedcomType:
        case kGedcomUtf8Type:
            if (confirmReplace(name + QStringLiteral(".ged")))
                exportGedcom(name + QStringLiteral(".ged"), choice->typeIndex == kGedcomUtf8Type);
            return false;
        default:
            break;
    }
    const QString file = nativeFileFor(stripExtensions(choice->path, {".HTM", ".BMP", ".GED"}));
    // A chart opened read-only is another window's: writing over it is asked about too.
    if ((file != saveFileName_ || readOnly_) && !confirmReplace(file))
        return false;
    return saveNativeToFolder(file);
}

bool FileCommands::saveNativeToFolder(const QString &file) {
    const MessageTable &m = session_.messages();
    const MediaRelink relink =
        RelinkMedia(session_.table(), DocumentFolder(session_.doc().CurrentFileName),
                    DocumentFolder(QFileInfo(file).absoluteFilePath()));
    const ProgressHider hider(progress_);
    if (!relink.changes.empty()) {
        if (progress_)
            progress_->show(m.text(Msg::mRelinkingMedia), 0, 0);
        session_.replaceElements(relink.changes, m.text(Msg::mActRelinkMedia));
    }
    if (!saveNativeTo(file)) {
        if (!relink.changes.empty())
            dropLastStep();
        return false;
    }
    if (!relink.missing.isEmpty()) {
        QStringList shown;
        for (const QString &missing : relink.missing)
            shown << QDir::toNativeSeparators(missing);
        prompts_.tell(MessageIcon::Warning, m.text(Msg::mKinvarro),
                      m.text(Msg::mMediaNotFoundList) + QLatin1Char('\n') + shown.join('\n'));
    }
    return true;
}

void FileCommands::dropLastStep() {
    // The chart stays where it was, so its links go back; an obsolete command
    // pushed after the undo is not kept and takes the redo tail with it.
    QUndoStack &history = session_.undoStack();
    history.undo();
    auto *nothing = new QUndoCommand;
    nothing->setObsolete(true);
    history.push(nothing);
}

bool FileCommands::saveNativeTo(const QString &file) {
    if (!writeNative(file))
        return false;
    moveLock(file);
    saveFileName_ = file;
    session_.fileName() = file;
    setTitle(file);
    session_.markSaved();
    addRecentFile(file);
    return true;
}

void FileCommands::runExporter(const Exporter &exporter, const QString &path) {
    if (!exporter)
        return;
    if (Status st = exporter(path); !st)
        reportError(st.message());
}

void FileCommands::writeHtmlReport(const QString &path) {
    if (Status st = WriteHtmlReport(session_.doc(), path, progress_); !st) {
        reportError(st.message());
        return;
    }
    prompts_.tell(MessageIcon::None, session_.messages().text(Msg::mSaveDid),
                  session_.messages().text(Msg::mSavedInHtml));
}

void FileCommands::exportGedcom(const QString &path, bool utf8) {
    const GedcomEncoding encoding = utf8 ? GedcomEncoding::Utf8 : GedcomEncoding::Ansi;
    long long replaced = 0;
    if (Status st = WriteGedcom(session_.doc(), path, encoding, progress_, &replaced); !st) {
        reportError(st.message());
        return;
    }
    if (const QString warning = GedcomExportWarning(session_.messages(), replaced);
        !warning.isEmpty())
        prompts_.tell(MessageIcon::Warning, session_.messages().text(Msg::mKinvarro), warning);
}

bool FileCommands::writeNative(const QString &path) {
    if (Status st = WriteDocument(path, session_.doc()); !st) {
        reportError(st.message());
        return false;
    }
    return true;
}

bool FileCommands::layOutImport(Document &imported) {
    const std::optional<ImportLayout> layout = prompts_.chooseImportLayout(importLayout_);
    if (!layout)
        return false;
    importLayout_ = *layout;
    emit importLayoutChosen(*layout);
    if (*layout == ImportLayout::Generations) {
        const ChartArrangement arrangement = ArrangeByGenerations(imported);
        ApplyArrangement(imported, arrangement);
        if (arrangement.brokenLinks > 0) {
            const MessageTable &m = session_.messages();
            prompts_.tell(MessageIcon::Warning, m.text(Msg::mKinvarro),
                          m.text(Msg::mArrangeCycles).arg(arrangement.brokenLinks));
        }
    }
    return true;
}

void FileCommands::addRecentFile(const QString &path) {
    if (recent_.add(path))
        emit recentFilesChanged(recent_.entries());
}

void FileCommands::reportError(const QString &text) {
    prompts_.tell(MessageIcon::Error, session_.messages().text(Msg::mError), text);
}

void FileCommands::setTitle(const QString &fileName) {
    emit titleChanged(titleFor(fileName));
}

bool FileCommands::lockForOpening(const QString &file, ChartLock &lock, bool &readOnly) {
    const std::optional<LockHolder> holder = lock.acquire(file);
    readOnly = holder.has_value();
    if (!holder)
        return true;
    const MessageTable &m = session_.messages();
    const QString text =
        m.text(Msg::mChartInUse)
            .arg(QDir::toNativeSeparators(file), QString::number(holder->pid), holder->host);
    return prompts_.ask(m.text(Msg::mChartInUseCaption), text, false) == Answer::Yes;
}

void FileCommands::moveLock(const QString &file) {
    if (lock_.held() && !readOnly_ && saveFileName_ == file)
        return;
    ChartLock lock;
    // A file another window has open stays its: this one may not save over it again unasked.
    readOnly_ = lock.acquire(file).has_value();
    lock_ = std::move(lock);
}

void FileCommands::unlock() {
    lock_.release();
    readOnly_ = false;
}

}  // namespace kinvarro
