#include "themes/theme_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <optional>

#include "render/picture_limits.h"
#include "settings/ini_file.h"
#include "settings/write_cause.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

const QString kSection = QString::fromLatin1(kThemeSection);

// A BMP holds at most 4 bytes a pixel besides its headers and colours.
constexpr qint64 kMaxPictureFileBytes = kMaxPicturePixels * 4 + 64 * 1024;
// Font sizes a font dialog offers; anything else in a file is a damaged value.
constexpr int kMaxFontSize = 1638;

QString reason(const QString &why, const QString &path) {
    return why + QStringLiteral(":\n") + QDir::toNativeSeparators(path);
}

QString reason(const MessageTable &messages, Msg message, const QString &path) {
    return reason(messages.text(message), path);
}

// Reads the keys after the picture-mode flags, in file order. Each read starts from
// the field's current value, which is the value to keep when the key is missing.
class KeyReader {
  public:
    explicit KeyReader(const IniFile &ini) : ini_(ini) {}

    void flag(const char *key, bool &field) const {
        field = ini_.readInteger(kSection, QString::fromLatin1(key), field ? 1 : 0) != 0;
    }
    // Colours are 0x00BBGGRR; a negative value is no colour a document can store.
    void colour(const char *key, TColor &field) const {
        const int value = ini_.readInteger(kSection, QString::fromLatin1(key), field);
        if (value >= 0)
            field = value;
    }
    void fontSize(const char *key, std::int32_t &field) const {
        const int value = ini_.readInteger(kSection, QString::fromLatin1(key), field);
        if (value >= 1 && value <= kMaxFontSize)
            field = value;
    }
    // A lone CR inside a line stays in the value, but a saved value cannot hold
    // one: it is read as the blank it would be saved as. Composing (NFC) can
    // lengthen a text; one that would then be cut on reading is cut now.
    void text(const char *key, std::string &field) const {
        QString value = ini_.readString(kSection, QString::fromLatin1(key), QString());
        value.replace(u'\r', u' ');
        if (value.trimmed().isEmpty())
            return;
        field = toDocText(value);
        const QString composed = fromDocText(field);
        if (composed.size() > IniFile::kMaxValueLength) {
            qsizetype length = IniFile::kMaxValueLength;
            if (composed[length - 1].isHighSurrogate())
                --length;
            field = toDocText(QStringView(composed).left(length));
        }
    }

  private:
    const IniFile &ini_;
};

class KeyWriter {
  public:
    explicit KeyWriter(IniFile &ini) : ini_(ini) {}

    void flag(const char *key, bool field) const {
        ini_.writeInteger(kSection, QString::fromLatin1(key), field ? 1 : 0);
    }
    void colour(const char *key, TColor field) const {
        ini_.writeInteger(kSection, QString::fromLatin1(key), field);
    }
    void fontSize(const char *key, std::int32_t field) const {
        ini_.writeInteger(kSection, QString::fromLatin1(key), field);
    }
    void text(const char *key, const std::string &field) const {
        ini_.writeString(kSection, QString::fromLatin1(key), fromDocText(field));
    }

  private:
    IniFile &ini_;
};

// The keys after `NLineWidth1`, in the order they are written and read.
template <class Visitor, class Settings>
void visitSettingKeys(const Visitor &v, Settings &s) {
    v.colour("colordialogbackground", s.backgroundColor);
    v.colour("colordialoglines_Color", s.fatherLineColor);
    v.colour("colordialogtimelines_Color", s.timeLineColor);
    v.flag("NtimeLinesShow", s.showTimeLines);
    v.colour("colordialogMatherlines_Color", s.motherLineColor);
    v.colour("colordialogselectedlines_Color", s.selectedLineColor);
    v.colour("colordialognodeback_Color", s.otherBackColor);
    v.colour("colordialognodebackMan_Color", s.manBackColor);
    v.colour("colordialognodebackWoman_Color", s.womanBackColor);
    v.colour("ColorDialogShadow_Color", s.shadowColor);
    v.flag("NShowShadow", s.showShadow);
    v.colour("Canvas_Color", s.chartFont.color);
    v.fontSize("Canvas_Size", s.chartFont.size);
    v.text("Canvas_Font_Name", s.chartFont.name);
    v.flag("npositionlines", s.showGuides);
    v.flag("NShowHLines", s.showHGrid);
    v.flag("NShowVLines", s.showVGrid);
    v.colour("ColorDialogHVLines_Color", s.gridColor);
    v.flag("NGridAlign", s.alignToGrid);
}

struct ModeKey {
    const char *key;
    PictureMode mode;
};
constexpr ModeKey kModeKeys[] = {{"Nnopicture", PictureMode::None},
                                 {"NAsIs", PictureMode::AsIs},
                                 {"NTile", PictureMode::Tile},
                                 {"NStretch", PictureMode::Stretch}};

// The flags act as one radio group: 1 chooses a mode, 0 unchooses it. Nothing chosen
// shows no picture.
PictureMode readPictureMode(const IniFile &ini) {
    std::optional<PictureMode> chosen = PictureMode::None;
    for (const ModeKey &flag : kModeKeys) {
        const bool isChosen = chosen == flag.mode;
        if (ini.readInteger(kSection, QString::fromLatin1(flag.key), isChosen ? 1 : 0) != 0)
            chosen = flag.mode;
        else if (isChosen)
            chosen.reset();
    }
    return chosen.value_or(PictureMode::None);
}

Status readPicture(const QString &path, const MessageTable &messages, QImage &picture) {
    if (!QFileInfo(path).isFile())
        return Status::failure(reason(messages, Msg::mFileNotFound, path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::failure(reason(messages, Msg::mCannotReadFile, path));
    if (file.size() > kMaxPictureFileBytes) {
        return Status::failure(reason(PictureTooLargeText(messages), path));
    }
    QByteArray bytes = file.readAll();
    // A picture cut short would show leftover memory, and be saved with it.
    if (const std::optional<QString> refusal = BmpRefusal(messages, bytes, bytes.size()))
        return Status::failure(reason(*refusal, path));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "bmp");
    reader.setAllocationLimit(kImageAllocationLimitMb);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return Status::failure(reason(messages, Msg::mCannotReadFile, path));
    picture = std::move(image);
    return Status::success();
}

}  // namespace

QString ThemePicturePath(const QString &themePath) {
    return themePath + QStringLiteral(".bmp");
}

Status ReadTheme(const QString &themePath, const DocumentSettings &current,
                 const MessageTable &messages, DocumentSettings &themed) {
    if (!QFileInfo(themePath).isFile())
        return Status::failure(reason(messages, Msg::mFileNotFound, themePath));
    if (QFileInfo(themePath).size() > IniFile::kMaxFileSize) {
        const QString tooLarge =
            messages.text(Msg::mThemeFileTooLarge).arg(IniFile::kMaxFileSize / (1024 * 1024));
        return Status::failure(reason(tooLarge, themePath));
    }
    IniFile ini;
    if (!ini.load(themePath))
        return Status::failure(reason(messages, Msg::mCannotReadFile, themePath));

    DocumentSettings s = current;
    s.reset();
    s.scale = current.scale;
    s.pictureMode = readPictureMode(ini);
    if (s.pictureMode != PictureMode::None) {
        if (Status st = readPicture(ThemePicturePath(themePath), messages, s.backgroundPicture);
            !st)
            return st;
    }
    if (ini.readInteger(kSection, QStringLiteral("NLineWidth1"), 1) == 0)
        s.lineWidth = kNoLineWidth;
    visitSettingKeys(KeyReader(ini), s);
    themed = std::move(s);
    return Status::success();
}

Status WriteTheme(const QString &themePath, const QString &name, const DocumentSettings &settings,
                  const MessageTable &messages) {
    // The theme file is claimed first and never replaced: a file that exists already
    // keeps its theme and its picture.
    const auto cannotWrite = [&](const QString &path, const QFileDevice &device) {
        return reason(messages, Msg::mCannotWrite, path) + QLatin1Char('\n') +
               WriteCause(messages, device);
    };
    ClearSystemCause();
    QFile file(themePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Status::failure(cannotWrite(themePath, file));
    const bool hasPicture = !settings.backgroundPicture.isNull();
    const QString picturePath = ThemePicturePath(themePath);
    auto fail = [&](const QString &path, const QFileDevice &device) {
        const QString text = cannotWrite(path, device);
        file.close();
        file.remove();
        return Status::failure(text);
    };
    if (hasPicture) {
        // Through a temporary file: a failed write leaves no cut picture behind.
        QSaveFile picture(picturePath);
        QImageWriter writer(&picture, "bmp");
        if (!picture.open(QIODevice::WriteOnly) ||
            !writer.write(settings.backgroundPicture.convertToFormat(QImage::Format_RGB32)) ||
            !CommitSave(picture))
            return fail(picturePath, picture);
    }
    // Without a picture the theme shows none, so that loading it needs no picture file.
    const PictureMode mode = hasPicture ? settings.pictureMode : PictureMode::None;

    IniFile ini;
    ini.writeString(kSection, QStringLiteral("Name"), name);
    for (const ModeKey &flag : kModeKeys)
        ini.writeInteger(kSection, QString::fromLatin1(flag.key), mode == flag.mode ? 1 : 0);
    ini.writeInteger(kSection, QStringLiteral("NLineWidth1"), settings.lineWidth == 1 ? 1 : 0);
    visitSettingKeys(KeyWriter(ini), settings);
    const QByteArray bytes = ini.toBytes();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (hasPicture)
            QFile::remove(picturePath);
        return fail(themePath, file);
    }
    return Status::success();
}

}  // namespace kinvarro
