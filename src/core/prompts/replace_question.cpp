#include "prompts/replace_question.h"

#include <QDir>
#include <QFileInfo>

#include "prompts/prompts.h"
#include "settings/message_table.h"

namespace kinvarro {

bool confirmReplaceFile(Prompts &prompts, const MessageTable &messages, const QString &file) {
    if (!QFileInfo::exists(file))
        return true;
    return prompts.ask(messages.text(Msg::mKinvarro),
                       messages.text(Msg::mReplaceExisting).arg(QDir::toNativeSeparators(file)),
                       false) == Answer::Yes;
}

}  // namespace kinvarro
