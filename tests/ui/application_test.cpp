#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include "application.h"
#include "hints/statistic_box.h"
#include "model/document.h"
#include "settings/store_fixture.h"
#include "ui/about_box.h"
#include "ui/file_type_registration.h"
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

// Takes the file addresses the program hands to the system's open action.
class OpenedFiles : public QObject {
    Q_OBJECT
  public:
    OpenedFiles() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~OpenedFiles() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QStringList paths;

  public slots:
    void open(const QUrl &url) { paths << url.toLocalFile(); }
};

}  // namespace

TEST_F(ApplicationTest, HelpOpensThePageOfTheLanguageOrTheCommonOne) {
    for (const char *file : {"English.lng", "English.bmp"}) {
        ASSERT_TRUE(
            QFile::copy(shippedLanguage(file), programFolder.filePath(QString::fromLatin1(file))));
    }
    MachineStore store;
    KinvarroApplication app(programFolder.path(), store);
    ASSERT_TRUE(app.start());
    OpenedFiles opened;
    // Without a page the program says so; the message is closed as a user would.
    QString told;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            told = box->text();
            box->accept();
        }
    });
    app.mainWindow().menus().N8->trigger();
    EXPECT_TRUE(opened.paths.isEmpty());
    EXPECT_FALSE(told.isEmpty());

    for (const char *page : {"kinvarro.htm", "English.htm"}) {
        QFile file(programFolder.filePath(QString::fromLatin1(page)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        app.mainWindow().menus().N8->trigger();
    }
    EXPECT_EQ(opened.paths, (QStringList{programFolder.filePath("kinvarro.htm"),
                                         programFolder.filePath("English.htm")}));
    EXPECT_EQ(app.mainWindow().menus().N8->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(ApplicationTest, StatisticsShowTheCountsOfTheOpenDocument) {
    MachineStore store;
    KinvarroApplication app(programFolder.path(), store);
    ASSERT_TRUE(app.start());
    Document chart;
    tnode man, event;
    event.kind = kHistoricalEvent;
    chart.NodeTable.append(man);
    chart.NodeTable.append(event);
    app.mainWindow().session().replaceDocument(chart, false);
    QStringList shown;
    QTimer::singleShot(0, [&] {
        for (const char *name : {"emen", "ewomen", "eother", "etotal"})
            shown << app.statisticBox().findChild<QLabel *>(name)->text();
        app.statisticBox().accept();
    });
    app.mainWindow().menus().item("NStatistic")->trigger();
    EXPECT_EQ(shown, (QStringList{"1", "0", "1", "2"}));
    EXPECT_EQ(app.statisticBox().windowTitle(), QString::fromUtf8("Статистика"));
}

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

// The package ships the desktop entry and the file type.
TEST_F(ApplicationTest, InstalledItWritesNoDesktopFiles) {
    MachineStore store;
    KinvarroApplication app(programFolder.path(), store, ProgramLayout::Installed);
    ASSERT_TRUE(app.start());
    EXPECT_TRUE(QDir(dataHome.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
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
    EXPECT_EQ(app.mainWindow().windowTitle(), "Kinvarro[*]");
}

#include "application_test.moc"

// The desktop databases are refreshed once per change of the registration, with the tools found.
TEST_F(ApplicationTest, RegistrationRefreshesOnlyTheDatabasesItChanged) {
    const QString data = dataHome.path();
    const auto everyTool = [](const QString &tool) { return QStringLiteral("/usr/bin/") + tool; };
    const auto noTool = [](const QString &) { return QString(); };

    const FileTypeRegistration first = RegisterFileType(QStringLiteral("/opt/k/kinvarro"), data);
    EXPECT_TRUE(first.complete);
    const std::vector<DesktopToolRun> runs = DesktopDatabaseRefreshes(first, data, everyTool);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].program, "/usr/bin/update-mime-database");
    EXPECT_EQ(runs[0].arguments, QStringList{data + "/mime"});
    EXPECT_EQ(runs[1].program, "/usr/bin/update-desktop-database");
    EXPECT_EQ(runs[1].arguments, QStringList{data + "/applications"});
    EXPECT_TRUE(DesktopDatabaseRefreshes(first, data, noTool).empty());

    const FileTypeRegistration again = RegisterFileType(QStringLiteral("/opt/k/kinvarro"), data);
    EXPECT_TRUE(again.complete);
    EXPECT_TRUE(DesktopDatabaseRefreshes(again, data, everyTool).empty()) << "nothing was written";

    // Another program path changes only the entry.
    const FileTypeRegistration moved = RegisterFileType(QStringLiteral("/opt/j/kinvarro"), data);
    const std::vector<DesktopToolRun> entryOnly = DesktopDatabaseRefreshes(moved, data, everyTool);
    ASSERT_EQ(entryOnly.size(), 1u);
    EXPECT_EQ(entryOnly[0].program, "/usr/bin/update-desktop-database");
}

// Qt's own texts (question-box buttons, file dialogs) follow the interface language.
TEST_F(ApplicationTest, QtsOwnTextsSpeakTheChosenLanguage) {
    const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    for (const char *language : {"Russian.lng", "English.lng"}) {
        QTemporaryDir folder;
        ASSERT_TRUE(
            QFile::copy(shippedLanguage(language), folder.filePath(QString::fromLatin1(language))));
        MachineStore store;
        KinvarroApplication app(folder.path(), store);
        ASSERT_TRUE(app.start());
        if (QString::fromLatin1(language) == "Russian.lng") {
            EXPECT_EQ(yes(), QString::fromUtf8("&Да"));
        } else {
            EXPECT_EQ(yes(), "&Yes");
        }
    }
    EXPECT_EQ(yes(), "&Yes") << "the catalog goes with the application";
}

TEST_F(ApplicationTest, TheAboutBoxSpeaksTheChosenLanguage) {
    const struct {
        const char *language;
        const char *version;
    } cases[] = {{nullptr, "Версия "}, {"English.lng", "Version "}};
    for (const auto &c : cases) {
        QTemporaryDir folder;
        if (c.language) {
            ASSERT_TRUE(QFile::copy(shippedLanguage(c.language),
                                    folder.filePath(QString::fromLatin1(c.language))));
        }
        MachineStore store;
        KinvarroApplication app(folder.path(), store);
        ASSERT_TRUE(app.start());
        app.aboutBox().show();
        const QLabel *version = app.aboutBox().findChild<QLabel *>("Label3");
        ASSERT_NE(version, nullptr);
        const QString prefix = QString::fromUtf8(c.version);
        EXPECT_TRUE(version->text().startsWith(prefix)) << version->text().toStdString();
        EXPECT_GT(version->text().size(), prefix.size()) << "the version number follows";
        app.aboutBox().hide();
    }
}
