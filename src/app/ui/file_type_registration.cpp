#include "ui/file_type_registration.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include "settings/write_cause.h"

namespace kinvarro {
namespace {

enum class Written { Unchanged, Written, Failed };

Written writeFile(const QString &path, const QByteArray &content) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return Written::Unchanged;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return Written::Failed;
    QSaveFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
                    CommitSave(file);
    return ok ? Written::Written : Written::Failed;
}

}  // namespace

FileTypeRegistration RegisterFileType(const QString &program, const QString &data) {
    if (data.isEmpty())
        return {};
    const QByteArray mime =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"application/x-kinvarro\">\n"
        "    <comment>Kinvarro family-tree chart</comment>\n"
        "    <glob pattern=\"*.kvr\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n";
    QString quoted = program;
    quoted.replace(QLatin1Char('"'), QLatin1String("\\\""));
    const QByteArray desktop =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Kinvarro\n"
        "Comment=Family-tree chart editor\n"
        "Exec=\"" +
        quoted.toUtf8() +
        "\" %f\n"
        "MimeType=application/x-kinvarro;\n"
        "Categories=Office;\n";
    const Written mimeFile = writeFile(data + QStringLiteral("/mime/packages/kinvarro.xml"), mime);
    const Written entryFile =
        writeFile(data + QStringLiteral("/applications/kinvarro.desktop"), desktop);
    FileTypeRegistration result;
    result.complete = mimeFile != Written::Failed && entryFile != Written::Failed;
    result.mimeWritten = mimeFile == Written::Written;
    result.entryWritten = entryFile == Written::Written;
    return result;
}

std::vector<DesktopToolRun> DesktopDatabaseRefreshes(
    const FileTypeRegistration &registration, const QString &data,
    const std::function<QString(const QString &)> &findTool) {
    std::vector<DesktopToolRun> runs;
    auto add = [&](bool needed, const char *tool, const char *folder) {
        if (!needed)
            return;
        const QString program = findTool(QLatin1String(tool));
        if (!program.isEmpty())
            runs.push_back({program, {data + QLatin1Char('/') + QLatin1String(folder)}});
    };
    add(registration.mimeWritten, "update-mime-database", "mime");
    add(registration.entryWritten, "update-desktop-database", "applications");
    return runs;
}

void RegisterFileTypeWithDesktop(const QString &program) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const FileTypeRegistration registration = RegisterFileType(program, data);
    const auto find = [](const QString &tool) { return QStandardPaths::findExecutable(tool); };
    // Start-up does not wait for the databases: they serve other programs.
    for (const DesktopToolRun &run : DesktopDatabaseRefreshes(registration, data, find))
        QProcess::startDetached(run.program, run.arguments);
}

}  // namespace kinvarro
