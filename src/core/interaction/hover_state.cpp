#include "interaction/hover_state.h"

#include <QDir>
#include <QFileInfo>
#include <array>

#include "model/document.h"
#include "text/ascii_upper.h"
#include "text/cp1251.h"

namespace kinvarro {
namespace {

// The picture kinds a hint can show, by the last four characters of the name.
bool isHintPicture(const std::string &entry) {
    if (entry.size() < 4)
        return false;
    const std::string extension = UpperAscii(std::string_view(entry).substr(entry.size() - 4));
    static const std::array<const char *, 5> kPictures = {".TIF", ".WMF", ".JPG", ".BMP", ".GIF"};
    for (const char *picture : kPictures) {
        if (extension == picture)
            return true;
    }
    return false;
}

}  // namespace

QString HintPicturePathFor(const Document &doc, int index) {
    for (const std::string &entry : doc.NodeTable[index].media) {
        if (!isHintPicture(entry))
            continue;
        // Documents store "\" separators; both kinds lead to the file here.
        const QString path = fromCp1251(entry).replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (QDir::isAbsolutePath(path) || doc.CurrentFileName.isEmpty())
            return path;
        return QFileInfo(doc.CurrentFileName).path() + QLatin1Char('/') + path;
    }
    return {};
}

}  // namespace kinvarro
