#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "model/tnode.h"

namespace kinvarro {

class ElementTable;

/// The media entries of a chart that moves from one folder to another.
struct MediaRelink {
    /// The elements whose entries change, with their new records.
    std::vector<std::pair<int, tnode>> changes;
    int rewritten = 0;
    /// Files of relative entries that do not exist; their entries stay as they are.
    QStringList missing;
};

/// Each relative entry naming an existing file from `oldFolder` is rewritten to
/// name the same file from `newFolder`: relative when the file lies inside it
/// (with the separator the entry was written with), otherwise as its full path.
/// Addresses and full paths stay. Folders end with "/".
MediaRelink RelinkMedia(const ElementTable &table, const QString &oldFolder,
                        const QString &newFolder);

}  // namespace kinvarro
