#pragma once

#include <QString>

namespace kinvarro {

class MessageTable;
class Prompts;

/// True when `file` does not exist or the user agrees to replace it; the
/// question names the file as it will really be written.
bool confirmReplaceFile(Prompts &prompts, const MessageTable &messages, const QString &file);

}  // namespace kinvarro
