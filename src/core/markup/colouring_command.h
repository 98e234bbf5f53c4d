#pragma once

#include <functional>
#include <string>
#include <vector>

class QTextDocument;

namespace kinvarro {

class DocumentSession;
class ProgressDisplay;
class Prompts;
class TableGuard;

/// `NColorElementsClick`, "Раскрасить элементы": asks first, colours every
/// element's description on the scratch rich text with the progress shown,
/// then stores the new descriptions as one step of the edit history. The
/// table is locked while the run lets pending events through, so the
/// commands that could change it are refused.
class ColouringCommand {
  public:
    ColouringCommand(DocumentSession &session, Prompts &prompts, TableGuard &guard,
                     QTextDocument &scratch);

    void setProgressDisplay(ProgressDisplay *progress) { progress_ = progress; }
    /// Lets the interface handle pending events once per element.
    void setEventPump(std::function<void()> pump) { pump_ = std::move(pump); }

    void NColorElementsClick();

  private:
    void store(std::vector<std::string> descriptions);

    DocumentSession &session_;
    Prompts &prompts_;
    TableGuard &guard_;
    QTextDocument &scratch_;
    ProgressDisplay *progress_ = nullptr;
    std::function<void()> pump_;
};

}  // namespace kinvarro
