#pragma once

#include <QChar>

namespace kinvarro {

class ChartHost;
class Document;
struct ChartViewState;
class DocumentSession;
class ElementCommands;
struct ScrollBars;

/// The keys the chart acts on; everything else is `Other`.
enum class ChartKey { Delete, Escape, PageUp, PageDown, Left, Right, Up, Down, Other };

/// The element whose name centre is nearest to element `e`'s (Manhattan
/// distance, names measured in the unscaled chart font), ties to the highest
/// index; -1 when no other element lies within 200000.
int NearestElement(const Document &doc, int e);

/// Moves the scroll bar `key` acts on by its small or large change and the
/// view origin with it; returns false for keys that do not scroll.
bool ScrollByKey(ChartViewState &view, ScrollBars &bars, ChartKey key);

/// The main window's keyboard and wheel handling of the chart.
class ChartKeyboard {
  public:
    ChartKeyboard(DocumentSession &session, ChartHost &host, ElementCommands &commands);

    /// `FormKeyDown`: Shift shows the cross; Delete deletes the selection;
    /// Escape clears it.
    void FormKeyDown(ChartKey key, bool shift);
    /// `FormKeyPress`: F links `CurrentNode` to its nearest element as the
    /// father, M as the mother, on the Latin and the Cyrillic layout alike.
    void FormKeyPress(QChar character);
    /// `FormKeyUp`: drops the cross with Shift, then scrolls by the released key.
    void FormKeyUp(ChartKey key, bool shift);
    /// One wheel step scrolls the view by the vertical bar's small change.
    void FormMouseWheel(bool down);
    /// Shift+wheel: one step scrolls the view by the horizontal bar's small change.
    void horizontalWheel(bool right);

  private:
    DocumentSession &session_;
    const Document &doc_;
    ChartHost &host_;
    ElementCommands &commands_;
};

}  // namespace kinvarro
