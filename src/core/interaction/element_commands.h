#pragma once

#include "model/tnode.h"

namespace kinvarro {

class ChartHost;
class Document;
class DocumentSession;
class Prompts;

/// Which items of the chart's context menu show; "Удалить выделенные
/// элементы" keeps its own visibility.
struct PopupMenuItems {
    bool NAdd = false;
    bool Naddhistorical = false;
    bool NModify = false;
    bool NDel = false;
    bool Nselect = false;
};

/// `PopupMenu1Popup`: over empty chart the add and select items, over an
/// element the edit and delete items.
PopupMenuItems PopupMenu1Popup(const Document &doc);

/// The commands of the chart's context menu, which add and remove elements.
class ElementCommands {
  public:
    ElementCommands(DocumentSession &session, ChartHost &host, Prompts &prompts);

    /// `NAddClick` and `NaddhistoricalClick`: adds an element at the last
    /// press and opens its editor; cancelling that first editing removes it.
    void addElement(ElementKind kind);
    /// `NModifyClick`: opens the editor of `CurrentNode`.
    void NModifyClick();
    /// `NDelClick`: deletes `CurrentNode` without asking.
    void NDelClick();
    /// `NdelSelectedClick`: asks once, then deletes every selected element.
    void NdelSelectedClick();

  private:
    void restoreCursors();

    DocumentSession &session_;
    const Document &doc_;
    ChartHost &host_;
    Prompts &prompts_;
};

}  // namespace kinvarro
