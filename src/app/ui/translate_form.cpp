#include "ui/translate_form.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "settings/ini_file.h"
#include "ui/file_dialog_filter.h"

namespace kinvarro {
namespace {

// A rich-text box whose first line key holds this is left alone.
const QString kUntranslatedText = QStringLiteral("emptyempty");

class FormTranslator {
  public:
    FormTranslator(const IniFile &file, const QString &section) : file_(file), section_(section) {}

    void visitChildren(const QObject *parent) {
        const QObjectList children = parent->children();
        for (QObject *child : children) {
            const auto *widget = qobject_cast<QWidget *>(child);
            if (widget && widget->isWindow() && !qobject_cast<const QMenu *>(widget))
                continue;  // another window, translated from its own section
            translate(child);
            visitChildren(child);
        }
    }

  private:
    static QString componentName(const QObject *object) {
        const QString name = object->objectName();
        return name.startsWith(QLatin1String("qt_")) ? QString() : name;
    }

    QString read(const QString &key, const QString &current) const {
        return file_.readString(section_, key, current);
    }

    void translateHint(QWidget *widget, const QString &name) const {
        widget->setToolTip(read(name + QLatin1String("_hint"), widget->toolTip()));
    }

    void translateAction(QAction *action) const {
        const QString name = componentName(action);
        if (!name.isEmpty())
            action->setText(read(name, action->text()));
    }

    void translateTabs(QTabWidget *tabs) const {
        for (int i = 0; i < tabs->count(); ++i) {
            const QString name = componentName(tabs->widget(i));
            if (name.isEmpty())
                continue;
            tabs->setTabText(i, read(name, tabs->tabText(i)));
            tabs->setTabToolTip(i, read(name + QLatin1String("_hint"), tabs->tabToolTip(i)));
        }
    }

    void translateComboBox(QComboBox *box, const QString &name) const {
        for (int i = 0; i < box->count(); ++i)
            box->setItemText(i, read(name + QString::number(i), box->itemText(i)));
        translateHint(box, name);
    }

    void translateRichText(QTextEdit *edit, const QString &name) const {
        if (read(name + u'0', kUntranslatedText) == kUntranslatedText)
            return;
        QTextDocument *document = edit->document();
        const int lines = document->blockCount();
        for (int i = 0; i < lines; ++i) {
            const QTextBlock block = document->findBlockByNumber(i);
            const QString current = block.text();
            const QString text = read(name + QString::number(i), current);
            if (text == current)
                continue;  // rewriting an unchanged line would lose its formatting
            QTextCursor cursor(block);
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            cursor.insertText(text);
        }
        translateHint(edit, name);
    }

    void translate(QObject *object) const {
        // Tabs and menu items carry their own names, whatever their container is called.
        if (auto *tabs = qobject_cast<QTabWidget *>(object))
            translateTabs(tabs);
        if (auto *menu = qobject_cast<QMenu *>(object)) {
            const QList<QAction *> actions = menu->actions();
            for (QAction *action : actions)
                translateAction(action);
        }

        const QString name = componentName(object);
        if (name.isEmpty())
            return;
        if (auto *label = qobject_cast<QLabel *>(object)) {
            label->setText(read(name, label->text()));
            translateHint(label, name);
        } else if (auto *edit = qobject_cast<QLineEdit *>(object)) {
            edit->setText(read(name, edit->text()));
            translateHint(edit, name);
        } else if (auto *button = qobject_cast<QAbstractButton *>(object)) {
            button->setText(read(name, button->text()));
            translateHint(button, name);
        } else if (auto *spin = qobject_cast<QAbstractSpinBox *>(object)) {
            translateHint(spin, name);
        } else if (auto *box = qobject_cast<QComboBox *>(object)) {
            translateComboBox(box, name);
        } else if (auto *richText = qobject_cast<QTextEdit *>(object)) {
            translateRichText(richText, name);
        } else if (auto *group = qobject_cast<QGroupBox *>(object)) {
            group->setTitle(read(name, group->title()));
            translateHint(group, name);
        } else if (auto *menu = qobject_cast<QMenu *>(object)) {
            menu->setTitle(read(name, menu->title()));
        } else if (auto *action = qobject_cast<QAction *>(object)) {
            translateAction(action);
        } else if (auto *filter = qobject_cast<FileDialogFilter *>(object)) {
            filter->setFilter(read(name, filter->filter()));
        } else if (object->metaObject() == &QFrame::staticMetaObject) {
            // A panel: Qt frames show no caption, so only the hint applies.
            translateHint(static_cast<QFrame *>(object), name);
        }
    }

    const IniFile &file_;
    const QString section_;
};

}  // namespace

void TranslateForm(QWidget *window, const IniFile &languageFile) {
    const QString section = window->objectName();
    if (section.isEmpty())
        return;
    window->setWindowTitle(languageFile.readString(section, section, window->windowTitle()));
    FormTranslator(languageFile, section).visitChildren(window);
}

}  // namespace kinvarro
