#include <gtest/gtest.h>

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "model/document.h"
#include "persistence/native_format.h"
#include "settings/message_table.h"
#include "settings/write_cause.h"

using namespace kinvarro;

namespace {

TEST(WriteCause, CommonCausesAreTranslatedOthersKeepTheSystemsWords) {
    const MessageTable messages;
    struct Case {
        int error;
        QString expected;
    };
    const Case cases[] = {
        {ENOSPC, messages.text(Msg::mCauseNoSpace)},
        {EACCES, messages.text(Msg::mCauseAccessDenied)},
        {EPERM, messages.text(Msg::mCauseAccessDenied)},
        {EROFS, messages.text(Msg::mCauseReadOnlyDisk)},
        {EDQUOT, messages.text(Msg::mCauseQuota)},
        {ENOENT, messages.text(Msg::mCauseNoSuchPath)},
        {EIO, QString::fromLocal8Bit(std::strerror(EIO))},
        {0, QString()},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(SystemCauseText(messages, c.error), c.expected) << c.error;
        EXPECT_FALSE(c.error != 0 && c.expected.isEmpty()) << c.error;
    }
    // Without the system's reason the file's own text stands.
    QSaveFile file(QStringLiteral("/nonexistent-folder/x"));
    EXPECT_EQ(WriteCause(messages, file, 0), file.errorString());
}

TEST(WriteCause, AFailedSaveNamesTheSystemsReason) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Document doc;
    const MessageTable &m = doc.messages();
    struct Case {
        QString path;
        QString cause;
    };
    const Case cases[] = {
        {dir.filePath(QStringLiteral("missing/a.kvr")), m.text(Msg::mCauseNoSuchPath)},
        {dir.filePath(QStringLiteral("file/a.kvr")),
         QString::fromLocal8Bit(std::strerror(ENOTDIR))},
    };
    for (const Case &c : cases) {
        const Status st = WriteDocument(c.path, doc);
        ASSERT_FALSE(st.ok());
        EXPECT_EQ(st.message(), FileProblemText(m, Msg::mCannotWrite, c.path, c.cause));
    }
}

}  // namespace
