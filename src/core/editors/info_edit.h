#pragma once

#include <string>

class QTextDocument;

namespace kinvarro {

class Document;

/// One editing of the document information text: the text as it was when the
/// editor opened, put back on cancel.
class InfoEditSession {
  public:
    /// Trims trailing empty lines and records the snapshot.
    void begin(QTextDocument &info);
    /// Marks the document modified and trims trailing empty lines again.
    void apply(Document &doc, QTextDocument &info);
    /// Restores the text and its formatting from the snapshot.
    void cancel(QTextDocument &info);

  private:
    std::string snapshot_;
};

}  // namespace kinvarro
