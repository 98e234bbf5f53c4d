#pragma once

class QWidget;

namespace kinvarro {

class IniFile;

/// Applies the section of `languageFile` named after `window` (its objectName) to the
/// window: its caption, then its named components in creation order, by kind:
///  - QLabel, QLineEdit, any QAbstractButton: text under their name, tooltip under
///    name + "_hint";
///  - QAbstractSpinBox and plain QFrame panels: tooltip only;
///  - QGroupBox: title and tooltip;
///  - QTabWidget pages: tab text and tab tooltip under the page's name;
///  - QComboBox: existing items under name + "0", "1", ..., tooltip;
///  - QTextEdit: only when name + "0" is present and not "emptyempty", its existing
///    lines (paragraphs) and tooltip;
///  - QMenu title and QAction text under their name, and the items of every menu;
///  - FileDialogFilter: the filter under its name.
/// A missing key leaves that text as it is. Unnamed objects, Qt's own "qt_" children
/// and other windows parented to this one are skipped.
void TranslateForm(QWidget *window, const IniFile &languageFile);

}  // namespace kinvarro
