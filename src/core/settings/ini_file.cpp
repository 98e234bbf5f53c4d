#include "settings/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <string_view>

#include "settings/write_cause.h"
#include "text/cp1251.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\v' || c == u'\f';
}

// Only ASCII blanks: a no-break space (0xA0 in the code page) is part of the text.
QStringView trimBlanks(QStringView text) {
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool isQuoted(QStringView text) {
    return text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
           text.back() == text.front();
}

// Quotes let a value keep surrounding blanks; one pair is removed, as Windows does.
QStringView unquote(QStringView text) {
    return isQuoted(text) ? text.mid(1, text.size() - 2) : text;
}

// At most `length` UTF-16 units, without splitting a character beyond the
// Basic Multilingual Plane (half of one could not be saved).
QStringView leftWhole(QStringView text, qsizetype length) {
    if (text.size() <= length)
        return text;
    return text.left(length > 0 && text[length - 1].isHighSurrogate() ? length - 1 : length);
}

QString fold(QStringView name) {
    return name.toString().toCaseFolded();
}

QString encodeValue(const QString &value) {
    QString text = value;
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    if (trimBlanks(text).size() != text.size() || isQuoted(text))
        return u'"' + text + u'"';
    return text;
}

}  // namespace

IniFile IniFile::fromBytes(QByteArrayView bytes) {
    IniFile ini;
    ini.utf8_ = bytes.startsWith(kUtf8Bom);
    const QString text =
        ini.utf8_ ? textFromUtf8(bytes.sliced(kUtf8Bom.size()))
                  : fromCp1251(std::string_view(bytes.data(), std::size_t(bytes.size())));

    ini.lines_ = text.split(u'\n');
    for (QString &line : ini.lines_) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    if (!ini.lines_.isEmpty() && ini.lines_.back().isEmpty())
        ini.lines_.removeLast();  // the line end of the last line
    ini.reindex();
    return ini;
}

Status IniFile::load(const QString &path) {
    *this = IniFile();
    const QFileInfo info(path);
    if (!info.exists())
        return Status::success();
    const QString tooLarge = QStringLiteral("%1 is larger than %2 MiB.")
                                 .arg(QDir::toNativeSeparators(path))
                                 .arg(kMaxFileSize / (1024 * 1024));
    if (info.size() > kMaxFileSize)
        return Status::failure(tooLarge);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        return Status::failure(QStringLiteral("Cannot read %1: %2")
                                   .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize)
        return Status::failure(tooLarge);
    if (file.error() != QFileDevice::NoError) {
        return Status::failure(QStringLiteral("Cannot read %1: %2")
                                   .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    *this = fromBytes(bytes);
    return Status::success();
}

QByteArray IniFile::toBytes() const {
    if (!utf8_) {
        std::string bytes;
        bool fits = true;
        for (const QString &line : lines_) {
            if (!fitsCp1251(line)) {
                fits = false;
                break;
            }
            bytes += toCp1251(line);
            bytes += "\r\n";
        }
        if (fits)
            return QByteArray::fromStdString(bytes);
    }
    QByteArray bytes = kUtf8Bom.toByteArray();
    for (const QString &line : lines_) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

Status IniFile::save(const QString &path) const {
    QSaveFile file(path);
    const QByteArray bytes = toBytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
        !CommitSave(file)) {
        return Status::failure(QStringLiteral("Cannot write %1: %2")
                                   .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return Status::success();
}

QString IniFile::readString(QStringView section, QStringView key,
                            const QString &defaultValue) const {
    const Section *found = findSection(section);
    if (!found)
        return defaultValue;
    const auto value = found->values.constFind(fold(key));
    return value == found->values.cend() ? defaultValue : value.value();
}

int IniFile::readInteger(QStringView section, QStringView key, int defaultValue) const {
    bool ok = false;
    const int value = readString(section, key, QString()).toInt(&ok, 10);
    return ok ? value : defaultValue;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value) {
    const QString line = key + u'=' + encodeValue(value);
    const auto index = sectionIndex_.constFind(fold(section));
    if (index == sectionIndex_.cend()) {
        lines_.append(u'[' + section + u']');
        lines_.append(line);
    } else {
        const Section &existing = sections_[std::size_t(index.value())];
        const auto keyLine = existing.keyLines.constFind(fold(key));
        if (keyLine != existing.keyLines.cend())
            lines_[keyLine.value()] = line;
        else
            lines_.insert(existing.lastLine + 1, line);
    }
    reindex();
}

void IniFile::writeInteger(const QString &section, const QString &key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::reindex() {
    sections_.clear();
    sectionIndex_.clear();
    int current = -1;
    bool firstBlock = false;
    for (int i = 0; i < lines_.size(); ++i) {
        const QStringView line = trimBlanks(lines_[i]);
        if (line.isEmpty())
            continue;
        if (line.front() == u'[') {
            QStringView name = line.mid(1);
            const qsizetype close = name.indexOf(u']');
            if (close >= 0)
                name = name.left(close);
            const QString folded = fold(trimBlanks(name));
            const auto known = sectionIndex_.constFind(folded);
            firstBlock = known == sectionIndex_.cend();
            if (firstBlock) {
                current = int(sections_.size());
                sections_.push_back(Section{i, {}, {}});
                sectionIndex_.insert(folded, current);
            } else {
                current = known.value();
            }
            continue;
        }
        if (current < 0)
            continue;  // lines before the first section belong to none
        Section &section = sections_[std::size_t(current)];
        if (firstBlock)
            section.lastLine = i;
        if (line.front() == u';')
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = fold(trimBlanks(line.left(equals)));
        if (key.isEmpty() || section.keyLines.contains(key))
            continue;
        section.keyLines.insert(key, i);
        section.values.insert(
            key, leftWhole(unquote(trimBlanks(line.mid(equals + 1))), kMaxValueLength).toString());
    }
}

const IniFile::Section *IniFile::findSection(QStringView section) const {
    const auto index = sectionIndex_.constFind(fold(section));
    return index == sectionIndex_.cend() ? nullptr : &sections_[std::size_t(index.value())];
}

}  // namespace kinvarro
