#include "ui/settings_menu.h"

#include <QAction>

#include "ui/chart_input.h"
#include "ui/file_dialog_filter.h"
#include "ui/main_window.h"
#include "ui/zoom_window.h"

namespace kinvarro {

SettingsMenu::SettingsMenu(TForm1 &form, Prompts &prompts)
    : QObject(&form),
      form_(form),
      commands_(form.session(), prompts),
      // A child of the window, so that the language files translate its filter.
      pictureDialog_(new FileDialogFilter(QStringLiteral("OpenPictureDialog1"),
                                          SettingsCommands::kPictureFilter, &form)) {
    commands_.setRedrawRequest([this] { form_.RequestRedraw(); });
    wire();
    connect(&form.session(), &DocumentSession::changed, this, [this](DocumentChanges what) {
        if (what & (DocumentChange::Settings | DocumentChange::Replaced))
            showSettings();
    });
    showSettings();
}

void SettingsMenu::wire() {
    using Command = void (SettingsCommands::*)();
    const auto on = [this](const char *name, Command command) {
        if (QAction *item = form_.menus().item(name)) {
            connect(item, &QAction::triggered, this, [this, command] {
                (commands_.*command)();
                // A choice that changed nothing leaves Qt's own toggle of the mark.
                showSettings();
            });
        }
    };
    on("N15", &SettingsCommands::N15Click);
    on("N21", &SettingsCommands::N21Click);
    on("N22", &SettingsCommands::N22Click);
    on("N16", &SettingsCommands::N16Click);
    on("N17", &SettingsCommands::N17Click);
    on("N47", &SettingsCommands::N47Click);
    on("N18", &SettingsCommands::N18Click);
    on("NLineWidth1", &SettingsCommands::NLineWidth1Click);
    on("NLineWidth2", &SettingsCommands::NLineWidth2Click);
    on("NLineWidth3", &SettingsCommands::NLineWidth3Click);
    on("NLineWidth0", &SettingsCommands::NLineWidth0Click);
    on("NShowHLines", &SettingsCommands::NShowHLinesClick);
    on("N36", &SettingsCommands::N36Click);
    on("NShowVLines", &SettingsCommands::NShowVLinesClick);
    on("N38", &SettingsCommands::N38Click);
    on("N34", &SettingsCommands::N34Click);
    on("NGridAlign", &SettingsCommands::NGridAlignClick);
    on("NColor", &SettingsCommands::NColorClick);
    if (QAction *picture = form_.menus().item("N11")) {
        connect(picture, &QAction::triggered, this, [this] {
            commands_.setPictureFilter(pictureDialog_->filter());
            commands_.N11Click();
        });
    }
    on("NAsIs", &SettingsCommands::NAsIsClick);
    on("NTile", &SettingsCommands::NTileClick);
    on("NStretch", &SettingsCommands::NStretchClick);
    on("Nnopicture", &SettingsCommands::NnopictureClick);
    on("NShowShadow", &SettingsCommands::NShowShadowClick);
    on("N28", &SettingsCommands::N28Click);
    on("NtimeLinesShow", &SettingsCommands::NtimeLinesShowClick);
    on("N52", &SettingsCommands::N52Click);
    on("NPositionLines", &SettingsCommands::NPositionLinesClick);
    if (QAction *reset = form_.menus().item("N20")) {
        connect(reset, &QAction::triggered, this, [this] {
            commands_.N20Click();
            showResetView();
        });
    }
}

void SettingsMenu::showSettings() {
    const DocumentSettings &s = form_.session().settings();
    const auto mark = [this](const char *name, bool on) {
        if (QAction *item = form_.menus().item(name))
            item->setChecked(on);
    };
    mark("NAsIs", s.pictureMode == PictureMode::AsIs);
    mark("NTile", s.pictureMode == PictureMode::Tile);
    mark("NStretch", s.pictureMode == PictureMode::Stretch);
    mark("Nnopicture", s.pictureMode == PictureMode::None);
    mark("NLineWidth1", s.lineWidth == 1);
    mark("NLineWidth2", s.lineWidth == 2);
    mark("NLineWidth3", s.lineWidth == 3);
    mark("NLineWidth0", s.lineWidth == 0);
    mark("NShowHLines", s.showHGrid);
    mark("NShowVLines", s.showVGrid);
    mark("NGridAlign", s.alignToGrid);
    mark("NShowShadow", s.showShadow);
    mark("NtimeLinesShow", s.showTimeLines);
    mark("NPositionLines", s.showGuides);
}

void SettingsMenu::showResetView() {
    form_.menus().Nmashtab->setText(
        ScaleCaption(form_.session().messages(), form_.session().settings().scalePercent()));
    form_.chartInput().zoomWindow().showScale();
    form_.UpdateScrollBars();
    form_.RequestRedraw();
}

}  // namespace kinvarro
