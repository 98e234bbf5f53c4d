#include "ui/undo_menu.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

#include "settings/message_table.h"

namespace kinvarro {

void wireUndoMenu(QMenu *menu, QAction *undo, QAction *redo, QUndoStack &stack,
                  const MessageTable &messages, std::function<bool()> refused) {
    auto refresh = [undo, redo, &stack, &messages] {
        auto caption = [](const QString &verb, const QString &step) {
            return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
        };
        undo->setEnabled(stack.canUndo());
        redo->setEnabled(stack.canRedo());
        undo->setText(caption(messages.text(Msg::mUndo), stack.undoText()));
        redo->setText(caption(messages.text(Msg::mRedo), stack.redoText()));
    };
    QObject::connect(undo, &QAction::triggered, &stack, [&stack, refused] {
        if (!refused())
            stack.undo();
    });
    QObject::connect(redo, &QAction::triggered, &stack, [&stack, refused] {
        if (!refused())
            stack.redo();
    });
    QObject::connect(&stack, &QUndoStack::indexChanged, undo, refresh);
    QObject::connect(&stack, &QUndoStack::cleanChanged, undo, refresh);
    // The language may have changed since the last step.
    QObject::connect(menu, &QMenu::aboutToShow, undo, refresh);
    refresh();
}

}  // namespace kinvarro
