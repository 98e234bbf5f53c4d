#pragma once

#include <QString>
#include <functional>

#include "model/document_settings.h"
#include "prompts/prompts.h"
#include "settings/message_table.h"

namespace kinvarro {

class DocumentSession;

/// The commands of the "Настройки" menu: each changes display settings of the
/// open document as one step of its history. A command whose outcome equals
/// the current settings records nothing.
class SettingsCommands {
  public:
    /// The picture dialog's file-type filter before any language file replaces it.
    static const QString kPictureFilter;

    SettingsCommands(DocumentSession &session, Prompts &prompts);

    /// The picture dialog's filter, in Windows syntax.
    void setPictureFilter(const QString &filter) { pictureFilter_ = filter; }
    /// Asks for a repaint that no change of the document brings about.
    void setRedrawRequest(std::function<void()> redraw) { redraw_ = std::move(redraw); }

    /// "Шрифт..": the chart font, with the names re-measured in the same step.
    void N15Click();
    void N21Click();  ///< men's fill
    void N22Click();  ///< women's fill
    void N16Click();  ///< fill of persons of unknown sex
    void N17Click();  ///< father lines
    void N47Click();  ///< mother lines
    void N18Click();  ///< selected lines
    void NLineWidth1Click();
    void NLineWidth2Click();
    void NLineWidth3Click();
    void NLineWidth0Click();
    void NShowHLinesClick();
    void N36Click();  ///< horizontal grid interval
    void NShowVLinesClick();
    void N38Click();  ///< vertical grid interval
    void N34Click();  ///< grid colour
    void NGridAlignClick();
    /// Background colour: a tiled or stretched picture goes off with it; the
    /// chart is repainted even when the dialog is cancelled.
    void NColorClick();
    /// "Рисунок..": loads a background picture, which is then tiled.
    void N11Click();
    void NAsIsClick();
    void NTileClick();
    void NStretchClick();
    void NnopictureClick();
    void NShowShadowClick();
    void N28Click();  ///< shadow colour
    void NtimeLinesShowClick();
    void N52Click();  ///< default colour of historical events
    /// "Сбросить настройки": the settings to their defaults (the picture and
    /// the font's character set stay), the view to 100 % at the origin.
    void N20Click();
    void NPositionLinesClick();

  private:
    void change(DocumentSettings after, Msg step);
    void chooseColour(TColor DocumentSettings::*field, ColourDialogForm form);
    void toggle(bool DocumentSettings::*field, Msg step);
    void setLineWidth(int width);
    void setPictureMode(PictureMode mode);
    void askInterval(std::int32_t DocumentSettings::*field);

    DocumentSession &session_;
    Prompts &prompts_;
    QString pictureFilter_ = kPictureFilter;
    std::function<void()> redraw_;
};

}  // namespace kinvarro
