#pragma once

#include <QStringList>
#include <vector>

#include "persistence/autosave_files.h"

namespace kinvarro {

class FileCommands;
class MessageTable;

/// What the user did in the recovery window.
struct RecoveryChoice {
    enum class Action { Recover, Discard, Later };
    Action action = Action::Later;
    int index = 0;  ///< the line chosen for Recover or Discard
};

/// The "Recovery" window: one line per leftover copy, Recover the default
/// button, then Discard and Later. Tests script it.
class RecoveryPrompt {
  public:
    virtual ~RecoveryPrompt() = default;
    virtual RecoveryChoice chooseRecovery(const QString &caption, const QString &text,
                                          const QStringList &lines) = 0;
};

/// "family.kvr - 2026-12-11 00:30, changes: 4" in the interface language.
QString recoveryLine(const MessageTable &messages, const AutosaveEntry &entry);

/// Offers `leftovers` until the user recovers one, discards them all or puts
/// them off. Returns whether a chart was recovered into `commands`' document.
bool offerRecovery(std::vector<AutosaveEntry> leftovers, RecoveryPrompt &prompt,
                   FileCommands &commands, const MessageTable &messages);

}  // namespace kinvarro
