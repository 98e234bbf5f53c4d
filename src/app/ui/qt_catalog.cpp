#include "ui/qt_catalog.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "settings/ini_file.h"

namespace kinvarro {

bool QtCatalog::apply(const IniFile &languageFile) {
    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
        installed_ = false;
    }
    const QString catalog = languageFile.readString(u"Qt", u"Catalog", QString());
    if (catalog.isEmpty())
        return true;
    if (!translator_.load(catalog, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    installed_ = QCoreApplication::installTranslator(&translator_);
    return installed_;
}

}  // namespace kinvarro
