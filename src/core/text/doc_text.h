#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace kinvarro {

/// Document text is UTF-8 in std::string; these are the one conversion at the
/// Qt boundary. Invalid UTF-8 bytes become U+FFFD rather than being dropped.
QString fromDocText(std::string_view utf8);

/// The UTF-8 bytes of `text` in Normalization Form C, so that the same letter
/// typed, pasted or imported is stored, compared and searched the same way.
std::string toDocText(QStringView text);

}  // namespace kinvarro
