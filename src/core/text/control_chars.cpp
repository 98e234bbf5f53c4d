#include "text/control_chars.h"

namespace kinvarro {

bool isUnwantedControl(char32_t c) {
    if (c == u'\t' || c == u'\n' || c == u'\r')
        return false;
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

int replaceControlChars(std::string &text) {
    int replaced = 0;
    for (char &c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // Only the single-byte controls: 0x80..0x9F are letters in Windows-1251
        // and parts of longer characters in UTF-8. Most bytes fail the first test.
        if ((byte < 0x20 || byte == 0x7F) && isUnwantedControl(byte)) {
            c = '?';
            ++replaced;
        }
    }
    return replaced;
}

QString withoutControlChars(QStringView text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (!isUnwantedControl(c.unicode()))
            kept += c;
    }
    return kept;
}

bool storableFontFace(QStringView face) {
    for (const QChar c : face) {
        if (c == u'>' || c.unicode() < 0x20 || isUnwantedControl(c.unicode()))
            return false;
    }
    return true;
}

}  // namespace kinvarro
