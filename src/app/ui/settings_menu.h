#pragma once

#include <QObject>

#include "display/settings_commands.h"

namespace kinvarro {

class FileDialogFilter;
class Prompts;
class TForm1;

/// Wires the items of the "Настройки" menu to their commands and keeps the
/// check marks and radio groups showing the open document's settings: after
/// every command, undo, redo, new, opened or imported document and theme.
class SettingsMenu : public QObject {
    Q_OBJECT
  public:
    SettingsMenu(TForm1 &form, Prompts &prompts);

    SettingsCommands &commands() { return commands_; }
    /// Sets every check mark from the document's settings.
    void showSettings();

  private:
    void wire();
    /// After the reset: the zoom caption and the scroll bars at 100 % and the origin.
    void showResetView();

    TForm1 &form_;
    SettingsCommands commands_;
    FileDialogFilter *pictureDialog_;
};

}  // namespace kinvarro
