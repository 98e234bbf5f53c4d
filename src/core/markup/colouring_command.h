#pragma once

#include <functional>
#include <string>
#include <vector>

class QTextDocument;

namespace kinvarro {

class Document;
class ProgressDisplay;
class Prompts;
class TableGuard;

/// `NColorElementsClick`, "Раскрасить элементы": asks first, colours every
/// element's description on the scratch rich text with the progress shown,
/// then stores the new descriptions all at once and marks the document
/// modified. The table is locked while the run lets pending events through,
/// so the commands that could change it are refused; a description that
/// cannot be read stops the run with nothing changed.
class ColouringCommand {
  public:
    ColouringCommand(Document &doc, Prompts &prompts, TableGuard &guard, QTextDocument &scratch);

    void setProgressDisplay(ProgressDisplay *progress) { progress_ = progress; }
    /// Lets the interface handle pending events once per element.
    void setEventPump(std::function<void()> pump) { pump_ = std::move(pump); }

    void NColorElementsClick();

  private:
    void store(std::vector<std::string> descriptions);

    Document &doc_;
    Prompts &prompts_;
    TableGuard &guard_;
    QTextDocument &scratch_;
    ProgressDisplay *progress_ = nullptr;
    std::function<void()> pump_;
};

}  // namespace kinvarro
