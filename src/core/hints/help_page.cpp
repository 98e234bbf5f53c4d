#include "hints/help_page.h"

#include <QDir>
#include <QFileInfo>

namespace kinvarro {

QString FindHelpPage(const QString &folder, const QString &language) {
    QStringList names;
    if (!language.isEmpty())
        names << language + QStringLiteral(".htm") << language + QStringLiteral(".html");
    names << QStringLiteral("kinvarro.htm") << QStringLiteral("kinvarro.html");
    const QDir directory(folder);
    for (const QString &name : names) {
        const QString path = directory.filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

}  // namespace kinvarro
