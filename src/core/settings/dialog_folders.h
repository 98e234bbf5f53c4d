#pragma once

#include <QString>

namespace kinvarro {

class MachineStore;

/// Where the file dialogs start: the folder of the file last chosen in any
/// of them, kept per machine, or the user's documents folder until then.
/// The program's own folder is read-only once installed, so it is never used.
class DialogFolders {
  public:
    /// `documents` is the folder for the first start; the user's documents
    /// folder (or home) when not given.
    explicit DialogFolders(MachineStore &store, QString documents = {});

    /// The remembered folder while it still exists, else the documents folder.
    QString start() const;
    /// Remembers the folder that holds `filePath`, the file a dialog returned.
    void chosen(const QString &filePath);

  private:
    MachineStore &store_;
    QString documents_;
};

}  // namespace kinvarro
