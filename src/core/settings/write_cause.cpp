#include "settings/write_cause.h"

#include <QFileDevice>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "settings/message_table.h"

namespace kinvarro {

void ClearSystemCause() {
    errno = 0;
}

QString SystemCauseText(const MessageTable &messages, int error) {
    switch (error) {
        case 0:
            return {};
        case ENOSPC:
            return messages.text(Msg::mCauseNoSpace);
        case EACCES:
        case EPERM:
            return messages.text(Msg::mCauseAccessDenied);
        case EROFS:
            return messages.text(Msg::mCauseReadOnlyDisk);
        case EDQUOT:
            return messages.text(Msg::mCauseQuota);
        case ENOENT:
            return messages.text(Msg::mCauseNoSuchPath);
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}

bool CommitSave(QSaveFile &file) {
    return file.flush() && file.commit();
}

QString WriteCause(const MessageTable &messages, const QFileDevice &file) {
    return WriteCause(messages, file, errno);
}

QString WriteCause(const MessageTable &messages, const QFileDevice &file, int error) {
    const QString cause = SystemCauseText(messages, error);
    return cause.isEmpty() ? file.errorString() : cause;
}

}  // namespace kinvarro
