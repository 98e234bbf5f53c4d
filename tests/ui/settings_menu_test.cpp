#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <map>
#include <set>

#include "persistence/native_format.h"
#include "scripted_prompts.h"
#include "settings/ini_file.h"
#include "settings/machine_store.h"
#include "settings/store_fixture.h"
#include "test_support.h"
#include "ui/colour_dialog.h"
#include "ui/font_dialog.h"
#include "ui/main_window.h"
#include "ui/translate_form.h"

using namespace kinvarro;
using kinvarro::test::addPerson;
using kinvarro::test::ScriptedPrompts;

namespace {

const char *const kMarked[] = {"NAsIs",          "NTile",         "NStretch",    "Nnopicture",
                               "NLineWidth1",    "NLineWidth2",   "NLineWidth3", "NLineWidth0",
                               "NShowHLines",    "NShowVLines",   "NGridAlign",  "NShowShadow",
                               "NtimeLinesShow", "NPositionLines"};

class SettingsMenuTest : public kinvarro::test::TemporaryConfigHome {
  protected:
    void SetUp() override {
        TemporaryConfigHome::SetUp();
        store = std::make_unique<MachineStore>();
        window = std::make_unique<TForm1>(messages, *store, prompts);
    }

    // The names of the checked items among those that show settings.
    std::set<std::string> checked() const {
        std::set<std::string> names;
        for (const char *name : kMarked) {
            QAction *item = window->menus().item(name);
            EXPECT_NE(item, nullptr) << name;
            if (item && item->isChecked())
                names.insert(name);
        }
        return names;
    }

    void trigger(const char *name) { window->menus().item(name)->trigger(); }

    MessageTable messages;
    ScriptedPrompts prompts;
    std::unique_ptr<MachineStore> store;
    std::unique_ptr<TForm1> window;
};

const std::set<std::string> kDefaultMarks{"Nnopicture", "NLineWidth1", "NShowShadow",
                                          "NtimeLinesShow"};

TEST_F(SettingsMenuTest, MarksFollowCommandsUndoAndRedo) {
    EXPECT_EQ(checked(), kDefaultMarks);
    trigger("NLineWidth3");
    trigger("NShowShadow");
    trigger("NGridAlign");
    trigger("NPositionLines");
    const std::set<std::string> changed{"Nnopicture", "NLineWidth3", "NGridAlign", "NtimeLinesShow",
                                        "NPositionLines"};
    EXPECT_EQ(checked(), changed);
    EXPECT_EQ(window->document().settings.lineWidth, 3);
    EXPECT_TRUE(window->document().settings.alignToGrid);

    QUndoStack &history = window->session().undoStack();
    for (int i = 0; i < 4; ++i)
        history.undo();
    EXPECT_EQ(checked(), kDefaultMarks);
    EXPECT_FALSE(window->session().modified());
    for (int i = 0; i < 4; ++i)
        history.redo();
    EXPECT_EQ(checked(), changed);

    // Choosing the item that is already chosen changes nothing and keeps its mark.
    trigger("NLineWidth3");
    EXPECT_EQ(checked(), changed);
    EXPECT_EQ(history.count(), 4);
}

TEST_F(SettingsMenuTest, MarksFollowAnOpenedDocumentAndNew) {
    Document doc;
    addPerson(doc, 0, 0);
    DocumentSettings &s = doc.settings;
    s.backgroundPicture = QImage(8, 8, QImage::Format_RGB32);
    s.backgroundPicture.fill(Qt::gray);
    s.pictureMode = PictureMode::Stretch;
    s.lineWidth = 0;
    s.showHGrid = s.showVGrid = s.alignToGrid = s.showGuides = true;
    s.showShadow = s.showTimeLines = false;
    const QString path = configHome() + QStringLiteral("/marks.kvr");
    ASSERT_TRUE(WriteDocument(path, doc).ok());

    window->fileCommands().openPath(path);
    EXPECT_EQ(checked(), (std::set<std::string>{"NStretch", "NLineWidth0", "NShowHLines",
                                                "NShowVLines", "NGridAlign", "NPositionLines"}));
    window->menus().N24->trigger();
    EXPECT_EQ(checked(), kDefaultMarks);
}

TEST_F(SettingsMenuTest, ResetShowsTheDefaultsAtFullSize) {
    prompts.colours.push_back(0x00FF00);
    trigger("NColor");
    trigger("NShowVLines");
    window->session().setScale(2.5f);
    trigger("N20");
    EXPECT_EQ(checked(), kDefaultMarks);
    EXPECT_EQ(window->document().settings.backgroundColor, 0xE6E6E6);
    EXPECT_EQ(window->menus().Nmashtab->text(), ScaleCaption(messages, 100));
    EXPECT_TRUE(window->session().modified());
}

TEST(FontDialog, AcceptingUnchangedKeepsTheAskedFaceAndTakesTheChosenColour) {
    TfFont dialog([](TColor) { return std::optional<TColor>(0x00FF00); });
    QFont asked(QStringLiteral("Arial Cyr"));
    asked.setPointSize(10);
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_EQ(dialog.lbFaces->currentItem()->text(), "Arial Cyr");
        dialog.bColour->click();
        dialog.cbUnderline->click();
        dialog.bOk->click();
    });
    const std::optional<FontChoice> chosen = dialog.choose(FontChoice{asked, 0x000000});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->font.family(), "Arial Cyr");
    EXPECT_EQ(chosen->font.pointSize(), 10);
    EXPECT_TRUE(chosen->font.underline());
    EXPECT_EQ(chosen->colour, 0x00FF00);

    QTimer::singleShot(0, &dialog, [&] { dialog.reject(); });
    EXPECT_FALSE(dialog.choose(FontChoice{asked, 0}));
}

TEST(ColourDialog, TheShortFormWidensOnRequest) {
    TfColour dialog;
    auto *widen = dialog.findChild<QPushButton *>(QStringLiteral("bDefineColours"));
    ASSERT_NE(widen, nullptr);
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_FALSE(dialog.isFull());
        EXPECT_TRUE(widen->isVisible());
        widen->click();
        EXPECT_TRUE(dialog.isFull());
        EXPECT_FALSE(widen->isVisible());
        dialog.accept();
    });
    EXPECT_EQ(dialog.choose(0x123456, ColourDialogForm::Short), 0x123456);

    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(dialog.isFull());
        EXPECT_FALSE(widen->isVisible());
        dialog.reject();
    });
    EXPECT_EQ(dialog.choose(0x123456, ColourDialogForm::Full), std::nullopt);
}

TEST(SettingsDialogLanguages, RussianRepeatsTheBuiltInTextsAndEnglishTranslates) {
    const QString directory = QCoreApplication::applicationDirPath();
    IniFile russian;
    IniFile english;
    ASSERT_TRUE(russian.load(directory + "/Russian.lng").ok());
    ASSERT_TRUE(english.load(directory + "/English.lng").ok());
    TfFont font([](TColor) { return std::nullopt; });
    TfColour colour;
    const auto texts = [](QWidget *window) {
        std::map<QString, QString> named{{window->objectName(), window->windowTitle()}};
        for (QLabel *label : window->findChildren<QLabel *>())
            named[label->objectName()] = label->text();
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
            named[button->objectName()] = button->text();
        return named;
    };
    for (QWidget *window : {static_cast<QWidget *>(&font), static_cast<QWidget *>(&colour)}) {
        const auto before = texts(window);
        TranslateForm(window, russian);
        EXPECT_EQ(texts(window), before) << window->objectName().toStdString();
        TranslateForm(window, english);
        EXPECT_NE(texts(window), before) << window->objectName().toStdString();
    }
    EXPECT_EQ(font.windowTitle(), "Font");
    EXPECT_EQ(font.cbStrikeOut->text(), "Stri&keout");
    EXPECT_EQ(colour.findChild<QLabel *>(QStringLiteral("LabelBasic"))->text(), "&Basic colours");
}

}  // namespace
