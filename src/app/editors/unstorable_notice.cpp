#include "editors/unstorable_notice.h"

#include "common/prompts.h"

namespace kinvarro {

void TellUnstorable(Prompts &prompts, const QString &characters) {
    prompts.tell(MessageIcon::Error, QStringLiteral("Kinvarro"),
                 QStringLiteral("Эти символы нельзя сохранить в кодировке Windows-1251, "
                                "замените или удалите их:\n") +
                     characters);
}

}  // namespace kinvarro
