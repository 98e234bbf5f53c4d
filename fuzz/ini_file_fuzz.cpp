// Any bytes parse as an INI file; once written back, the file parses to the
// same content; a value written under a key reads back unchanged.
#include <cstdint>

#include "fuzz_support.h"
#include "settings/ini_file.h"

using namespace kinvarro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes = fuzz::Bytes(data, size);
    IniFile ini = IniFile::fromBytes(bytes);
    const QByteArray written = ini.toBytes();
    if (IniFile::fromBytes(written).toBytes() != written)
        fuzz::Broken("a written INI file parses to other content");

    // The first line as a value in any script (read as UTF-8): line breaks are
    // what a value cannot hold.
    const QByteArray line =
        bytes.left(bytes.indexOf('\n') < 0 ? bytes.size() : bytes.indexOf('\n'));
    QString value = QString::fromUtf8(line);
    value.remove(u'\r');
    value.truncate(IniFile::kMaxValueLength -
                   (value.size() > IniFile::kMaxValueLength &&
                    value[IniFile::kMaxValueLength - 1].isHighSurrogate()));
    ini.writeString(QStringLiteral("Fuzz"), QStringLiteral("Value"), value);
    if (ini.readString(u"Fuzz", u"Value", QString()) != value)
        fuzz::Broken("a written value reads back otherwise");
    const IniFile reread = IniFile::fromBytes(ini.toBytes());
    if (reread.readString(u"Fuzz", u"Value", QString()) != value)
        fuzz::Broken("a saved value reads back otherwise");
    return 0;
}
