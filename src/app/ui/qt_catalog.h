#pragma once

#include <QTranslator>

namespace kinvarro {

class IniFile;

/// Qt's own texts (the buttons of question boxes, the file dialogs, the
/// context menus of text fields) in the interface language. A language file
/// names Qt's catalog for it under [Qt] Catalog; without one Qt speaks English.
class QtCatalog {
  public:
    /// Installs the catalog `languageFile` names in place of the previous one.
    /// Returns false when the file names a catalog that cannot be loaded.
    bool apply(const IniFile &languageFile);

  private:
    QTranslator translator_;
    bool installed_ = false;
};

}  // namespace kinvarro
