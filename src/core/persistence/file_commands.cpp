#include "persistence/file_commands.h"

#include <QFile>
#include <QFileInfo>

#include "model/document.h"
#include "persistence/gedcom_import.h"
#include "persistence/gedcom_writer.h"
#include "persistence/native_format.h"

namespace kinvarro {
namespace {

const QString kOpenFilter =
    QStringLiteral("Файлы Kinvarro (*.kvr)|*.kvr|GEDCOM файлы (*.ged)|*.ged");
const QString kSaveFilter = QStringLiteral(
    "Файлы Kinvarro (*.kvr)|*.kvr|Текстовый отчёт (*.htm)|*.htm|Диаграмму (*.bmp)|*.bmp|"
    "Формат GEDCOM (*.ged)|*.ged|GEDCOM UTF-8 (*.ged)|*.ged");

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

}  // namespace

const QString FileCommands::kOpenFilter =
    QStringLiteral("Файлы Kinvarro (*.kvr)|*.kvr|GEDCOM файлы (*.ged)|*.ged");
const QString FileCommands::kSaveFilter = QStringLiteral(
    "Файлы Kinvarro (*.kvr)|*.kvr|Текстовый отчёт (*.htm)|*.htm|Диаграмму (*.bmp)|*.bmp|"
    "Формат GEDCOM (*.ged)|*.ged|GEDCOM UTF-8 (*.ged)|*.ged");

bool hasExtension(const QString &name, const char *extension) {
    return name.right(4).toUpper() == QLatin1String(extension);
}

FileCommands::FileCommands(Document &doc, Prompts &prompts, QObject *parent)
    : QObject(parent), doc_(doc), prompts_(prompts) {}

QString FileCommands::title() const {
    return TitleFor(baseCaption_, doc_.CurrentFileName);
}

bool FileCommands::confirmDiscardChanges() {
    if (!doc_.DocumentModified)
        return true;
    const MessageTable &m = doc_.messages();
    switch (prompts_.ask(m.text(Msg::mDocWasChanged), m.text(Msg::mSaveChanges), true)) {
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            save();  // a cancelled save still lets the command go on
            return true;
        case Answer::No:
            return true;
    }
    return true;
}

void FileCommands::newDocument() {
    if (!confirmDiscardChanges())
        return;
    doc_.DocumentModified = false;
    doc_.CurrentFileName.clear();
    setTitle({});
    doc_.ClearTable();
    doc_.ViewOriginX = 0;
    doc_.ViewOriginY = 0;
    doc_.ResetSettings();
    saveFileName_.clear();
    emit documentReplaced();
}

void FileCommands::openFromMenu() {
    if (!confirmDiscardChanges())
        return;
    const bool wasModified = doc_.DocumentModified;
    doc_.DocumentModified = false;
    const auto choice = prompts_.chooseFileToOpen(openFilter_, startFolder_, QString());
    if (!choice)
        return;
    // A failed load keeps the old chart on screen, so its changes are still unsaved.
    if (!open(choice->path))
        doc_.DocumentModified = wasModified;
}

void FileCommands::openPath(const QString &path) {
    open(path);
}

void FileCommands::openRecent(int index) {
    const QString path = recent_.entries().value(index);
    if (!path.isEmpty())
        open(path);
}

bool FileCommands::open(const QString &path) {
    doc_.LastMouseX = -1;
    doc_.LastMouseY = -1;
    if (flushPendingRedraw_)
        flushPendingRedraw_();

    if (hasExtension(path, ".GED")) {
        // A failed import leaves the open chart, its settings and its name alone.
        const bool imported = ReadGedcom(path, doc_, prompts_, progress_);
        addRecentFile(path.left(path.size() - 4) + QStringLiteral(".ged"));
        if (!imported)
            return false;
        doc_.CurrentFileName.clear();
        saveFileName_.clear();
        setTitle({});
        emit documentReplaced();
        return true;
    }

    const QString base = hasExtension(path, ".KVR") ? path.left(path.size() - 4) : path;
    const QString file = base + QStringLiteral(".kvr");
    if (!QFileInfo::exists(file)) {
        prompts_.tell(MessageIcon::Error, doc_.messages().text(Msg::mError),
                      doc_.messages().text(Msg::mFileNotFound));
        return false;
    }
    addRecentFile(file);
    QStringList warnings;
    if (Status st = ReadDocument(file, doc_, &warnings); !st) {
        prompts_.tell(MessageIcon::Error, doc_.messages().text(Msg::mKinvarro), st.message());
        return false;
    }
    doc_.CurrentFileName = file;
    saveFileName_ = base;
    setTitle(file);
    emit documentReplaced();
    if (!warnings.isEmpty()) {
        prompts_.tell(MessageIcon::Warning, doc_.messages().text(Msg::mKinvarro),
                      warnings.join('\n'));
    }
    return true;
}

void FileCommands::save() {
    QString name = saveFileName_;
    if (name.isEmpty()) {
        const auto choice =
            prompts_.chooseFileToSave(saveFilter_, startFolder_, QString(), kNativeType);
        if (!choice)
            return;
        name = choice->path;
    }
    name = stripExtensions(name, {".KVR", ".HTM"});
    saveFileName_ = name;
    const QString file = name + QStringLiteral(".kvr");
    addRecentFile(file);
    // The owner's write bit plays the part of the read-only attribute.
    if (QFileInfo::exists(file) && !(QFile::permissions(file) & QFileDevice::WriteOwner)) {
        const MessageTable &m = doc_.messages();
        if (prompts_.ask(m.text(Msg::mReadOnlyRequest), m.text(Msg::mReadOnly), false) !=
            Answer::Yes)
            return;
        QFile::setPermissions(
            file, QFile::permissions(file) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    }
    if (!writeNative(file))
        return;
    doc_.CurrentFileName = file;
    setTitle(name);
    doc_.DocumentModified = false;
}

void FileCommands::saveAs() {
    const auto choice =
        prompts_.chooseFileToSave(saveFilter_, startFolder_, saveFileName_, kNativeType);
    if (!choice)
        return;
    const QString name = stripExtensions(choice->path, {".KVR", ".HTM", ".BMP", ".GED"});
    saveFileName_ = name;
    switch (choice->typeIndex) {
        case kHtmlType:
            runExporter(exportHtml_, name + QStringLiteral(".htm"),
                        QStringLiteral("The HTML report"));
            return;
        case kDiagramType:
            runExporter(exportDiagram_, name + QStringLiteral(".bmp"),
                        QStringLiteral("The diagram"));
            return;
        case kGedcomType:
        case kGedcomUtf8Type:
            exportGedcom(name + QStringLiteral(".ged"), choice->typeIndex == kGedcomUtf8Type);
            return;
        default:
            break;
    }
    const QString file = name + QStringLiteral(".kvr");
    addRecentFile(file);
    if (!writeNative(file))
        return;
    doc_.CurrentFileName = file;
    setTitle(name);
    doc_.DocumentModified = false;
}

void FileCommands::runExporter(const Exporter &exporter, const QString &path, const QString &what) {
    if (!exporter) {
        reportError(QStringLiteral("%1 is not available yet.").arg(what));
        return;
    }
    if (Status st = exporter(path); !st)
        reportError(st.message());
}

void FileCommands::exportGedcom(const QString &path, bool utf8) {
    const GedcomEncoding encoding = utf8 ? GedcomEncoding::Utf8 : GedcomEncoding::Ansi;
    if (Status st = ExportGedcom(doc_, path, encoding, progress_); !st)
        reportError(st.message());
}

bool FileCommands::writeNative(const QString &path) {
    if (Status st = WriteDocument(path, doc_); !st) {
        reportError(st.message());
        return false;
    }
    return true;
}

void FileCommands::addRecentFile(const QString &path) {
    if (recent_.add(path))
        emit recentFilesChanged(recent_.entries());
}

void FileCommands::reportError(const QString &text) {
    prompts_.tell(MessageIcon::Error, doc_.messages().text(Msg::mError), text);
}

void FileCommands::setTitle(const QString &fileName) {
    emit titleChanged(TitleFor(baseCaption_, fileName));
}

}  // namespace kinvarro
