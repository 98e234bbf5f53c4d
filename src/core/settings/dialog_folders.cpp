#include "settings/dialog_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "settings/machine_store.h"

namespace kinvarro {
namespace {

QString userDocuments() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace

DialogFolders::DialogFolders(MachineStore &store, QString documents)
    : store_(store), documents_(documents.isEmpty() ? userDocuments() : std::move(documents)) {}

QString DialogFolders::start() const {
    const QString last = store_.lastFolder();
    // A folder removed, renamed or on a drive no longer there falls back.
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return documents_;
}

void DialogFolders::chosen(const QString &filePath) {
    if (filePath.isEmpty())
        return;
    store_.setLastFolder(QFileInfo(filePath).absolutePath());
}

}  // namespace kinvarro
