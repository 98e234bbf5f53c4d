#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <functional>
#include <memory>

#include "settings/ini_file.h"
#include "text/cp1251.h"
#include "ui/file_dialog_filter.h"
#include "ui/translate_form.h"

using namespace kinvarro;

namespace {

IniFile languageFile(const char *utf8) {
    return IniFile::fromBytes(QByteArray::fromStdString(toCp1251(QString::fromUtf8(utf8))));
}

template <typename T>
T *make(QWidget *parent, const char *name) {
    auto *widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

/// A small window with one component of every kind the language files address.
struct Form {
    std::unique_ptr<QAction> foreignItem{new QAction(QStringLiteral("Foreign"))};
    QWidget window;
    QLabel *label = make<QLabel>(&window, "Label1");
    QLineEdit *edit = make<QLineEdit>(&window, "Edit1");
    QPushButton *button = make<QPushButton>(&window, "Button1");
    QCheckBox *check = make<QCheckBox>(&window, "cbOption");
    QSpinBox *spin = make<QSpinBox>(&window, "SpinEdit1");
    QGroupBox *group = make<QGroupBox>(&window, "GroupBox1");
    QLabel *nested = make<QLabel>(group, "Label2");
    QFrame *panel = make<QFrame>(&window, "Panel1");
    QComboBox *combo = make<QComboBox>(&window, "cbKind");
    QTextEdit *rich = make<QTextEdit>(&window, "RichEdit1");
    QTextEdit *keptRich = make<QTextEdit>(&window, "RichEdit2");
    QTabWidget *tabs = make<QTabWidget>(&window, "PageControl1");
    QLabel *onPage = nullptr;
    QMenu *fileMenu = nullptr;
    QAction *newItem = nullptr;
    QMenu *popup = make<QMenu>(&window, "PopupMenu1");
    QAction *addItem = nullptr;
    FileDialogFilter *openDialog =
        new FileDialogFilter(QStringLiteral("OpenDialog1"), QStringLiteral("All|*.*"), &window);
    QDialog *otherWindow = make<QDialog>(&window, "Form9");
    QLabel *otherLabel = make<QLabel>(otherWindow, "Label1");

    Form() {
        window.setObjectName(QStringLiteral("Form5"));
        window.setWindowTitle(QStringLiteral("Window"));
        label->setText(QStringLiteral("Label"));
        label->setToolTip(QStringLiteral("Label hint"));
        edit->setText(QStringLiteral("Edit"));
        button->setText(QStringLiteral("Button"));
        check->setText(QStringLiteral("Option"));
        spin->setValue(5);
        group->setTitle(QStringLiteral("Group"));
        nested->setText(QStringLiteral("Nested"));
        combo->addItems({QStringLiteral("Man"), QStringLiteral("Woman"), QStringLiteral("Other")});
        rich->setPlainText(QStringLiteral("one\ntwo"));
        keptRich->setPlainText(QStringLiteral("three\nfour"));
        keptRich->setToolTip(QStringLiteral("kept hint"));

        auto *page1 = make<QWidget>(nullptr, "TabSheet1");
        onPage = make<QLabel>(page1, "Label4");
        tabs->addTab(page1, QStringLiteral("First"));
        tabs->addTab(make<QWidget>(nullptr, "TabSheet2"), QStringLiteral("Second"));

        auto *menuBar = new QMenuBar(&window);
        fileMenu = menuBar->addMenu(QStringLiteral("File"));
        fileMenu->setObjectName(QStringLiteral("NFileMenu"));
        newItem = fileMenu->addAction(QStringLiteral("New"));
        newItem->setObjectName(QStringLiteral("N24"));
        addItem = popup->addAction(QStringLiteral("Add"));
        addItem->setObjectName(QStringLiteral("NAdd"));
        // An item owned elsewhere is still found through its pop-up menu.
        foreignItem->setObjectName(QStringLiteral("NForeign"));
        popup->addAction(foreignItem.get());

        otherWindow->setWindowTitle(QStringLiteral("Other window"));
        otherLabel->setText(QStringLiteral("Other"));
    }

    QString comboItems() const {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        return items.join(u'|');
    }
};

const char *const kLanguageA =
    "[Form5]\n"
    "Form5=Окно\n"
    "Label1=Метка\n"
    "Label1_hint=Подсказка метки\n"
    "Edit1=Текст\n"
    "Button1=Кнопка\n"
    "cbOption=Флажок\n"
    "cbOption_hint=Подсказка флажка\n"
    "SpinEdit1=999\n"
    "SpinEdit1_hint=Число\n"
    "GroupBox1=Группа\n"
    "GroupBox1_hint=Подсказка группы\n"
    "Label2=Вложенная\n"
    "Panel1=Панель\n"
    "Panel1_hint=Подсказка панели\n"
    "cbKind0=Мужчина\n"
    "cbKind1=Женщина\n"
    "cbKind2=Другое\n"
    "cbKind3=Лишний\n"
    "cbKind_hint=Пол\n"
    "RichEdit10=Первая строка\n"
    "RichEdit11=Вторая строка\n"
    "RichEdit12=Третья строка\n"
    "RichEdit1_hint=Подсказка текста\n"
    "RichEdit20=emptyempty\n"
    "RichEdit21=Не та строка\n"
    "RichEdit2_hint=Не та подсказка\n"
    "TabSheet1=Общие\n"
    "TabSheet1_hint=Общие сведения\n"
    "Label4=На вкладке\n"
    "NFileMenu=&Файл\n"
    "N24=&Создать\n"
    "NAdd=Добавить\n"
    "NForeign=Чужой\n"
    "OpenDialog1=Языковые файлы (*.lng)|*.lng\n"
    "[Form9]\n"
    "Form9=Не то окно\n";

struct Expectation {
    const char *what;
    std::function<QString()> actual;
    const char *expected;
};

void check(const std::vector<Expectation> &expectations) {
    for (const Expectation &e : expectations)
        EXPECT_EQ(e.actual(), QString::fromUtf8(e.expected)) << e.what;
}

}  // namespace

TEST(TranslateForm, AppliesEveryKindOfKey) {
    Form form;
    TranslateForm(&form.window, languageFile(kLanguageA));
    check({
        {"caption", [&] { return form.window.windowTitle(); }, "Окно"},
        {"label", [&] { return form.label->text(); }, "Метка"},
        {"label hint", [&] { return form.label->toolTip(); }, "Подсказка метки"},
        {"edit field", [&] { return form.edit->text(); }, "Текст"},
        {"push button", [&] { return form.button->text(); }, "Кнопка"},
        {"check box", [&] { return form.check->text(); }, "Флажок"},
        {"check box hint", [&] { return form.check->toolTip(); }, "Подсказка флажка"},
        {"spin edit hint", [&] { return form.spin->toolTip(); }, "Число"},
        {"spin edit keeps its value", [&] { return form.spin->text(); }, "5"},
        {"group box", [&] { return form.group->title(); }, "Группа"},
        {"group box hint", [&] { return form.group->toolTip(); }, "Подсказка группы"},
        {"label inside a group", [&] { return form.nested->text(); }, "Вложенная"},
        {"panel hint", [&] { return form.panel->toolTip(); }, "Подсказка панели"},
        {"combo box items, none added", [&] { return form.comboItems(); },
         "Мужчина|Женщина|Другое"},
        {"combo box hint", [&] { return form.combo->toolTip(); }, "Пол"},
        {"rich text lines, none added", [&] { return form.rich->toPlainText(); },
         "Первая строка\nВторая строка"},
        {"rich text hint", [&] { return form.rich->toolTip(); }, "Подсказка текста"},
        {"emptyempty box lines", [&] { return form.keptRich->toPlainText(); }, "three\nfour"},
        {"emptyempty box hint", [&] { return form.keptRich->toolTip(); }, "kept hint"},
        {"tab text", [&] { return form.tabs->tabText(0); }, "Общие"},
        {"tab hint", [&] { return form.tabs->tabToolTip(0); }, "Общие сведения"},
        {"tab without key", [&] { return form.tabs->tabText(1); }, "Second"},
        {"label on a tab page", [&] { return form.onPage->text(); }, "На вкладке"},
        {"menu", [&] { return form.fileMenu->title(); }, "&Файл"},
        {"menu item", [&] { return form.newItem->text(); }, "&Создать"},
        {"pop-up menu item", [&] { return form.addItem->text(); }, "Добавить"},
        {"pop-up item owned elsewhere", [&] { return form.foreignItem->text(); }, "Чужой"},
        {"dialog filter", [&] { return form.openDialog->filter(); },
         "Языковые файлы (*.lng)|*.lng"},
        {"another window's caption", [&] { return form.otherWindow->windowTitle(); },
         "Other window"},
        {"another window's label", [&] { return form.otherLabel->text(); }, "Other"},
    });
}

TEST(TranslateForm, MissingKeysKeepThePreviousLanguage) {
    Form form;
    TranslateForm(&form.window, languageFile(kLanguageA));
    TranslateForm(&form.window, languageFile("[FORM5]\n"
                                             "label1=Label\n"
                                             "cbKind1=Woman\n"
                                             "RichEdit10=First line\n"
                                             "N24=&New\n"));
    check({
        {"caption", [&] { return form.window.windowTitle(); }, "Окно"},
        {"label", [&] { return form.label->text(); }, "Label"},
        {"label hint", [&] { return form.label->toolTip(); }, "Подсказка метки"},
        {"edit field", [&] { return form.edit->text(); }, "Текст"},
        {"combo box items", [&] { return form.comboItems(); }, "Мужчина|Woman|Другое"},
        {"rich text lines", [&] { return form.rich->toPlainText(); }, "First line\nВторая строка"},
        {"menu item", [&] { return form.newItem->text(); }, "&New"},
    });
}

TEST(TranslateForm, RichTextKeepsTheFormatOfUnchangedLines) {
    Form form;
    QTextCursor cursor(form.rich->document());
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);  // only the "o" of "one"

    TranslateForm(&form.window, languageFile("[Form5]\nRichEdit10=one\nRichEdit11=два\n"));
    EXPECT_EQ(form.rich->toPlainText(), QString::fromUtf8("one\nдва"));
    const auto weightAt = [&](int position) {
        QTextCursor at(form.rich->document());
        at.setPosition(position + 1);  // the format of the character before the cursor
        return at.charFormat().fontWeight();
    };
    EXPECT_EQ(weightAt(0), QFont::Bold);
    EXPECT_EQ(weightAt(1), QFont::Normal);
}
