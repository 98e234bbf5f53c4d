#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "settings/machine_store.h"
#include "store_fixture.h"

using namespace kinvarro;

namespace {

class MachineStoreTest : public test::TemporaryConfigHome {
  protected:
    void writeStoreFile(const char *text) {
        ASSERT_TRUE(QDir(configHome()).mkpath(QStringLiteral("kinvarro")));
        QFile file(configHome() + QStringLiteral("/kinvarro/kinvarro.conf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
};

}  // namespace

TEST_F(MachineStoreTest, StartsEmpty) {
    const MachineStore store;
    EXPECT_EQ(store.filePath(), configHome() + QStringLiteral("/kinvarro/kinvarro.conf"));
    EXPECT_EQ(store.language(), QString());
    const StoredPlacement placement = store.placement();
    EXPECT_FALSE(placement.x || placement.y || placement.width || placement.height);
    for (const QString &path : store.history())
        EXPECT_EQ(path, QString());
}

TEST_F(MachineStoreTest, ValuesSurviveARestart) {
    const std::array<QString, MachineStore::kHistorySize> history = {
        QString::fromUtf8("/home/анна/Семья.kvr"), QStringLiteral("/data/a, b; c=d.kvr"),
        QStringLiteral(" /padded.ged "), QString(), QStringLiteral("/x.kvr")};
    {
        MachineStore store;
        store.setLanguage(QString::fromUtf8("Русский"));
        store.setPlacement(0, -4, 700, 500);
        store.setHistory(history);
    }
    EXPECT_TRUE(QFileInfo::exists(configHome() + QStringLiteral("/kinvarro/kinvarro.conf")));

    const MachineStore store;
    EXPECT_EQ(store.language(), QString::fromUtf8("Русский"));
    const StoredPlacement placement = store.placement();
    EXPECT_EQ(placement.x, 0);  // stored zero, not missing
    EXPECT_EQ(placement.y, -4);
    EXPECT_EQ(placement.width, 700);
    EXPECT_EQ(placement.height, 500);
    EXPECT_EQ(store.history(), history);
}

// Paths in any script come back as they were after a restart, in a store file
// that holds them as UTF-8.
TEST_F(MachineStoreTest, PathsOfAnyScriptSurviveARestart) {
    const QString recent = QString::fromUtf8("/tmp/Zoë/Łódź/家族.kvr");
    const std::array<QString, MachineStore::kHistorySize> history = {
        recent, QString::fromUtf8("/home/Σωκράτης/אברהם.ged"), QString::fromUtf8("/d/𐌰.kvr"),
        QString::fromUtf8("/home/анна/Семья.kvr"), QString()};
    {
        MachineStore store;
        store.setHistory(history);
        store.setLastFolder(QString::fromUtf8("/tmp/Zoë/Łódź"));
    }
    const MachineStore store;
    EXPECT_EQ(store.history(), history);
    EXPECT_EQ(store.lastFolder(), QString::fromUtf8("/tmp/Zoë/Łódź"));
    QFile file(store.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains(recent.toUtf8())) << bytes.toStdString();
}

TEST_F(MachineStoreTest, MissingOrBrokenPlacementValuesStayUnknown) {
    writeStoreFile("[General]\nX=10\ndX=wide\n");
    const StoredPlacement placement = MachineStore().placement();
    EXPECT_EQ(placement.x, 10);
    EXPECT_FALSE(placement.y);
    EXPECT_FALSE(placement.width);
    EXPECT_FALSE(placement.height);
}

TEST_F(MachineStoreTest, HistoryIsReplacedWholeAndCut) {
    MachineStore store;
    store.setHistory({QStringLiteral("/1.kvr"), QStringLiteral("/2.kvr"), QStringLiteral("/3.kvr"),
                      QStringLiteral("/4.kvr"), QStringLiteral("/5.kvr")});
    const QString longPath = QStringLiteral("/") + QString(600, u'p');
    store.setHistory({longPath, QString(), QString(), QString(), QString()});

    const auto history = MachineStore().history();
    EXPECT_EQ(history[0], longPath.left(MachineStore::kMaxHistoryLength));
    for (std::size_t i = 1; i < history.size(); ++i)
        EXPECT_EQ(history[i], QString()) << i;
}

TEST_F(MachineStoreTest, AnUnusableLocationIsIgnored) {
    // A file where the folder should be: nothing can be stored, and nothing breaks.
    writeStoreFile("");
    const QString blocker = configHome() + QStringLiteral("/kinvarro");
    ASSERT_TRUE(QDir(blocker).removeRecursively());
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    MachineStore store;
    store.setLanguage(QStringLiteral("English"));
    store.setPlacement(1, 2, 3, 4);
    EXPECT_EQ(MachineStore().language(), QString());
    EXPECT_FALSE(MachineStore().placement().x);
}
