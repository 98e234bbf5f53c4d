#pragma once

#include <QCursor>

namespace kinvarro {

/// The chart's three hand cursors, drawn by the program itself.
struct ChartCursors {
    QCursor handflat;   ///< the chart's normal cursor
    QCursor handgrabs;  ///< while a button is pressed on the chart
    QCursor handpoint;  ///< over an element

    static ChartCursors load();
};

}  // namespace kinvarro
