#pragma once

class QPlainTextEdit;
class QTextEdit;

namespace kinvarro {

/// Gives a rich-text field the context menu "Копировать", "Вставить", "Вырезать"
/// (actions NCopy, NPaste, NCut, translated with their window) with the shortcuts
/// Ctrl+Ins, Shift+Ins, Ctrl+Del; copy and cut need a selection, paste clipboard text.
void InstallClipboardMenu(QTextEdit *field);

/// The same menu for a plain-text field, cutting with Shift+Del.
void InstallClipboardMenu(QPlainTextEdit *field);

}  // namespace kinvarro
