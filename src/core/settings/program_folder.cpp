#include "settings/program_folder.h"

#include <QDir>
#include <QFileInfo>

namespace kinvarro {

ProgramFolder FindProgramFolder(const QString &executableFolder) {
    const QDir beside(executableFolder);
    if (beside.entryList({QStringLiteral("*.lng")}, QDir::Files).isEmpty()) {
        const QString installed = beside.absoluteFilePath(QStringLiteral("../share/kinvarro"));
        if (QFileInfo(installed).isDir())
            return {QDir::cleanPath(installed), ProgramLayout::Installed};
    }
    return {beside.absolutePath(), ProgramLayout::BuildTree};
}

}  // namespace kinvarro
