#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

#include "application.h"
#include "language_words.h"
#include "settings/store_fixture.h"

using namespace kinvarro;

namespace {

struct Caption {
    QString where;
    QString text;
};

QString plain(const QString &text) {
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

QString nameOf(const QObject *object) {
    QString name = object->objectName();
    for (const QObject *parent = object->parent(); parent; parent = parent->parent()) {
        if (parent->isWidgetType() && static_cast<const QWidget *>(parent)->isWindow()) {
            name.prepend(parent->objectName() + u'.');
            break;
        }
    }
    return name + QStringLiteral(" (") + QString::fromLatin1(object->metaObject()->className()) +
           u')';
}

// Every text the program's own windows show or can show: titles, captions, items, tips.
std::vector<Caption> captionsOfEveryWindow(const QWidgetList &others) {
    std::vector<Caption> captions;
    const auto add = [&](const QObject *object, const QString &text) {
        // The colour lists name their colours by code ("$C0C0C0"), the same in every language.
        static const QRegularExpression colourCode(QStringLiteral(R"(^\$[0-9A-F]{6}$)"));
        if (!text.trimmed().isEmpty() && !colourCode.match(text).hasMatch())
            captions.push_back({nameOf(object), plain(text)});
    };
    for (QWidget *widget : QApplication::allWidgets()) {
        // The language chooser speaks both languages on purpose: it comes before any choice.
        if (others.contains(widget) || widget->window()->objectName() == QLatin1String("flanguage"))
            continue;
        if (widget->isWindow())
            add(widget, widget->windowTitle());
        add(widget, widget->toolTip());
        add(widget, widget->statusTip());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(label, label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button, button->text());
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            add(group, group->title());
        if (auto *menu = qobject_cast<QMenu *>(widget))
            add(menu, menu->title());
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            add(edit, edit->placeholderText());
        if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs, tabs->tabText(i));
        }
        // A font box lists the fonts of the system, in their own names.
        auto *combo = qobject_cast<QComboBox *>(widget);
        if (combo && !qobject_cast<QFontComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                add(combo, combo->itemText(i));
        }
        for (const QAction *action : widget->actions()) {
            add(action, action->text());
            add(action, action->toolTip());
        }
    }
    return captions;
}

class InterfaceLanguage : public kinvarro::test::TemporaryConfigHome {
  protected:
    // Starts the program with one shipped language, the only one, so it is chosen unasked.
    std::unique_ptr<KinvarroApplication> start(const char *language) {
        const QDir shipped(QCoreApplication::applicationDirPath());
        for (const QString &file :
             {QString::fromLatin1(language) + ".lng", QString::fromLatin1(language) + ".bmp"}) {
            EXPECT_TRUE(QFile::copy(shipped.filePath(file), programFolder.filePath(file)));
        }
        // Windows other tests left behind are not this program's.
        others = QApplication::allWidgets();
        store = std::make_unique<MachineStore>();  // in the temporary configuration folder
        auto app = std::make_unique<KinvarroApplication>(programFolder.path(), *store);
        EXPECT_TRUE(app->start());
        return app;
    }

    QTemporaryDir programFolder;
    std::unique_ptr<MachineStore> store;
    QWidgetList others;
};

}  // namespace

TEST_F(InterfaceLanguage, EnglishWindowsShowNoRussian) {
    const auto app = start("English");
    const std::vector<Caption> captions = captionsOfEveryWindow(others);
    EXPECT_GT(captions.size(), 300u);
    for (const Caption &caption : captions)
        EXPECT_FALSE(test::hasCyrillic(caption.text))
            << caption.where.toStdString() << ": " << caption.text.toStdString();
}

TEST_F(InterfaceLanguage, RussianWindowsShowNoEnglish) {
    const auto app = start("Russian");
    const std::vector<Caption> captions = captionsOfEveryWindow(others);
    EXPECT_GT(captions.size(), 300u);
    for (const Caption &caption : captions)
        EXPECT_TRUE(test::foreignWordsInRussian(caption.text).isEmpty())
            << caption.where.toStdString() << ": " << caption.text.toStdString();
}
