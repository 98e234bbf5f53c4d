#include "text/cp1251_fallback.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <vector>

#include "text/cp1251.h"

namespace kinvarro {
namespace {

struct Spelling {
    char32_t character;
    const char *latin;
};

// Letters without a decomposition that readers still expect spelt out.
constexpr Spelling kSpellings[] = {
    {U'ø', "o"},  {U'Ø', "O"},  {U'æ', "ae"}, {U'Æ', "AE"}, {U'œ', "oe"}, {U'Œ', "OE"},
    {U'ß', "ss"}, {U'ł', "l"},  {U'Ł', "L"},  {U'đ', "d"},  {U'Đ', "D"},  {U'ð', "d"},
    {U'Ð', "D"},  {U'þ', "th"}, {U'Þ', "Th"}, {U'ı', "i"},
};

// The Windows-1251 byte of each UTF-16 unit, -1 where the code page has none.
const std::vector<std::int16_t> &byteTable() {
    static const std::vector<std::int16_t> table = [] {
        std::vector<std::int16_t> bytes(0x10000, -1);
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            bytes[fromCp1251(std::string_view(&byte, 1)).at(0).unicode()] = std::int16_t(b);
        }
        return bytes;
    }();
    return table;
}

bool isMark(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

// The bytes standing for `c`, which Windows-1251 lacks; empty for a lone mark.
std::string replacementFor(char32_t c) {
    if (isMark(c))
        return {};
    const QString one = QString::fromUcs4(&c, 1);
    const QString decomposed = one.normalized(QString::NormalizationForm_KD);
    QString kept;
    for (const char32_t part : decomposed.toUcs4()) {
        if (!isMark(part))
            kept += QString::fromUcs4(&part, 1);
    }
    if (!kept.isEmpty() && kept != one && fitsCp1251(kept))
        return toCp1251(kept);
    for (const Spelling &spelling : kSpellings) {
        if (spelling.character == c)
            return spelling.latin;
    }
    return "?";
}

}  // namespace

std::string storeAsCp1251(QStringView text, long long *changed) {
    const QString composed = text.toString().normalized(QString::NormalizationForm_C);
    std::string bytes;
    bytes.reserve(std::size_t(composed.size()));
    const qsizetype size = composed.size();
    const std::vector<std::int16_t> &table = byteTable();
    for (qsizetype i = 0; i < size;) {
        const QChar unit = composed[i];
        if (unit.unicode() < 0x80) {
            bytes.push_back(char(unit.unicode()));
            ++i;
            continue;
        }
        char32_t c = unit.unicode();
        qsizetype length = 1;
        if (unit.isHighSurrogate() && i + 1 < size && composed[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(unit, composed[i + 1]);
            length = 2;
        } else if (unit.isSurrogate()) {
            c = 0xFFFD;  // an unpaired half has no character to stand for
        }
        const std::int16_t byte = length == 1 && c != 0xFFFD ? table[c] : -1;
        if (byte >= 0) {
            bytes.push_back(char(byte));
        } else {
            bytes += replacementFor(c);
            if (changed)
                ++*changed;
        }
        i += length;
    }
    return bytes;
}

}  // namespace kinvarro
