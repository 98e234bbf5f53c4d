#pragma once

// libwmf defines U8, U16 and U32: its headers come after all Qt headers.
#include <libwmf/api.h>
#include <libwmf/defs.h>
#include <libwmf/ipa.h>

namespace kinvarro {

/// libwmf fills shapes pixel by pixel and draws a wide pen by stamping a
/// pen-sized image at every pixel of a line, so a metafile of a hundred bytes
/// can ask for billions of pixel writes. While a budget is installed on an API,
/// each shape's pixel writes are counted, from above, before it is drawn; a
/// shape that would pass the budget is not drawn and the playing stops with
/// an error, so that the picture is refused rather than drawn in part.
class WmfWorkBudget {
  public:
    /// About a tenth of a second of the library's drawing: six times over a
    /// picture of 2048 x 2048 pixels, more than a real picture asks.
    static constexpr double kPixelWrites = 24.0 * 1024 * 1024;

    /// The device draws the rectangle `bbox` (device units) on `width` x
    /// `height` pixels.
    WmfWorkBudget(wmfAPI *api, const wmfD_Rect &bbox, unsigned width, unsigned height);
    ~WmfWorkBudget();
    WmfWorkBudget(const WmfWorkBudget &) = delete;
    WmfWorkBudget &operator=(const WmfWorkBudget &) = delete;

    // What each shape costs, in pixel writes.
    double span(const wmfD_Coord &from, const wmfD_Coord &to) const;
    double area(const wmfD_Coord &tl, const wmfD_Coord &br) const;
    double frame(const wmfD_Coord &tl, const wmfD_Coord &br) const;
    double stamp(double width, double height) const;
    double penStamp(const wmfDC *dc) const;
    double polygon(const wmfD_Coord *points, unsigned count, const wmfDC *dc) const;
    double wholePicture() const { return double(width_) * height_; }

    /// Counts `cost`; false, and the playing stopped, when it passes the budget.
    bool spend(double cost);

    const wmfFunctionReference &device() const { return device_; }

  private:
    wmfAPI *api_;
    wmfFunctionReference device_;
    double pixelsPerUnitX_;
    double pixelsPerUnitY_;
    unsigned width_;
    unsigned height_;
    double left_;
};

}  // namespace kinvarro
