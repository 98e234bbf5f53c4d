#include "persistence/recovery_offer.h"

#include <QFileInfo>

#include "persistence/file_commands.h"
#include "settings/message_table.h"

namespace kinvarro {

QString recoveryLine(const MessageTable &messages, const AutosaveEntry &entry) {
    const QString name = entry.originalPath.isEmpty() ? messages.text(Msg::mUntitledChart)
                                                      : QFileInfo(entry.originalPath).fileName();
    return messages.text(Msg::mRecoveryLine)
        .arg(name, entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
             QString::number(entry.changes));
}

bool offerRecovery(std::vector<AutosaveEntry> leftovers, RecoveryPrompt &prompt,
                   FileCommands &commands, const MessageTable &messages) {
    while (!leftovers.empty()) {
        QStringList lines;
        for (const AutosaveEntry &entry : leftovers)
            lines << recoveryLine(messages, entry);
        const RecoveryChoice choice = prompt.chooseRecovery(
            messages.text(Msg::mRecoveryTitle), messages.text(Msg::mRecoveryText), lines);
        if (choice.action == RecoveryChoice::Action::Later || choice.index < 0 ||
            choice.index >= int(leftovers.size()))
            return false;
        const AutosaveEntry entry = leftovers[std::size_t(choice.index)];
        // A copy that cannot be read stays on disk for the user to look at.
        if (choice.action == RecoveryChoice::Action::Recover) {
            if (commands.openRecovered(entry))
                return true;
        } else {
            removeAutosave(entry.file);
        }
        leftovers.erase(leftovers.begin() + choice.index);
    }
    return false;
}

}  // namespace kinvarro
