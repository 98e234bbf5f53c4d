#pragma once

#include <QString>
#include <array>
#include <optional>

namespace kinvarro {

/// The main window's placement as stored; a value never stored is nullopt.
struct StoredPlacement {
    std::optional<int> x;
    std::optional<int> y;
    std::optional<int> width;
    std::optional<int> height;
};

/// The per-machine values (language, window placement, recent files, the
/// file dialogs' folder) in
/// "kinvarro/kinvarro.conf" under the user's XDG configuration directory.
/// Every call opens the file, reads or writes, and closes it again. A store that
/// cannot be read reads as empty; writes that fail are ignored.
class MachineStore {
  public:
    static constexpr int kHistorySize = 5;
    /// Longest recent-file path read back; longer ones are cut.
    static constexpr int kMaxHistoryLength = 512;

    /// Locates the store in the XDG configuration directory in force now.
    MachineStore();

    /// The file holding the values.
    const QString &filePath() const { return filePath_; }

    /// The remembered language name; empty when none is remembered.
    QString language() const;
    void setLanguage(const QString &language);

    StoredPlacement placement() const;
    void setPlacement(int x, int y, int width, int height);

    /// History1 .. History5, most recent first; a missing value is empty.
    std::array<QString, kHistorySize> history() const;
    /// Replaces all five recent-file values; empty ones are stored as empty strings.
    void setHistory(const std::array<QString, kHistorySize> &paths);

    /// The folder a file dialog was last left in; empty when none is remembered.
    QString lastFolder() const;
    void setLastFolder(const QString &folder);

    /// Whether an imported GEDCOM tree is arranged by generations (the first default)
    /// rather than laid out in the import's rows.
    bool arrangeImports() const;
    void setArrangeImports(bool arrange);

    /// Seconds between autosaves of unsaved work; 60 when never stored, 0 is off.
    int autosaveSeconds() const;

  private:
    QString filePath_;
};

}  // namespace kinvarro
