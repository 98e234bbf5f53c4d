// Any bytes as a language file: every message gets a text, and loading the
// same file twice gives the same table.
#include <cstdint>

#include "fuzz_support.h"
#include "settings/ini_file.h"
#include "settings/language_files.h"
#include "settings/message_table.h"

using namespace kinvarro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const IniFile file = IniFile::fromBytes(fuzz::Bytes(data, size));
    MessageTable first;
    MessageTable second;
    LoadMessages(first, file);
    LoadMessages(second, file);
    LoadMessages(second, file);
    for (int i = 0; i < kMessageCount; ++i) {
        const QString text = first.text(Msg(i));
        if (text != second.text(Msg(i)))
            fuzz::Broken("loading a language file twice changes a message");
        if (text.size() > IniFile::kMaxValueLength && text != MessageTable::defaultText(Msg(i)))
            fuzz::Broken("a message is longer than a value can be");
    }
    return 0;
}
