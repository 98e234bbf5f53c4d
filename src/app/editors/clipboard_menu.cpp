#include "editors/clipboard_menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace kinvarro {

namespace {

// A text field takes some delete keys (Ctrl+Del deletes a word) before any
// shortcut sees them; this one cuts, as the field's menu promises.
template <typename Field>
class CutKey : public QObject {
  public:
    CutKey(Field *field, QKeyCombination key) : QObject(field), field_(field), key_(key) {}

  protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        if (static_cast<const QKeyEvent *>(event)->keyCombination() != key_)
            return false;
        if (!field_->isReadOnly())
            field_->cut();
        return true;
    }

  private:
    Field *field_;
    QKeyCombination key_;
};

template <typename Field>
void InstallMenu(Field *field, QKeyCombination cutKey) {
    auto *copy = new QAction(QStringLiteral("Копировать"), field);
    copy->setObjectName(QStringLiteral("NCopy"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    auto *paste = new QAction(QStringLiteral("Вставить"), field);
    paste->setObjectName(QStringLiteral("NPaste"));
    paste->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    auto *cut = new QAction(QStringLiteral("Вырезать"), field);
    cut->setObjectName(QStringLiteral("NCut"));
    cut->setShortcut(QKeySequence(cutKey));
    field->installEventFilter(new CutKey<Field>(field, cutKey));
    for (QAction *action : {copy, paste, cut}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        field->addAction(action);
    }
    QObject::connect(copy, &QAction::triggered, field, &Field::copy);
    QObject::connect(paste, &QAction::triggered, field, &Field::paste);
    QObject::connect(cut, &QAction::triggered, field, &Field::cut);
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(field, &QWidget::customContextMenuRequested, field, [=](const QPoint &at) {
        const bool selection = field->textCursor().hasSelection();
        const QMimeData *clip = QApplication::clipboard()->mimeData();
        copy->setEnabled(selection);
        cut->setEnabled(selection && !field->isReadOnly());
        paste->setEnabled(clip && clip->hasText() && !clip->text().isEmpty() &&
                          !field->isReadOnly());
        QMenu menu;
        menu.addActions({copy, paste, cut});
        menu.exec(field->viewport()->mapToGlobal(at));
    });
}

}  // namespace

void InstallClipboardMenu(QTextEdit *field) {
    InstallMenu(field, Qt::CTRL | Qt::Key_Delete);
}

void InstallClipboardMenu(QPlainTextEdit *field) {
    InstallMenu(field, Qt::SHIFT | Qt::Key_Delete);
}

}  // namespace kinvarro
