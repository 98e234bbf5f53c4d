#pragma once

#include <QStringView>
#include <string>

namespace kinvarro {

/// Windows-1251 bytes of `text`, composed (NFC) first. A character the code
/// page lacks becomes its compatibility decomposition without combining
/// marks when all of that fits (é gives e), else a fixed Latin spelling for a
/// few letters (ß gives ss), else "?"; a combining mark left alone is
/// dropped. `changed`, when given, grows by the number of characters so
/// replaced or dropped.
std::string storeAsCp1251(QStringView text, long long *changed = nullptr);

}  // namespace kinvarro
