#include "render/wmf_work_budget.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <libwmf/macro.h>

namespace kinvarro {

namespace {

WmfWorkBudget &BudgetOf(wmfAPI *api) {
    return *static_cast<WmfWorkBudget *>(api->user_data);
}

// Each wrapper counts its shape from above and draws it with the device's own
// function when the budget still holds it.
template <typename Request>
void DrawWithin(wmfAPI *api, Request *request, double cost,
                void (*wmfFunctionReference::*function)(wmfAPI *, Request *)) {
    WmfWorkBudget &budget = BudgetOf(api);
    if (budget.spend(cost))
        (budget.device().*function)(api, request);
}

void DrawLine(wmfAPI *api, wmfDrawLine_t *line) {
    const WmfWorkBudget &budget = BudgetOf(api);
    DrawWithin(api, line, budget.span(line->from, line->to) * budget.penStamp(line->dc),
               &wmfFunctionReference::draw_line);
}

void PolyLine(wmfAPI *api, wmfPolyLine_t *line) {
    const WmfWorkBudget &budget = BudgetOf(api);
    double length = 0;
    for (unsigned i = 1; i < line->count; ++i)
        length += budget.span(line->pt[i - 1], line->pt[i]);
    DrawWithin(api, line, length * budget.penStamp(line->dc), &wmfFunctionReference::poly_line);
}

void DrawPolygon(wmfAPI *api, wmfPolyLine_t *polygon) {
    const WmfWorkBudget &budget = BudgetOf(api);
    DrawWithin(api, polygon, budget.polygon(polygon->pt, polygon->count, polygon->dc),
               &wmfFunctionReference::draw_polygon);
}

void DrawPolyPolygon(wmfAPI *api, wmfPolyPoly_t *polygons) {
    const WmfWorkBudget &budget = BudgetOf(api);
    double cost = 0;
    for (unsigned i = 0; i < polygons->npoly; ++i)
        cost += budget.polygon(polygons->pt[i], polygons->count[i], polygons->dc);
    DrawWithin(api, polygons, cost, &wmfFunctionReference::draw_polypolygon);
}

void DrawRectangle(wmfAPI *api, wmfDrawRectangle_t *rectangle) {
    const WmfWorkBudget &budget = BudgetOf(api);
    const double cost = budget.area(rectangle->TL, rectangle->BR) +
                        budget.frame(rectangle->TL, rectangle->BR) * budget.penStamp(rectangle->dc);
    DrawWithin(api, rectangle, cost, &wmfFunctionReference::draw_rectangle);
}

// An arc is no longer than its ellipse's frame; a pie or a chord adds at most
// two half diagonals, and fills at most the frame.
double ArcCost(const WmfWorkBudget &budget, const wmfDrawArc_t *arc, bool filled) {
    const double outline = budget.frame(arc->TL, arc->BR) + budget.span(arc->TL, arc->BR);
    return outline * budget.penStamp(arc->dc) + (filled ? budget.area(arc->TL, arc->BR) : 0.0);
}

using ArcFunction = void (*wmfFunctionReference::*)(wmfAPI *, wmfDrawArc_t *);

// Arcs, pies, chords and ellipses.
template <ArcFunction function, bool filled>
void DrawArcShape(wmfAPI *api, wmfDrawArc_t *arc) {
    DrawWithin(api, arc, ArcCost(BudgetOf(api), arc, filled), function);
}

void DrawPixel(wmfAPI *api, wmfDrawPixel_t *pixel) {
    const WmfWorkBudget &budget = BudgetOf(api);
    DrawWithin(api, pixel, budget.stamp(pixel->pixel_width, pixel->pixel_height),
               &wmfFunctionReference::draw_pixel);
}

// A flood may fill the whole picture.
template <void (*wmfFunctionReference::*function)(wmfAPI *, wmfFlood_t *)>
void Flood(wmfAPI *api, wmfFlood_t *flood) {
    DrawWithin(api, flood, BudgetOf(api).wholePicture(), function);
}

void RopDraw(wmfAPI *api, wmfROP_Draw_t *rop) {
    const WmfWorkBudget &budget = BudgetOf(api);
    DrawWithin(api, rop, budget.area(rop->TL, rop->BR), &wmfFunctionReference::rop_draw);
}

void BitmapDraw(wmfAPI *api, wmfBMP_Draw_t *bitmap) {
    const WmfWorkBudget &budget = BudgetOf(api);
    const double cost =
        budget.stamp(bitmap->crop.w * bitmap->pixel_width, bitmap->crop.h * bitmap->pixel_height);
    DrawWithin(api, bitmap, cost, &wmfFunctionReference::bmp_draw);
}

// Every letter is at most a square of the font's height, widened by its ratio.
void DrawText(wmfAPI *api, wmfDrawText_t *text) {
    const WmfWorkBudget &budget = BudgetOf(api);
    const double letters = text->str ? double(std::strlen(text->str)) : 0.0;
    const double ratio = std::max(1.0, std::abs(text->font_ratio));
    const double cost = letters * budget.stamp(text->font_height * ratio, text->font_height);
    DrawWithin(api, text, cost, &wmfFunctionReference::draw_text);
}

void RegionFrame(wmfAPI *api, wmfPolyRectangle_t *regions) {
    const WmfWorkBudget &budget = BudgetOf(api);
    double length = 0;
    for (unsigned i = 0; i < regions->count; ++i)
        length += budget.frame(regions->TL[i], regions->BR[i]);
    DrawWithin(api, regions, length * budget.stamp(regions->width, regions->height),
               &wmfFunctionReference::region_frame);
}

void RegionPaint(wmfAPI *api, wmfPolyRectangle_t *regions) {
    const WmfWorkBudget &budget = BudgetOf(api);
    double cost = 0;
    for (unsigned i = 0; i < regions->count; ++i)
        cost += budget.area(regions->TL[i], regions->BR[i]);
    DrawWithin(api, regions, cost, &wmfFunctionReference::region_paint);
}

template <typename Function, typename Wrapper>
void Wrap(Function &slot, Wrapper wrapper) {
    if (slot)
        slot = wrapper;
}

}  // namespace

WmfWorkBudget::WmfWorkBudget(wmfAPI *api, const wmfD_Rect &bbox, unsigned width, unsigned height)
    : api_(api),
      device_(*static_cast<wmfFunctionReference *>(api->function_reference)),
      // The device stretches the drawing's rectangle over the whole picture.
      pixelsPerUnitX_(width / double(bbox.BR.x - bbox.TL.x)),
      pixelsPerUnitY_(height / double(bbox.BR.y - bbox.TL.y)),
      width_(width),
      height_(height),
      left_(kPixelWrites) {
    api->user_data = this;
    auto &live = *static_cast<wmfFunctionReference *>(api->function_reference);
    Wrap(live.draw_line, DrawLine);
    Wrap(live.poly_line, PolyLine);
    Wrap(live.draw_polygon, DrawPolygon);
    Wrap(live.draw_polypolygon, DrawPolyPolygon);
    Wrap(live.draw_rectangle, DrawRectangle);
    Wrap(live.draw_arc, DrawArcShape<&wmfFunctionReference::draw_arc, false>);
    Wrap(live.draw_pie, DrawArcShape<&wmfFunctionReference::draw_pie, true>);
    Wrap(live.draw_chord, DrawArcShape<&wmfFunctionReference::draw_chord, true>);
    Wrap(live.draw_ellipse, DrawArcShape<&wmfFunctionReference::draw_ellipse, true>);
    Wrap(live.draw_pixel, DrawPixel);
    Wrap(live.flood_interior, Flood<&wmfFunctionReference::flood_interior>);
    Wrap(live.flood_exterior, Flood<&wmfFunctionReference::flood_exterior>);
    Wrap(live.rop_draw, RopDraw);
    Wrap(live.bmp_draw, BitmapDraw);
    Wrap(live.draw_text, DrawText);
    Wrap(live.region_frame, RegionFrame);
    Wrap(live.region_paint, RegionPaint);
}

WmfWorkBudget::~WmfWorkBudget() {
    *static_cast<wmfFunctionReference *>(api_->function_reference) = device_;
    api_->user_data = nullptr;
}

double WmfWorkBudget::span(const wmfD_Coord &from, const wmfD_Coord &to) const {
    return std::hypot((to.x - from.x) * pixelsPerUnitX_, (to.y - from.y) * pixelsPerUnitY_) + 1;
}

double WmfWorkBudget::area(const wmfD_Coord &tl, const wmfD_Coord &br) const {
    return stamp(br.x - tl.x, br.y - tl.y);
}

double WmfWorkBudget::frame(const wmfD_Coord &tl, const wmfD_Coord &br) const {
    return 2 * (std::abs(br.x - tl.x) * pixelsPerUnitX_ + std::abs(br.y - tl.y) * pixelsPerUnitY_) +
           4;
}

double WmfWorkBudget::stamp(double width, double height) const {
    return (std::ceil(std::abs(width) * pixelsPerUnitX_) + 1) *
           (std::ceil(std::abs(height) * pixelsPerUnitY_) + 1);
}

double WmfWorkBudget::penStamp(const wmfDC *dc) const {
    const wmfPen *pen = dc ? WMF_DC_PEN(dc) : nullptr;
    if (!pen || WMF_PEN_STYLE(pen) == PS_NULL)
        return 0;
    return stamp(WMF_PEN_WIDTH(pen), WMF_PEN_HEIGHT(pen));
}

// The outline, and the fill: every row of the polygon's box crosses every edge
// once, then is filled.
double WmfWorkBudget::polygon(const wmfD_Coord *points, unsigned count, const wmfDC *dc) const {
    if (count == 0)
        return 0;
    double outline = span(points[count - 1], points[0]);
    wmfD_Coord low = points[0];
    wmfD_Coord high = points[0];
    for (unsigned i = 1; i < count; ++i) {
        outline += span(points[i - 1], points[i]);
        low.x = std::min(low.x, points[i].x);
        low.y = std::min(low.y, points[i].y);
        high.x = std::max(high.x, points[i].x);
        high.y = std::max(high.y, points[i].y);
    }
    const double rows = std::ceil((high.y - low.y) * pixelsPerUnitY_) + 1;
    return outline * penStamp(dc) + area(low, high) + rows * count;
}

bool WmfWorkBudget::spend(double cost) {
    // A cost that is not a number is refused as well.
    if (api_->err != wmf_E_None || !(cost <= left_)) {
        api_->err = wmf_E_UserExit;
        return false;
    }
    left_ -= cost;
    return true;
}

}  // namespace kinvarro
