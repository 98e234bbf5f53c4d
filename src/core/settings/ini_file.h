#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

#include "common/status.h"

namespace kinvarro {

/// A Windows profile (INI) file held in memory, parsed once. Text is Windows-1251,
/// or UTF-8 after a byte-order mark;
/// sections and keys compare without regard to case; keys and values are trimmed of
/// surrounding blanks; a value in one pair of matching quotes (" or ') loses them;
/// lines starting with ';' are comments; the first occurrence of a key wins, also
/// across repeated sections. Reading never fails: whatever is missing gives the
/// caller's default.
class IniFile {
  public:
    /// Longest value a read returns; longer values are cut between whole characters.
    static constexpr qsizetype kMaxValueLength = 2047;
    /// Larger files are refused. Language files are tens of kilobytes; a file of
    /// blank lines costs some 25 bytes of memory per byte once parsed.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

    IniFile() = default;

    /// Parses file content. A leading UTF-8 byte-order mark marks the rest as UTF-8.
    static IniFile fromBytes(QByteArrayView bytes);

    /// Replaces the content with the file at `path`. A missing file reads as empty;
    /// an unreadable or oversized one leaves the content empty and says why.
    Status load(const QString &path);

    /// The content with CR LF line ends: Windows-1251 as such files have always
    /// been, or UTF-8 with a byte-order mark when the file was read so or holds a
    /// character the code page lacks.
    QByteArray toBytes() const;

    /// Writes toBytes() to `path`; the previous file survives a failed write.
    Status save(const QString &path) const;

    QString readString(QStringView section, QStringView key, const QString &defaultValue) const;

    /// A decimal 32-bit integer; a missing key or a value that is not one gives `defaultValue`.
    int readInteger(QStringView section, QStringView key, int defaultValue) const;

    /// Sets `key`: replaces its first occurrence, or adds it at the end of the section,
    /// appending the section when it is missing. All other lines stay as they were.
    /// The value is quoted when reading it back would otherwise change it; line breaks
    /// in it become blanks.
    void writeString(const QString &section, const QString &key, const QString &value);

    void writeInteger(const QString &section, const QString &key, int value);

  private:
    struct Section {
        int lastLine = 0;  // last non-blank line of the section's first block
        QHash<QString, int> keyLines;
        QHash<QString, QString> values;
    };

    void reindex();
    const Section *findSection(QStringView section) const;

    QStringList lines_;
    bool utf8_ = false;  // read from UTF-8, so written back in it
    std::vector<Section> sections_;
    QHash<QString, int> sectionIndex_;
};

}  // namespace kinvarro
