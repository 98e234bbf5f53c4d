#pragma once

#include <functional>

class QAction;
class QMenu;
class QUndoStack;

namespace kinvarro {

class MessageTable;

/// Keeps the undo and redo items of `menu` in step with `stack`: enabled when
/// there is a step, captioned "Отменить <step>" / "Вернуть <step>" in the
/// current language, and running the step when chosen unless `refused()` says
/// the table must not change now.
void wireUndoMenu(QMenu *menu, QAction *undo, QAction *redo, QUndoStack &stack,
                  const MessageTable &messages, std::function<bool()> refused);

}  // namespace kinvarro
