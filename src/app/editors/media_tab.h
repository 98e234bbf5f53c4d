#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "editors/media_list.h"

class QAction;
class QListWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kinvarro {

class Document;
class DocumentSession;
class MediaPreview;
class MessageTable;
class Prompts;
class FileDialogFilter;
class Tfcomment;
class TFRenameMove;

/// The "Медиа" tab of both editors: the working list, in the person editor also
/// the folder tree and rename/move, the preview and the commands on the files.
class MediaTab : public QWidget {
    Q_OBJECT
  public:
    /// `withTree` selects the person editor's variant.
    MediaTab(DocumentSession &session, Prompts &prompts, const MessageTable &messages,
             bool withTree, QWidget *parent = nullptr);

    /// Fills the list (and tree) from an element's entries.
    void load(const QStringList &entries);
    const QStringList &entries() const { return list_.entries(); }
    /// Called on every showing of the editor.
    void prepareForShow();

    /// The comment editor and, in the person editor, the rename dialog.
    std::vector<QWidget *> dialogs() const;

    MediaPreview &preview() { return *preview_; }
    QTreeWidget *tree() const { return tree_; }
    QListWidget *listWidget() const { return listWidget_; }

    // The commands of the buttons and the context menus.
    void addFiles();
    void removeSelected();
    void moveUp();
    void moveDown();
    void launchSelected();
    void editComment();
    void renameOrMove();
    void selectEntry(int index);
    /// Shows the selected file's picture, comment and player again.
    void refreshPreview();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QToolButton *addButton(const QString &name, const QString &text, const QString &hint);
    void buildMenus();
    void showListView(bool treeView);
    void refreshList();
    void rebuildTree();
    void locateInTree(const QString &entry);
    void treeSelectionChanged();
    void updateButtons();
    QString selectedFullPath() const;

    DocumentSession &session_;
    const Document &doc_;
    Prompts &prompts_;
    const MessageTable &messages_;
    const bool withTree_;
    MediaList list_;
    QListWidget *listWidget_;
    QTreeWidget *tree_ = nullptr;
    QToolButton *dirList_ = nullptr;
    QToolButton *remove_;
    QToolButton *moveUp_;
    QToolButton *moveDown_;
    MediaPreview *preview_;
    QAction *removeAction_ = nullptr;
    QAction *launchAction_ = nullptr;
    QAction *commentAction_ = nullptr;
    QAction *renameAction_ = nullptr;
    Tfcomment *commentEditor_;
    /// The add command's file types, replaced by the language file.
    FileDialogFilter *openDialog_;
    TFRenameMove *renameDialog_ = nullptr;
    bool syncing_ = false;
};

}  // namespace kinvarro
