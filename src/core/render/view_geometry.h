#pragma once

// The view geometry the painters and the chart's input handling share: the
// conversions between chart units and pixels, the snapping to the grid and the
// measuring of names. They live with the model, which needs them too.
#include "model/chart_font.h"
#include "model/chart_units.h"
#include "model/grid_snap.h"
#include "model/name_measure.h"
