#pragma once

#include <QString>
#include <QStringList>

#include "model/tnode.h"

namespace kinvarro {

class MessageTable;
class Prompts;

/// The editor's working media list with its selection (-1 none).
class MediaList {
  public:
    const QStringList &entries() const { return entries_; }
    int selected() const { return selected_; }
    void setEntries(const QStringList &entries);
    void select(int index);

    /// Adds chosen files in order: relative entries where possible (one warning
    /// per call otherwise), an error box for each duplicate (added all the same),
    /// and a refusal for a path with ";", which separates the entries in the
    /// document file. Returns the count added.
    int add(const QStringList &files, const QString &documentFolder, const MessageTable &messages,
            Prompts &prompts);
    /// Removes the selected entry; the entry now at its place (or the last) is selected.
    void removeSelected();
    void moveSelectedUp();
    void moveSelectedDown();
    /// Replaces every entry equal to `from` (a renamed file) by `to`.
    void replaceAll(const QString &from, const QString &to);

  private:
    QStringList entries_;
    int selected_ = -1;
};

}  // namespace kinvarro
