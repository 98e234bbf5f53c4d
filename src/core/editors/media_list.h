#pragma once

#include <QString>
#include <QStringList>

#include "model/tnode.h"

namespace kinvarro {

class MessageTable;
class Prompts;

/// Texts of the refusals the add command gives for files a document cannot hold.
struct MediaRefusalTexts {
    QString caption = QStringLiteral("Медиа файл не добавлен");
    QString listFull = QStringLiteral("В списке уже 101 файл, больше элемент вместить не может.");
    QString semicolon = QStringLiteral("Путь к файлу содержит \";\", такой путь нельзя сохранить:");
    QString unstorable = QStringLiteral("Эти символы пути нельзя сохранить:");
};

/// The editor's working media list with its selection (-1 none).
class MediaList {
  public:
    const QStringList &entries() const { return entries_; }
    int selected() const { return selected_; }
    void setEntries(const QStringList &entries);
    void select(int index);

    /// Adds chosen files in order: relative entries where possible (one warning
    /// per call otherwise), an error box for each duplicate (added all the same),
    /// and a refusal for a file the document cannot hold. Returns the count added.
    int add(const QStringList &files, const QString &documentFolder, const MessageTable &messages,
            Prompts &prompts, const MediaRefusalTexts &refusals = {});
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
