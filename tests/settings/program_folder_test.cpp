#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settings/program_folder.h"

using namespace kinvarro;

namespace {

void touch(const QString &path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

}  // namespace

// The build tree keeps the data files beside the executable; an install keeps them in
// share/kinvarro beside the bin folder.
TEST(ProgramFolder, IsTheExecutablesFolderOrTheInstalledDataFolder) {
    const struct {
        const char *name;
        const char *besideExecutable;  // a file in bin/, or nullptr
        bool installedFolder;          // share/kinvarro exists
        const char *expected;          // relative to the root
    } cases[] = {
        {"build tree", "English.lng", false, "bin"},
        {"build tree wins over an install", "English.lng", true, "bin"},
        {"language file in capitals", "ENGLISH.LNG", true, "bin"},
        {"installed", nullptr, true, "share/kinvarro"},
        {"other files do not count", "kinvarro.htm", true, "share/kinvarro"},
        {"nothing anywhere", nullptr, false, "bin"},
    };
    for (const auto &c : cases) {
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        const QDir dir(root.path());
        ASSERT_TRUE(dir.mkpath(QStringLiteral("bin")));
        if (c.besideExecutable)
            touch(dir.filePath(QStringLiteral("bin/") + QLatin1String(c.besideExecutable)));
        if (c.installedFolder) {
            ASSERT_TRUE(dir.mkpath(QStringLiteral("share/kinvarro")));
        }
        const ProgramFolder folder = FindProgramFolder(dir.filePath(QStringLiteral("bin")));
        EXPECT_EQ(folder.path, QDir(dir.filePath(QLatin1String(c.expected))).absolutePath())
            << c.name;
        const bool installed = QLatin1String(c.expected) != QLatin1String("bin");
        EXPECT_EQ(folder.layout, installed ? ProgramLayout::Installed : ProgramLayout::BuildTree)
            << c.name;
    }
}
