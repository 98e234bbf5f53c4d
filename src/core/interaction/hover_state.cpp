#include "interaction/hover_state.h"

#include <QDir>
#include <QFileInfo>

#include "media/media_paths.h"
#include "model/document.h"
#include "render/picture_file.h"

namespace kinvarro {

QString HintPicturePathFor(const Document &doc, int index) {
    for (const std::string &entry : doc.NodeTable[index].media) {
        // Documents store "\" separators; both kinds lead to the file here.
        const QString path =
            MediaEntryFromDocument(entry).replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (!IsPictureFileName(path))
            continue;
        if (QDir::isAbsolutePath(path) || doc.CurrentFileName.isEmpty())
            return path;
        return QFileInfo(doc.CurrentFileName).path() + QLatin1Char('/') + path;
    }
    return {};
}

}  // namespace kinvarro
