#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <tuple>

#include "model/document_settings.h"

namespace kinvarro::test {

/// Everything a theme carries, comparable and printable.
inline auto carried(const DocumentSettings &s) {
    return std::make_tuple(s.backgroundColor, int(s.pictureMode), s.fatherLineColor,
                           s.motherLineColor, s.selectedLineColor, s.timeLineColor, s.showTimeLines,
                           s.lineWidth, s.otherBackColor, s.manBackColor, s.womanBackColor,
                           s.chartFont.name, s.chartFont.size, s.chartFont.color, s.showShadow,
                           s.shadowColor, s.showGuides, s.showHGrid, s.showVGrid, s.gridColor,
                           s.alignToGrid);
}

/// Settings unlike the defaults in every field a theme carries, and in some it does not.
inline DocumentSettings unusualSettings() {
    DocumentSettings s;
    s.backgroundColor = 0x102030;
    s.pictureMode = PictureMode::Tile;
    s.backgroundPicture = QImage(6, 4, QImage::Format_RGB32);
    s.backgroundPicture.fill(QColor(10, 200, 30));
    s.fatherLineColor = 0x010203;
    s.motherLineColor = 0x040506;
    s.selectedLineColor = 0x070809;
    s.timeLineColor = 0x0A0B0C;
    s.showTimeLines = false;
    s.otherBackColor = 0x0D0E0F;
    s.manBackColor = 0x111213;
    s.womanBackColor = 0x141516;
    s.chartFont = {"Times New Roman Cyr", 14, 204, 0x171819, kStyleBold | kStyleItalic};
    s.showShadow = false;
    s.shadowColor = 0x1A1B1C;
    s.showGuides = true;
    s.showHGrid = true;
    s.hGridInterval = 40;
    s.showVGrid = true;
    s.vGridInterval = 50;
    s.gridColor = 0x1D1E1F;
    s.alignToGrid = true;
    s.scale = 2.5f;
    return s;
}

inline bool writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace kinvarro::test
