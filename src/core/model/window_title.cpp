#include "model/window_title.h"

namespace kinvarro {

QString TitleWithModifiedMarker(const QString &title) {
    QString escaped = title;
    escaped.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return escaped + QStringLiteral("[*]");
}

}  // namespace kinvarro
