#pragma once

namespace kinvarro {

class ChartHost;
class DocumentSession;

/// Sides of the point where the context menu was opened.
enum class ChartSide { Below, Above, Right, Left };

/// `N35Click`, "Выделить все элементы": selects every element.
void SelectAllElements(DocumentSession &session, ChartHost &host);

/// "Выделить.." submenu: adds to the selection every element whose top-left
/// corner lies strictly on `side` of the last press.
void SelectSide(DocumentSession &session, ChartHost &host, ChartSide side);

}  // namespace kinvarro
