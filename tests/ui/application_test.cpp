#include <gtest/gtest.h>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "application.h"
#include "settings/store_fixture.h"
#include "ui/main_window.h"

using namespace kinvarro;

namespace {

// The shipped language files lie next to this test binary.
QString shippedLanguage(const char *name) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(name));
}

// Start-up registers the file type under the data home: keep it in a temporary folder.
class ApplicationTest : public kinvarro::test::TemporaryConfigHome {
  protected:
    void SetUp() override {
        TemporaryConfigHome::SetUp();
        savedDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    }
    void TearDown() override {
        qputenv("XDG_DATA_HOME", savedDataHome);
        TemporaryConfigHome::TearDown();
    }

    QTemporaryDir programFolder;
    QTemporaryDir dataHome;
    QByteArray savedDataHome;
};

}  // namespace

TEST_F(ApplicationTest, WithoutLanguageFilesTheBuiltInTextsStayAndTheLanguageItemIsHidden) {
    MachineStore store;
    KinvarroApplication app(programFolder.path(), store);
    ASSERT_TRUE(app.start());
    EXPECT_FALSE(app.mainWindow().menus().NLanguage->isVisible());
    EXPECT_EQ(app.mainWindow().menus().N24->text(), QString::fromUtf8("Создать"));
    EXPECT_EQ(app.messages().text(Msg::mSaveChanges), QString::fromUtf8("Сохранить изменения"));
    EXPECT_TRUE(store.language().isEmpty());

    QFile entry(dataHome.filePath("applications/kinvarro.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QByteArray desktop = entry.readAll();
    EXPECT_TRUE(desktop.contains("MimeType=application/x-kinvarro;"));
    EXPECT_TRUE(desktop.contains("\" %f\n"));
    EXPECT_TRUE(QFile::exists(dataHome.filePath("mime/packages/kinvarro.xml")));
}

TEST_F(ApplicationTest, TheOnlyLanguageIsChosenWithoutAskingAndTranslatesTheWindows) {
    for (const char *file : {"English.lng", "English.bmp"}) {
        ASSERT_TRUE(
            QFile::copy(shippedLanguage(file), programFolder.filePath(QString::fromLatin1(file))));
    }
    MachineStore store;
    KinvarroApplication app(programFolder.path(), store);
    ASSERT_TRUE(app.start());
    EXPECT_EQ(store.language(), "English");
    EXPECT_EQ(app.mainWindow().menus().N24->text(), "New");
    EXPECT_EQ(app.mainWindow().menus().Nmashtab->text(), "&Zoom (100%)");
    EXPECT_EQ(app.messages().text(Msg::mSaveChanges), "Save changes");
    EXPECT_EQ(app.mainWindow().windowTitle(), "Kinvarro");
}
