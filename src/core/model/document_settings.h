#pragma once

#include <QImage>

#include "model/tnode.h"

namespace kinvarro {

enum class PictureMode { AsIs, Tile, Stretch, None };

/// `lineWidth` when no width is chosen at all (a theme can leave it so): lines
/// and frames are then 1 pixel wide, as for width 1.
inline constexpr int kNoLineWidth = -1;

/// The display settings that travel with a document.
struct DocumentSettings {
    TColor backgroundColor = 0xE6E6E6;
    PictureMode pictureMode = PictureMode::None;
    QImage backgroundPicture;  ///< kept by reset()
    TColor fatherLineColor = 0x000000;
    TColor motherLineColor = 0x000040;
    TColor selectedLineColor = 0xFF0000;
    TColor timeLineColor = 0xFF0080;
    bool showTimeLines = true;
    int lineWidth = 1;  ///< 0 = no connection lines, 1..3 pixels, or kNoLineWidth
    TColor otherBackColor = 0xFFFFFF;
    TColor manBackColor = 0xFFD9D9;
    TColor womanBackColor = 0xE1E1FF;
    tmyfont chartFont{"Arial Cyr", 10, 0, 0x000000, 0};
    bool showShadow = true;
    TColor shadowColor = 0xC0C0C0;
    bool showGuides = false;
    bool showHGrid = false;
    std::int32_t hGridInterval = 25;
    bool showVGrid = false;
    std::int32_t vGridInterval = 15;
    TColor gridColor = 0xCFCFE7;
    bool alignToGrid = false;
    float scale = 1.0f;

    /// Puts every setting to its default, except the background picture and
    /// the chart font's character set.
    void reset();

    /// The scale in whole percent, halves to the even neighbour.
    std::uint32_t scalePercent() const;

    bool operator==(const DocumentSettings &) const = default;
};

/// Fill colour of a person box by sex; unknown values fall back to "unknown".
TColor fillColorForSex(const DocumentSettings &settings, std::uint8_t sex);

}  // namespace kinvarro
