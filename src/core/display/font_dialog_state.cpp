#include "display/font_dialog_state.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <algorithm>

namespace kinvarro {
namespace {

bool lessByName(const QString &a, const QString &b) {
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

}  // namespace

FontDialogState::FontDialogState(const FontChoice &initial, const QStringList &installed)
    : requested_(initial.font.family()) {
    colour = initial.colour;
    for (const QString &face : installed) {
        if (!face.isEmpty())
            faces_ << face;
    }
    std::sort(faces_.begin(), faces_.end(), lessByName);
    faces_.erase(std::unique(faces_.begin(), faces_.end()), faces_.end());
    const auto same = [this](const QString &face) {
        return face.compare(requested_, Qt::CaseInsensitive) == 0;
    };
    auto at = std::find_if(faces_.begin(), faces_.end(), same);
    if (at == faces_.end() && !requested_.isEmpty())
        at = faces_.insert(std::lower_bound(faces_.begin(), faces_.end(), requested_, lessByName),
                           requested_);
    initialRow_ = at == faces_.end() ? 0 : int(at - faces_.begin());
    row_ = initialRow_;

    const int points = initial.font.pointSize();
    if (points >= kSmallestSize && points <= kLargestSize)
        size_ = points;
    bold = initial.font.bold();
    italic = initial.font.italic();
    underline = initial.font.underline();
    strikeOut = initial.font.strikeOut();
}

void FontDialogState::pickFace(int row) {
    if (row >= 0 && row < faces_.size())
        row_ = row;
}

QString FontDialogState::face() const {
    if (row_ == initialRow_ && !requested_.isEmpty())
        return requested_;
    return faces_.value(row_);
}

const std::vector<int> &FontDialogState::standardSizes() {
    static const std::vector<int> sizes{8,  9,  10, 11, 12, 14, 16, 18,
                                        20, 22, 24, 26, 28, 36, 48, 72};
    return sizes;
}

bool FontDialogState::setSizeText(const QString &text) {
    bool whole = false;
    const int points = text.trimmed().toInt(&whole);
    if (!whole || points < kSmallestSize || points > kLargestSize)
        return false;
    size_ = points;
    return true;
}

FontChoice FontDialogState::result() const {
    QFont font(face());
    font.setPointSize(size_);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return FontChoice{font, colour};
}

QStringList ScalableFaces() {
    // Qt names a face that several foundries make "Face [Foundry]"; the
    // document stores the face alone, as the font is asked for by that.
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QStringList faces;
    for (const QString &family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family) && QFontDatabase::isSmoothlyScalable(family))
            faces << QString(family).remove(foundry);
    }
    faces.removeDuplicates();
    return faces;
}

}  // namespace kinvarro
