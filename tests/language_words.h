#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>

namespace kinvarro::test {

inline bool hasCyrillic(const QString &text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

/// The Latin words of a Russian text that are not names of programs, formats and standards,
/// nor the language menu's caption (the same in every language, so that it can always be found).
inline QStringList foreignWordsInRussian(const QString &text) {
    static const QStringList allowed = {
        "Kinvarro",  "GEDCOM", "INDI",    "FAM",    "UTF-8",      "Windows-1251",
        "qtbase_ru", "HTML",   "PDF",     "SVG",    "PNG",        "BMP",
        "JPEG",      "TIFF",   "Windows", "Targa",  "Portable",   "Network",
        "Graphics",  "Pixmap", "GreyMap", "BitMap", "PaintBrush", "OK",
        "Ok",        "AaBbYy", "Do",      "you",    "speak",      "x"};
    // File patterns and the extension lists in brackets are no words.
    static const QRegularExpression patterns(QStringLiteral(R"(\*\.[A-Za-z0-9*]+|\([^)]*\))"));
    static const QRegularExpression latinWord(QStringLiteral("[A-Za-z][A-Za-z0-9_-]*"));
    QStringList foreign;
    const QString words = QString(text).remove(patterns);
    for (const QRegularExpressionMatch &word : latinWord.globalMatch(words)) {
        if (!allowed.contains(word.captured()))
            foreign << word.captured();
    }
    return foreign;
}

}  // namespace kinvarro::test
