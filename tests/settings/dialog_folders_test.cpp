#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "settings/dialog_folders.h"
#include "settings/machine_store.h"
#include "store_fixture.h"

using namespace kinvarro;

namespace {

class DialogFoldersTest : public test::TemporaryConfigHome {
  protected:
    void SetUp() override {
        TemporaryConfigHome::SetUp();
        ASSERT_TRUE(files.isValid());
        documents = files.filePath(QStringLiteral("Документы"));
        chosen = files.filePath(QStringLiteral("семья"));
        ASSERT_TRUE(QDir().mkpath(documents));
        ASSERT_TRUE(QDir().mkpath(chosen));
    }

    QTemporaryDir files;
    QString documents;
    QString chosen;
};

}  // namespace

TEST_F(DialogFoldersTest, StartInTheDocumentsFolderUntilAFileIsChosen) {
    MachineStore store;
    DialogFolders folders(store, documents);
    EXPECT_EQ(folders.start(), documents);
    folders.chosen(QString());
    EXPECT_EQ(folders.start(), documents) << "a cancelled dialog remembers nothing";
    folders.chosen(chosen + QStringLiteral("/Иванов.kvr"));
    EXPECT_EQ(folders.start(), chosen);
}

TEST_F(DialogFoldersTest, TheLastFolderSurvivesARestartWhileItExists) {
    {
        MachineStore store;
        DialogFolders(store, documents).chosen(chosen + QStringLiteral("/tree.ged"));
    }
    MachineStore store;
    EXPECT_EQ(store.lastFolder(), chosen);
    EXPECT_EQ(DialogFolders(store, documents).start(), chosen);
    ASSERT_TRUE(QDir(chosen).removeRecursively());
    EXPECT_EQ(DialogFolders(store, documents).start(), documents);
}

TEST_F(DialogFoldersTest, WithoutAGivenFolderTheUsersOwnFoldersAreUsed) {
    MachineStore store;
    const QString start = DialogFolders(store).start();
    EXPECT_FALSE(start.isEmpty());
    EXPECT_TRUE(QDir(start).exists());
}
