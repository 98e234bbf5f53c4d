#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace kinvarro {

/// Document text is Windows-1251 bytes; these convert at the Qt boundary.
QString fromCp1251(std::string_view bytes);

/// Converts to Windows-1251. Characters the code page cannot hold become '?';
/// when `unmappable` is given it receives each such character once, in order.
std::string toCp1251(QStringView text, QString *unmappable = nullptr);

/// The UTF-8 bytes of Windows-1251 text, converted byte by byte without a
/// detour through QString, in a string of their exact length.
std::string cp1251ToUtf8(std::string_view bytes);

/// True when every character of `text` has a Windows-1251 byte.
bool fitsCp1251(QStringView text);

}  // namespace kinvarro
