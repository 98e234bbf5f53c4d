#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include "edit/document_session.h"

#include "editors/comment_editor.h"
#include "editors/comment_file.h"
#include "editors/element_editor.h"
#include "editors/element_editors.h"
#include "editors/event_editor.h"
#include "editors/info_editor.h"
#include "editors/media_preview.h"
#include "editors/media_tab.h"
#include "editors/parent_list_search.h"
#include "markup/description_text.h"
#include "scripted_prompts.h"
#include "settings/ini_file.h"
#include "test_support.h"
#include "ui/file_dialog_filter.h"
#include "ui/translate_form.h"

using namespace kinvarro;
using kinvarro::test::addPerson;
using kinvarro::test::ScriptedPrompts;

namespace {

struct EditorsTest : ::testing::Test {
    Document doc;
    DocumentSession session{doc};
    MessageTable messages;
    ScriptedPrompts prompts;
    QWidget window;
    ElementEditors editors{session, prompts, messages, &window};

    /// Runs `step` once the modal editor `dialog` is showing, then closes it.
    void whenShown(QDialog &dialog, std::function<void()> step, bool apply) {
        QTimer::singleShot(0, &dialog, [&dialog, step, apply] {
            step();
            apply ? dialog.accept() : dialog.reject();
            // A refused apply leaves the editor open: cancel it then.
            if (dialog.isVisible())
                dialog.reject();
        });
    }
};

TEST_F(EditorsTest, PersonEditorShowsParentsAndStoresClickedOptions) {
    const int father = addPerson(doc, 0, 0, -1, -1, std::string("Пётр"));
    const int child = addPerson(doc, 0, 0, -1, father, std::string("Иван"));
    TForm3 &editor = editors.personEditor();
    prompts.colours.push_back(std::nullopt);
    whenShown(
        editor,
        [&] {
            EXPECT_EQ(editor.fatherList()->count(), doc.NodeTable.NodeCount() + 1);
            EXPECT_EQ(editor.fatherList()->currentIndex(), father + 1);
            EXPECT_EQ(editor.fatherList()->itemText(child + 1),
                      QString::fromUtf8("Иван (отец: Пётр)"));
            EXPECT_FALSE(editor.colourBox()->isChecked());
            editor.colourBox()->click();
            editor.motherList()->setCurrentIndex(child + 1);
            editor.nameField()->setPlainText("A\nB");
        },
        true);
    EXPECT_TRUE(editors.NModifyClick(child, false));
    EXPECT_EQ(prompts.colourDialogs, 1);
    EXPECT_EQ(doc.NodeTable[child].ownColor, kNoOwnColor);
    EXPECT_EQ(doc.NodeTable[child].motherIndex, child);
    EXPECT_EQ(doc.NodeTable[child].name, "A\r\nB");
    EXPECT_TRUE(doc.DocumentModified);
}

TEST_F(EditorsTest, OutOfRangeOptionsFromAFileSurviveAnApply) {
    const int person = addPerson(doc, 0, 0);
    doc.NodeTable[person].sex = 7;
    doc.NodeTable[person].fatherImportance = 255;
    doc.NodeTable[person].motherImportance = 9;
    const int event = addPerson(doc, 0, 0);
    doc.NodeTable[event].kind = kHistoricalEvent;
    doc.NodeTable[event].fatherImportance = 6;
    TForm3 &editor = editors.personEditor();
    whenShown(
        editor,
        [&] {
            auto *sex = editor.findChild<QComboBox *>("cbSex");
            EXPECT_EQ(sex->currentText(), "7");
            EXPECT_EQ(sex->count(), 4);
            editor.findChild<QComboBox *>("cbMatherImportance")->setCurrentIndex(2);
        },
        true);
    EXPECT_TRUE(editors.NModifyClick(person, false));
    EXPECT_EQ(doc.NodeTable[person].sex, 7);
    EXPECT_EQ(doc.NodeTable[person].fatherImportance, 255);
    EXPECT_EQ(doc.NodeTable[person].motherImportance, 2);
    whenShown(
        editors.eventEditor(),
        [&] {
            EXPECT_EQ(
                editors.eventEditor().findChild<QComboBox *>("cbfatherimportance")->currentText(),
                "6");
        },
        true);
    EXPECT_TRUE(editors.NModifyClick(event, false));
    EXPECT_EQ(doc.NodeTable[event].fatherImportance, 6);
    // The next element in range shows the fixed list only.
    doc.NodeTable[person].sex = 1;
    whenShown(
        editor, [&] { EXPECT_EQ(editor.findChild<QComboBox *>("cbSex")->count(), 3); }, false);
    editors.NModifyClick(person, false);
}

TEST_F(EditorsTest, StoredOwnColourOpensTickedWithoutDialog) {
    const int i = addPerson(doc, 0, 0);
    doc.NodeTable[i].ownColor = 0x00FF00;
    const int event = addPerson(doc, 0, 0);
    doc.NodeTable[event].kind = kHistoricalEvent;
    doc.NodeTable[event].ownColor = 0x0000FF;
    whenShown(
        editors.personEditor(),
        [&] { EXPECT_TRUE(editors.personEditor().colourBox()->isChecked()); }, false);
    editors.NModifyClick(i, false);
    whenShown(
        editors.eventEditor(), [&] { EXPECT_TRUE(editors.eventEditor().colourBox()->isChecked()); },
        false);
    editors.NModifyClick(event, false);
    EXPECT_EQ(prompts.colourDialogs, 0);
    EXPECT_FALSE(doc.DocumentModified);
}

TEST_F(EditorsTest, CancellingAJustAddedElementRemovesIt) {
    addPerson(doc, 0, 0);
    const int added = *session.beginNewElement(kPerson);
    whenShown(
        editors.personEditor(), [] {}, false);
    EXPECT_FALSE(editors.NModifyClick(added, true));
    EXPECT_EQ(doc.NodeTable.NodeCount(), 1);
    EXPECT_FALSE(doc.DocumentModified);
}

TEST_F(EditorsTest, AnyLettersApplyWithoutAQuestion) {
    doc.CurrentFileName = "/home/u/family/tree.kvr";
    const int i = addPerson(doc, 0, 0, -1, -1, std::string("Иван"));
    prompts.fileLists.push_back({QString::fromUtf8("/home/u/family/Fotos Łódź/Zoë.jpg")});
    whenShown(
        editors.personEditor(),
        [&] {
            editors.personEditor().nameField()->setPlainText(QString::fromUtf8("Zoë Müller"));
            editors.personEditor().media().addFiles();
        },
        true);
    EXPECT_TRUE(editors.NModifyClick(i, false));
    EXPECT_EQ(doc.NodeTable[i].name, std::string("Zoë Müller"));
    EXPECT_EQ(doc.NodeTable[i].media, std::vector<std::string>{"Fotos Łódź\\Zoë.jpg"});
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_TRUE(prompts.told.isEmpty());
}

// Qt lays out a run without a place to break again for every line it wraps,
// which took a minute for a megabyte of such a description.
TEST_F(EditorsTest, ADescriptionWithoutBlanksWrapsAnywhereAndTheNextElementAtWords) {
    const int blob = addPerson(doc, 0, 0, -1, -1, std::string(5000, 'n'));
    doc.NodeTable[blob].description = std::string(1000000, 'x');
    const int plain = addPerson(doc, 0, 0, -1, -1, std::string("Иван"));
    doc.NodeTable[plain].description = "Родился в Твери";
    TForm3 &editor = editors.personEditor();
    QTextOption::WrapMode description{}, name{};
    for (const auto &[element, expected] :
         {std::pair{blob, QTextOption::WrapAnywhere},
          std::pair{plain, QTextOption::WrapAtWordBoundaryOrAnywhere}}) {
        whenShown(
            editor,
            [&] {
                editor.descriptionField()->viewport()->repaint();
                // The layout follows the document's option, not the field's own copy of it.
                description = editor.descriptionField()->document()->defaultTextOption().wrapMode();
                name = editor.nameField()->document()->defaultTextOption().wrapMode();
            },
            false);
        editors.NModifyClick(element, false);
        EXPECT_EQ(description, expected);
        EXPECT_EQ(name, expected);
    }
}

TEST_F(EditorsTest, MediaTabAddsRelativeEntriesToListAndTree) {
    doc.CurrentFileName = "/home/u/family/tree.kvr";
    const int i = addPerson(doc, 0, 0);
    prompts.fileLists.push_back({"/home/u/family/photos/a.jpg", "/home/u/family/b.mp3"});
    whenShown(
        editors.personEditor(),
        [&] {
            MediaTab &media = editors.personEditor().media();
            media.addFiles();
            EXPECT_EQ(media.tree()->topLevelItemCount(), 2);
            media.selectEntry(1);
            media.moveUp();
        },
        true);
    EXPECT_TRUE(editors.NModifyClick(i, false));
    EXPECT_EQ(doc.NodeTable[i].media, (std::vector<std::string>{"b.mp3", "photos\\a.jpg"}));
    EXPECT_TRUE(prompts.told.isEmpty());
}

// Qt delivers a double click as press, release, press, double click, release.
TEST(MediaPreviewClicks, EachClickOrDoubleClickLaunchesOnce) {
    const struct {
        bool launchOnClick;
        bool doubleClick;
        int launches;
    } cases[] = {{true, false, 1}, {true, true, 1}, {false, false, 0}, {false, true, 1}};
    for (const auto &c : cases) {
        MediaPreview preview;
        preview.setLaunchOnClick(c.launchOnClick);
        int launches = 0;
        QObject::connect(&preview, &MediaPreview::launchRequested, [&] { ++launches; });
        auto send = [&](QEvent::Type type) {
            QMouseEvent event(type, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(preview.picture(), &event);
        };
        send(QEvent::MouseButtonPress);
        send(QEvent::MouseButtonRelease);
        if (c.doubleClick) {
            send(QEvent::MouseButtonPress);
            send(QEvent::MouseButtonDblClick);
            send(QEvent::MouseButtonRelease);
        }
        EXPECT_EQ(launches, c.launches) << c.launchOnClick << c.doubleClick;
    }
}

// A picture in a folder of any script previews with its comment, whatever the
// comment file's encoding.
TEST(MediaPreviewFiles, PicturesAndCommentsInFoldersOfAnyScriptShow) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QString::fromUtf8("Fotos Łódź")));
    const QString picture = dir.filePath(QString::fromUtf8("Fotos Łódź/Zoë 李.png"));
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(picture, "PNG"));
    ASSERT_TRUE(
        WriteCommentFile(picture + ".txt", QString::fromUtf8("Zoë, 1952"), MessageTable()).ok());
    MediaPreview preview;
    preview.showFile(QString::fromUtf8("Fotos Łódź\\Zoë 李.png"), picture);
    EXPECT_FALSE(preview.picture()->pixmap().isNull());
    EXPECT_EQ(preview.commentView()->toPlainText(), QString::fromUtf8("Zoë, 1952"));
}

TEST_F(EditorsTest, FormattingBarAndCutKeyActOnTheDescriptionSelection) {
    const int i = addPerson(doc, 0, 0);
    doc.NodeTable[i].description = "one two three";
    TForm3 &editor = editors.personEditor();
    whenShown(
        editor,
        [&] {
            QTextEdit *field = editor.descriptionField();
            QTextCursor cursor = field->textCursor();
            cursor.setPosition(4);
            cursor.setPosition(7, QTextCursor::KeepAnchor);  // "two"
            field->setTextCursor(cursor);
            editor.findChild<QToolButton *>("sbBold")->click();
            cursor.setPosition(0);
            cursor.setPosition(4, QTextCursor::KeepAnchor);  // "one "
            field->setTextCursor(cursor);
            QKeyEvent cut(QEvent::KeyPress, Qt::Key_Delete, Qt::ControlModifier);
            QApplication::sendEvent(field, &cut);
        },
        true);
    EXPECT_TRUE(editors.NModifyClick(i, false));
    const std::string &stored = doc.NodeTable[i].description;
    EXPECT_LT(stored.find("<B>"), stored.find("two")) << stored;
    EXPECT_NE(stored.find("two</B> three"), std::string::npos) << stored;
    EXPECT_EQ(stored.find("one"), std::string::npos) << stored;
}

// The read description is where editing starts: undo at once takes nothing away.
TEST_F(EditorsTest, UndoRightAfterOpeningKeepsTheDescription) {
    const int i = addPerson(doc, 0, 0);
    doc.NodeTable[i].description = "one <B>two</B>\r\nthree";
    TForm3 &editor = editors.personEditor();
    std::string applied[2];
    for (const bool undo : {false, true}) {
        whenShown(
            editor,
            [&] {
                if (!undo)
                    return;
                QTextEdit *field = editor.descriptionField();
                field->setFocus();
                QKeyEvent key(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
                QApplication::sendEvent(field, &key);
            },
            true);
        EXPECT_TRUE(editors.NModifyClick(i, false));
        applied[undo] = doc.NodeTable[i].description;
    }
    EXPECT_NE(applied[0].find("three"), std::string::npos) << applied[0];
    EXPECT_EQ(applied[1], applied[0]);
}

TEST_F(EditorsTest, TypedSizeAppliesOnlyOnceComplete) {
    const int i = addPerson(doc, 0, 0);
    doc.NodeTable[i].description = "one two";
    TForm3 &editor = editors.personEditor();
    whenShown(
        editor,
        [&] {
            QTextEdit *field = editor.descriptionField();
            QTextCursor cursor = field->textCursor();
            cursor.setPosition(4);
            cursor.setPosition(7, QTextCursor::KeepAnchor);  // "two"
            field->setTextCursor(cursor);
            auto *size = editor.findChild<QComboBox *>("FontSize");
            QLineEdit *box = size->lineEdit();
            box->selectAll();
            auto type = [&](int key, const QString &text) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
                QApplication::sendEvent(box, &press);
            };
            type(Qt::Key_1, "1");
            EXPECT_EQ(box->text(), "1");  // not completed to "10"
            EXPECT_EQ(field->textCursor().selectedText(), "two");
            EXPECT_EQ(field->textCursor().charFormat().fontPointSize(), 10);
            type(Qt::Key_4, "4");
            type(Qt::Key_Return, "\r");
            EXPECT_EQ(field->textCursor().charFormat().fontPointSize(), 14);
            EXPECT_EQ(size->count(), 16);  // the typed size joins no list
        },
        true);
    EXPECT_TRUE(editors.NModifyClick(i, false));
    EXPECT_NE(doc.NodeTable[i].description.find("<`S=14>two"), std::string::npos)
        << doc.NodeTable[i].description;
}

TEST_F(EditorsTest, CtrlBIAndUToggleTheStylesOfTheSelectionInBothEditors) {
    const int i = addPerson(doc, 0, 0);
    doc.NodeTable[i].description = "one two";
    auto press = [](QTextEdit *field, int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::ControlModifier);
        QApplication::sendEvent(field, &event);
    };
    auto selectTwo = [](QTextEdit *field) {
        QTextCursor cursor = field->textCursor();
        cursor.setPosition(4);
        cursor.setPosition(7, QTextCursor::KeepAnchor);
        field->setTextCursor(cursor);
    };
    TForm3 &editor = editors.personEditor();
    whenShown(
        editor,
        [&] {
            QTextEdit *field = editor.descriptionField();
            selectTwo(field);
            press(field, Qt::Key_B);
            press(field, Qt::Key_I);
            press(field, Qt::Key_U);
            press(field, Qt::Key_U);  // a second press takes underline off again
            EXPECT_TRUE(editor.findChild<QToolButton *>("sbBold")->isChecked());
        },
        true);
    EXPECT_TRUE(editors.NModifyClick(i, false));
    const std::string &stored = doc.NodeTable[i].description;
    EXPECT_NE(stored.find("two"), std::string::npos) << stored;
    EXPECT_LT(stored.find("<B>"), stored.find("two")) << stored;
    EXPECT_LT(stored.find("<I>"), stored.find("two")) << stored;
    EXPECT_EQ(stored.find("<U>"), std::string::npos) << stored;
    EXPECT_LT(stored.find("one"), stored.find("<B>")) << "only the selection changes";

    LoadDescription("one two", doc.info());
    TForm7 &info = editors.infoEditor();
    whenShown(
        info,
        [&] {
            selectTwo(info.field());
            press(info.field(), Qt::Key_U);
        },
        true);
    EXPECT_TRUE(editors.N51Click());
    const std::string infoMarkup = DescriptionMarkup(doc.info());
    EXPECT_LT(infoMarkup.find("<U>"), infoMarkup.find("two")) << infoMarkup;
    EXPECT_GT(infoMarkup.find("<U>"), infoMarkup.find("one")) << infoMarkup;
}

TEST_F(EditorsTest, TypingInAParentSearchHidesTheOtherNamesAndKeepsTheIndexes) {
    addPerson(doc, 0, 0, -1, -1, std::string("Пётр"));
    addPerson(doc, 0, 0, -1, -1, std::string("Анна"));
    const int child = addPerson(doc, 0, 0, -1, -1, std::string("Иван Петрович"));
    TForm3 &editor = editors.personEditor();
    auto hiddenRows = [](QComboBox *list) {
        std::vector<int> hidden;
        auto *view = qobject_cast<QListView *>(list->view());
        for (int row = 0; row < list->count(); ++row) {
            if (view->isRowHidden(row))
                hidden.push_back(row);
        }
        return hidden;
    };
    whenShown(
        editor,
        [&] {
            EXPECT_TRUE(hiddenRows(editor.fatherList()).empty());
            editor.fatherSearch()->setText(QString::fromUtf8("ПЁТР"));
            EXPECT_EQ(hiddenRows(editor.fatherList()), (std::vector<int>{2, 3}));
            EXPECT_TRUE(hiddenRows(editor.motherList()).empty()) << "each list has its own search";
            editor.fatherSearch()->setText(QString::fromUtf8("пет"));
            EXPECT_EQ(hiddenRows(editor.fatherList()), (std::vector<int>{1, 2}));
            editor.fatherList()->setCurrentIndex(3);
            editor.fatherSearch()->clear();
            EXPECT_TRUE(hiddenRows(editor.fatherList()).empty());
            editor.fatherSearch()->setText(QString::fromUtf8("анна"));
        },
        true);
    EXPECT_TRUE(editors.NModifyClick(child, false));
    EXPECT_EQ(doc.NodeTable[child].fatherIndex, child);
    // Opened again, the search starts empty with the whole list.
    whenShown(
        editor,
        [&] {
            EXPECT_TRUE(editor.fatherSearch()->text().isEmpty());
            EXPECT_TRUE(hiddenRows(editor.fatherList()).empty());
        },
        false);
    EXPECT_FALSE(editors.NModifyClick(child, false));
}

TEST_F(EditorsTest, InformationEditorCancelRestoresFormatting) {
    const std::string markup = std::string("<`S=14><`F=Arial><`C=255><B>Род</B>\r\n<C>центр");
    LoadDescription(markup, doc.info());
    const std::string before = DescriptionMarkup(doc.info());
    TForm7 &editor = editors.infoEditor();
    whenShown(
        editor,
        [&] {
            editor.field()->selectAll();
            editor.field()->setFontItalic(true);
            editor.field()->setAlignment(Qt::AlignRight);
        },
        false);
    EXPECT_FALSE(editors.N51Click());
    EXPECT_EQ(DescriptionMarkup(doc.info()), before);
    EXPECT_FALSE(doc.DocumentModified);
    whenShown(
        editor, [] {}, true);
    EXPECT_TRUE(editors.N51Click());
    EXPECT_TRUE(doc.DocumentModified);
}

}  // namespace

namespace {

/// Every text of a window that a language file can replace.
QStringList VisibleTexts(QWidget *window) {
    QStringList texts{window->windowTitle()};
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        texts << button->text() + '|' + button->toolTip();
    for (QLabel *label : window->findChildren<QLabel *>())
        texts << label->text();
    for (QGroupBox *group : window->findChildren<QGroupBox *>())
        texts << group->title();
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>())
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    for (QComboBox *list : window->findChildren<QComboBox *>())
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
    for (QAction *action : window->findChildren<QAction *>())
        texts << action->text();
    for (FileDialogFilter *filter : window->findChildren<FileDialogFilter *>())
        texts << filter->filter();
    return texts;
}

TEST(EditorLanguages, RussianRepeatsTheBuiltInTextsAndEnglishTranslates) {
    const QString directory = QCoreApplication::applicationDirPath();
    IniFile russian;
    IniFile english;
    ASSERT_TRUE(russian.load(directory + "/Russian.lng").ok());
    ASSERT_TRUE(english.load(directory + "/English.lng").ok());
    Document doc;
    DocumentSession session{doc};
    MessageTable messages;
    ScriptedPrompts prompts;
    ElementEditors editors(session, prompts, messages, nullptr);
    for (QWidget *window : editors.windows()) {
        const QStringList before = VisibleTexts(window);
        TranslateForm(window, russian);
        EXPECT_EQ(VisibleTexts(window), before) << window->objectName().toStdString();
        TranslateForm(window, english);
        EXPECT_NE(VisibleTexts(window), before) << window->objectName().toStdString();
    }
    // The comment editor's own menu and the media add dialog's file types.
    Tfcomment *comment = editors.personEditor().findChild<Tfcomment *>();
    ASSERT_NE(comment, nullptr);
    const struct {
        const char *name;
        const char *text;
        QKeyCombination key;
    } items[] = {{"NCopy", "Copy", Qt::CTRL | Qt::Key_Insert},
                 {"NPaste", "Paste", Qt::SHIFT | Qt::Key_Insert},
                 {"NCut", "Cut", Qt::SHIFT | Qt::Key_Delete}};
    for (const auto &item : items) {
        QAction *action = comment->findChild<QAction *>(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), item.text);
        EXPECT_EQ(action->shortcut(), QKeySequence(item.key));
    }
    for (QWidget *window : {static_cast<QWidget *>(&editors.personEditor()),
                            static_cast<QWidget *>(&editors.eventEditor())}) {
        const QStringList types =
            window->findChild<FileDialogFilter *>("OpenDialog1")->nameFilters();
        ASSERT_EQ(types.size(), 16);
        EXPECT_EQ(types[1].left(12), "All pictures");
    }
}

}  // namespace
