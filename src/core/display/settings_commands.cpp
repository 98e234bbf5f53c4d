#include "display/settings_commands.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <optional>

#include "edit/document_session.h"
#include "editors/element_edit.h"
#include "render/picture_limits.h"

namespace kinvarro {
namespace {

// A picture with transparent parts is laid on white, as a bitmap would show it.
// A picture that is cut short or too large is refused with the reason.
std::optional<QImage> loadPicture(const QString &path, const MessageTable &messages, QString &why) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
        return std::nullopt;
    }
    if (const std::optional<QString> refusal = BmpRefusal(messages, file.peek(4096), file.size())) {
        why = *refusal;
        return std::nullopt;
    }
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(kImageAllocationLimitMb);
    if (const std::optional<QString> refusal = SizeRefusal(messages, reader.size())) {
        why = *refusal;
        return std::nullopt;
    }
    QImage picture;
    if (!reader.read(&picture) || picture.isNull()) {
        why = reader.errorString();
        return std::nullopt;
    }
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, picture);
    return opaque;
}

}  // namespace

const QString SettingsCommands::kPictureFilter = QStringLiteral("All pictures|*.bmp;*.gif;*.jpg");

SettingsCommands::SettingsCommands(DocumentSession &session, Prompts &prompts)
    : session_(session), prompts_(prompts) {}

void SettingsCommands::change(DocumentSettings after, Msg step) {
    // The zoom is the user's view and no part of these steps.
    after.scale = session_.settings().scale;
    if (after == session_.settings())
        return;
    session_.changeSettings(std::move(after), session_.messages().text(step));
}

void SettingsCommands::chooseColour(TColor DocumentSettings::*field, ColourDialogForm form) {
    const std::optional<TColor> chosen = prompts_.chooseColour(session_.settings().*field, form);
    if (!chosen)
        return;
    DocumentSettings after = session_.settings();
    after.*field = *chosen;
    change(after, Msg::mActColour);
}

void SettingsCommands::toggle(bool DocumentSettings::*field, Msg step) {
    DocumentSettings after = session_.settings();
    after.*field = !(after.*field);
    change(after, step);
}

void SettingsCommands::setLineWidth(int width) {
    DocumentSettings after = session_.settings();
    after.lineWidth = width;
    change(after, Msg::mActLineWidth);
}

void SettingsCommands::setPictureMode(PictureMode mode) {
    DocumentSettings after = session_.settings();
    after.pictureMode = mode;
    change(after, Msg::mActBackground);
}

// Zero and negative intervals are taken: such grid lines are neither drawn nor
// snapped to. A negative one is kept as 0, which acts the same and which the
// document format can store.
void SettingsCommands::askInterval(std::int32_t DocumentSettings::*field) {
    const std::optional<std::int32_t> entered = prompts_.askInterval(session_.settings().*field);
    if (!entered)
        return;
    DocumentSettings after = session_.settings();
    after.*field = std::max<std::int32_t>(*entered, 0);
    change(after, Msg::mActGrid);
}

void SettingsCommands::N15Click() {
    const tmyfont &font = session_.settings().chartFont;
    const std::optional<FontChoice> chosen =
        prompts_.chooseFont(FontChoice{DialogFontForRecord(font), font.color});
    if (!chosen)
        return;
    DocumentSettings after = session_.settings();
    after.chartFont = FontRecordFromDialog(chosen->font, chosen->colour, font.charset);
    change(after, Msg::mActChartFont);
}

void SettingsCommands::N21Click() {
    chooseColour(&DocumentSettings::manBackColor, ColourDialogForm::Full);
}

void SettingsCommands::N22Click() {
    chooseColour(&DocumentSettings::womanBackColor, ColourDialogForm::Full);
}

void SettingsCommands::N16Click() {
    chooseColour(&DocumentSettings::otherBackColor, ColourDialogForm::Full);
}

void SettingsCommands::N17Click() {
    chooseColour(&DocumentSettings::fatherLineColor, ColourDialogForm::Full);
}

void SettingsCommands::N47Click() {
    chooseColour(&DocumentSettings::motherLineColor, ColourDialogForm::Short);
}

void SettingsCommands::N18Click() {
    chooseColour(&DocumentSettings::selectedLineColor, ColourDialogForm::Full);
}

void SettingsCommands::NLineWidth1Click() {
    setLineWidth(1);
}

void SettingsCommands::NLineWidth2Click() {
    setLineWidth(2);
}

void SettingsCommands::NLineWidth3Click() {
    setLineWidth(3);
}

void SettingsCommands::NLineWidth0Click() {
    setLineWidth(0);
}

void SettingsCommands::NShowHLinesClick() {
    toggle(&DocumentSettings::showHGrid, Msg::mActGrid);
}

void SettingsCommands::N36Click() {
    askInterval(&DocumentSettings::hGridInterval);
}

void SettingsCommands::NShowVLinesClick() {
    toggle(&DocumentSettings::showVGrid, Msg::mActGrid);
}

void SettingsCommands::N38Click() {
    askInterval(&DocumentSettings::vGridInterval);
}

void SettingsCommands::N34Click() {
    chooseColour(&DocumentSettings::gridColor, ColourDialogForm::Full);
}

void SettingsCommands::NGridAlignClick() {
    toggle(&DocumentSettings::alignToGrid, Msg::mActGrid);
}

void SettingsCommands::NColorClick() {
    const std::optional<TColor> chosen =
        prompts_.chooseColour(session_.settings().backgroundColor, ColourDialogForm::Full);
    if (!chosen) {
        if (redraw_)
            redraw_();
        return;
    }
    DocumentSettings after = session_.settings();
    after.backgroundColor = *chosen;
    if (after.pictureMode != PictureMode::AsIs)
        after.pictureMode = PictureMode::None;
    change(after, Msg::mActColour);
}

void SettingsCommands::N11Click() {
    // The file dialogs start where the user last was: the program's own
    // folder is read-only once installed.
    const std::optional<FileChoice> file =
        prompts_.chooseFileToOpen(pictureFilter_, QString(), QString());
    if (!file)
        return;
    const MessageTable &m = session_.messages();
    QString why;
    std::optional<QImage> picture = loadPicture(file->path, m, why);
    if (!picture) {
        prompts_.tell(
            MessageIcon::Error, m.text(Msg::mError),
            FileProblemText(m, Msg::mCannotReadFile, QFileInfo(file->path).fileName(), why));
        return;
    }
    DocumentSettings after = session_.settings();
    after.backgroundPicture = std::move(*picture);
    after.pictureMode = PictureMode::Tile;
    change(after, Msg::mActBackground);
}

void SettingsCommands::NAsIsClick() {
    setPictureMode(PictureMode::AsIs);
}

void SettingsCommands::NTileClick() {
    setPictureMode(PictureMode::Tile);
}

void SettingsCommands::NStretchClick() {
    setPictureMode(PictureMode::Stretch);
}

void SettingsCommands::NnopictureClick() {
    setPictureMode(PictureMode::None);
}

void SettingsCommands::NShowShadowClick() {
    toggle(&DocumentSettings::showShadow, Msg::mActSettings);
}

// The colour is saved with the document, so it is a change even while the
// shadows are hidden.
void SettingsCommands::N28Click() {
    chooseColour(&DocumentSettings::shadowColor, ColourDialogForm::Full);
}

void SettingsCommands::NtimeLinesShowClick() {
    toggle(&DocumentSettings::showTimeLines, Msg::mActSettings);
}

void SettingsCommands::N52Click() {
    chooseColour(&DocumentSettings::timeLineColor, ColourDialogForm::Short);
}

void SettingsCommands::N20Click() {
    DocumentSettings after = session_.settings();
    after.reset();
    change(after, Msg::mActResetSettings);
    session_.setScale(1.0f);
    session_.view().ViewOriginX = 0;
    session_.view().ViewOriginY = 0;
    session_.clearSelection();
}

void SettingsCommands::NPositionLinesClick() {
    toggle(&DocumentSettings::showGuides, Msg::mActSettings);
}

}  // namespace kinvarro
