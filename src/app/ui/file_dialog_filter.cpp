#include "ui/file_dialog_filter.h"

namespace kinvarro {

QStringList QtNameFilters(const QString &windowsFilter) {
    const QStringList parts = windowsFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1].trimmed();
        QStringList patternList = patterns.split(u';', Qt::SkipEmptyParts);
        for (QString &pattern : patternList)
            pattern = pattern.trimmed();
        patternList.removeAll(QString());
        if (patternList.isEmpty())
            continue;

        // Qt reads the patterns from the last brackets of the text, separated by blanks.
        QString description = parts[i].trimmed();
        const QString shown = u'(' + patterns + u')';
        if (description.endsWith(shown))
            description = description.chopped(shown.size()).trimmed();
        const QString qtPatterns = u'(' + patternList.join(u' ') + u')';
        filters.append(description.isEmpty() ? qtPatterns : description + u' ' + qtPatterns);
    }
    return filters;
}

FileDialogFilter::FileDialogFilter(const QString &name, const QString &filter, QObject *parent)
    : QObject(parent), filter_(filter) {
    setObjectName(name);
}

}  // namespace kinvarro
