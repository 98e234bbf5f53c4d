#include "editors/media_tab.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSplitter>
#include <QStyle>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "edit/document_session.h"
#include "editors/comment_editor.h"
#include "editors/comment_file.h"
#include "editors/media_preview.h"
#include "editors/media_tree.h"
#include "editors/rename_move.h"
#include "editors/rename_move_dialog.h"
#include "editors/selection_format.h"
#include "markup/description_text.h"
#include "media/media_paths.h"
#include "model/document.h"
#include "prompts/prompts.h"
#include "ui/file_dialog_filter.h"

namespace kinvarro {

namespace {

const QString kMediaFilter = QStringLiteral(
    "Все файлы|*.*|Все рисунки|*.tif;*.tiff;*.fax;*.jpg;*.jpeg;*.jpe;*.pcx;*.bmp;*.dib;*.rle;"
    "*.ico;*.cur;*.png;*.wmf;*.emf;*.tga;*.targa;*.vda;*.icb;*.vst;*.pix;*.pxm;*.ppm;*.pgm;*.pbm|"
    "Все аудиофайлы|*.mp3;*.wav;*.rm;*.ram|Все видеофайлы|*.avi;*.wmv;*.mpg;*.mpeg|"
    "Все тексты|*.doc;*.txt;*.rtf|Рисунок TIFF (TIF;TIFF;FAX)|*.tif;*.tiff;*.fax|"
    "Рисунок JPEG (JPG;JPEG;JPE)|*.jpg;*.jpeg;*.jpe|PaintBrush (PCX)|*.pcx|"
    "Рисунок Windows (BMP;DIB;RLE)|*.bmp;*.dib;*.rle|Значок Windows (ICO)|*.ico|"
    "Курсор Windows (CUR)|*.cur|Portable Network Graphics (PNG)|*.png|"
    "Метафайл Windows (WMF)|*.wmf|Расширенный метафайл Windows (EMF)|*.emf|"
    "Рисунок Targa (TGA;TARGA;VDA;ICB;VST;PIX)|*.tga;*.targa;*.vda;*.icb;*.vst;*.pix|"
    "Рисунки Portable Pixmap, GreyMap, BitMap (PXM;PPM;PGM;PBM)|*.pxm;*.ppm;*.pgm;*.pbm");

void AddTreeLevel(const std::vector<MediaTreeNode> &level, QTreeWidgetItem *parent,
                  QTreeWidget *tree) {
    for (const MediaTreeNode &node : level) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, node.text);
        if (node.children.empty()) {
            const TColor colour = MediaGroupColour(MediaGroupOf(node.text));
            if (colour >= 0)
                item->setForeground(0, ToQColor(colour));
        }
        AddTreeLevel(node.children, item, tree);
    }
}

}  // namespace

MediaTab::MediaTab(DocumentSession &session, Prompts &prompts, const MessageTable &messages,
                   bool withTree, QWidget *parent)
    : QWidget(parent),
      session_(session),
      doc_(session.doc()),
      prompts_(prompts),
      messages_(messages),
      withTree_(withTree),
      listWidget_(new QListWidget(this)),
      preview_(new MediaPreview(this)),
      commentEditor_(new Tfcomment(this)),
      openDialog_(new FileDialogFilter(QStringLiteral("OpenDialog1"), kMediaFilter, this)) {
    listWidget_->setObjectName(QStringLiteral("lbMediaFiles"));
    auto *buttons = new QHBoxLayout;
    if (withTree_) {
        dirList_ = addButton(QStringLiteral("sbDir_List"), QString(),
                             QStringLiteral("Список файлов или дерево папок"));
        dirList_->setIcon(style()->standardIcon(QStyle::SP_DirIcon));
        dirList_->setCheckable(true);
        buttons->addWidget(dirList_);
        connect(dirList_, &QToolButton::toggled, this, &MediaTab::showListView);
    }
    const bool person = withTree_;
    buttons->addWidget(addButton(QStringLiteral("sbInsert"), QStringLiteral("+"),
                                 QStringLiteral("Добавить файл в список")));
    remove_ = addButton(
        QStringLiteral("sbRemove"), QStringLiteral("−"),
        person ? QStringLiteral("Удалить из списка") : QStringLiteral("Удалить файл из списка"));
    moveUp_ = addButton(QStringLiteral("sbMoveUp"), QStringLiteral("▲"),
                        person ? QStringLiteral("Переместить выше по списку") : QString());
    moveDown_ = addButton(QStringLiteral("sbMoveDown"), QStringLiteral("▼"),
                          person ? QStringLiteral("Переместить ниже по списку") : QString());
    for (QToolButton *button : {remove_, moveUp_, moveDown_})
        buttons->addWidget(button);
    buttons->addStretch();
    connect(findChild<QToolButton *>(QStringLiteral("sbInsert")), &QToolButton::clicked, this,
            &MediaTab::addFiles);
    connect(remove_, &QToolButton::clicked, this, &MediaTab::removeSelected);
    connect(moveUp_, &QToolButton::clicked, this, &MediaTab::moveUp);
    connect(moveDown_, &QToolButton::clicked, this, &MediaTab::moveDown);

    auto *left = new QWidget(this);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addLayout(buttons);
    leftLayout->addWidget(listWidget_, 1);
    if (withTree_) {
        tree_ = new QTreeWidget(this);
        tree_->setObjectName(QStringLiteral("lbMediaFiles_Dir"));
        tree_->setHeaderHidden(true);
        tree_->setStyleSheet(
            QStringLiteral("QTreeWidget { background: #F2FFFF; }"
                           "QTreeWidget::item:selected { background: #000080;"
                           " color: white; }"));
        leftLayout->addWidget(tree_, 1);
        connect(tree_, &QTreeWidget::itemSelectionChanged, this, &MediaTab::treeSelectionChanged);
        connect(tree_, &QTreeWidget::itemDoubleClicked, this, &MediaTab::launchSelected);
        renameDialog_ = new TFRenameMove(this);
    }
    connect(listWidget_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!syncing_)
            selectEntry(row);
    });
    connect(listWidget_, &QListWidget::itemDoubleClicked, this, &MediaTab::launchSelected);
    // The event editor launches on a double click only.
    preview_->setLaunchOnClick(withTree_);
    connect(preview_, &MediaPreview::launchRequested, this, &MediaTab::launchSelected);
    preview_->picture()->installEventFilter(this);
    preview_->commentView()->installEventFilter(this);

    auto *split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(left);
    split->addWidget(preview_);
    split->setStretchFactor(1, 2);
    (new QVBoxLayout(this))->addWidget(split);
    buildMenus();
    showListView(false);
}

std::vector<QWidget *> MediaTab::dialogs() const {
    std::vector<QWidget *> dialogs{commentEditor_};
    if (renameDialog_)
        dialogs.push_back(renameDialog_);
    return dialogs;
}

QToolButton *MediaTab::addButton(const QString &name, const QString &text, const QString &hint) {
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    return button;
}

void MediaTab::buildMenus() {
    auto action = [this](const char *name, const QString &text, QKeyCombination key) {
        auto *a = new QAction(text, this);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        return a;
    };
    QAction *add = action("NAddFile", QStringLiteral("Добавить файл в список"), Qt::Key_Insert);
    removeAction_ = action("NRemoveFile", QStringLiteral("Удалить из списка"), Qt::Key_Delete);
    launchAction_ = action("NRunFile", QStringLiteral("Запустить файл"), Qt::CTRL | Qt::Key_Insert);
    commentAction_ = action("Nchangecomment", QStringLiteral("Добавить/изменить комментарий"),
                            Qt::SHIFT | Qt::Key_Insert);
    connect(add, &QAction::triggered, this, &MediaTab::addFiles);
    connect(removeAction_, &QAction::triggered, this, &MediaTab::removeSelected);
    connect(launchAction_, &QAction::triggered, this, &MediaTab::launchSelected);
    connect(commentAction_, &QAction::triggered, this, &MediaTab::editComment);
    QList<QAction *> items{add, removeAction_, launchAction_, commentAction_};
    if (withTree_) {
        renameAction_ = action("NRenameMove", QStringLiteral("Переименовать/Переместить"),
                               Qt::CTRL | Qt::Key_R);
        connect(renameAction_, &QAction::triggered, this, &MediaTab::renameOrMove);
        items << renameAction_;
    }
    auto *menu = new QMenu(this);
    menu->setObjectName(withTree_ ? QStringLiteral("PopUpMedia") : QStringLiteral("PopupMedia"));
    menu->addActions(items);
    for (QWidget *view : {static_cast<QWidget *>(listWidget_), static_cast<QWidget *>(tree_)}) {
        if (!view)
            continue;
        view->addActions(items);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this, [this, menu, view](QPoint at) {
            updateButtons();
            menu->exec(view->mapToGlobal(at));
        });
    }

    QTextEdit *comment = preview_->commentView();
    auto *copy = action("NCopyComment", QStringLiteral("Копировать"), Qt::CTRL | Qt::Key_Insert);
    QAction *change =
        action("NchangecommentPreview", QStringLiteral("Добавить/изменить комментарий"),
               Qt::SHIFT | Qt::Key_Insert);
    connect(copy, &QAction::triggered, comment, &QTextEdit::copy);
    connect(change, &QAction::triggered, this, &MediaTab::editComment);
    auto *commentMenu = new QMenu(this);
    commentMenu->setObjectName(withTree_ ? QStringLiteral("PopupMenu_eDescription")
                                         : QStringLiteral("PopupMenu_edescription"));
    commentMenu->addActions({copy, change});
    for (QWidget *view :
         {static_cast<QWidget *>(comment), static_cast<QWidget *>(preview_->picture())}) {
        view->addActions({copy, change});
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this,
                [copy, comment, commentMenu, view](QPoint at) {
                    copy->setVisible(comment->textCursor().hasSelection());
                    commentMenu->exec(view->mapToGlobal(at));
                });
    }
}

void MediaTab::load(const QStringList &entries) {
    list_.setEntries(entries);
    refreshList();
    rebuildTree();
    preview_->clear();
}

void MediaTab::prepareForShow() {
    if (withTree_) {
        dirList_->setChecked(true);
        showListView(true);
        if (tree_->topLevelItemCount() > 0)
            tree_->topLevelItem(0)->setExpanded(true);
    }
    preview_->clear();
    if (list_.selected() < 0 && !list_.entries().isEmpty())
        selectEntry(0);
    else
        refreshPreview();
}

void MediaTab::refreshList() {
    syncing_ = true;
    listWidget_->clear();
    for (const QString &entry : list_.entries()) {
        auto *item = new QListWidgetItem(MediaEntryShown(entry), listWidget_);
        const TColor colour = MediaGroupColour(MediaGroupOf(entry));
        if (colour >= 0)
            item->setForeground(ToQColor(colour));
    }
    listWidget_->setCurrentRow(list_.selected());
    syncing_ = false;
}

void MediaTab::rebuildTree() {
    if (!tree_)
        return;
    syncing_ = true;
    tree_->clear();
    AddTreeLevel(BuildMediaTree(list_.entries()), nullptr, tree_);
    syncing_ = false;
}

void MediaTab::locateInTree(const QString &entry) {
    if (!tree_)
        return;
    syncing_ = true;
    tree_->clearSelection();
    QTreeWidgetItem *item = nullptr;
    for (int index : LocateInMediaTree(BuildMediaTree(list_.entries()), entry)) {
        item = item ? item->child(index) : tree_->topLevelItem(index);
        if (item->parent())
            item->parent()->setExpanded(true);
    }
    if (item)
        tree_->setCurrentItem(item);
    syncing_ = false;
}

void MediaTab::showListView(bool treeView) {
    if (!withTree_)
        treeView = false;
    listWidget_->setVisible(!treeView);
    if (tree_)
        tree_->setVisible(treeView);
    moveUp_->setVisible(!treeView);
    moveDown_->setVisible(!treeView);
    if (treeView)
        locateInTree(list_.entries().value(list_.selected()));
}

void MediaTab::treeSelectionChanged() {
    if (syncing_)
        return;
    QTreeWidgetItem *item = tree_->currentItem();
    if (!item || !tree_->selectedItems().contains(item) || item->childCount() > 0) {
        // A folder: no file is selected; the preview keeps what it shows.
        list_.select(-1);
        syncing_ = true;
        listWidget_->setCurrentRow(-1);
        syncing_ = false;
        return updateButtons();
    }
    QStringList components;
    for (QTreeWidgetItem *at = item; at; at = at->parent())
        components.prepend(at->text(0));
    list_.select(EntryIndexForTreePath(list_.entries(), components));
    syncing_ = true;
    listWidget_->setCurrentRow(list_.selected());
    syncing_ = false;
    refreshPreview();
}

void MediaTab::selectEntry(int index) {
    list_.select(index);
    syncing_ = true;
    listWidget_->setCurrentRow(list_.selected());
    syncing_ = false;
    refreshPreview();
}

QString MediaTab::selectedFullPath() const {
    if (list_.selected() < 0)
        return {};
    return FullMediaPath(DocumentFolder(doc_.CurrentFileName), list_.entries()[list_.selected()]);
}

void MediaTab::refreshPreview() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    updateButtons();
    const int selected = list_.selected();
    preview_->showFile(selected < 0 ? QString() : list_.entries()[selected], selectedFullPath());
    QApplication::restoreOverrideCursor();
}

void MediaTab::updateButtons() {
    // The person editor follows whether the list has files, the event editor the selection.
    const bool on = withTree_ ? !list_.entries().isEmpty() : list_.selected() >= 0;
    for (QToolButton *button : {remove_, moveUp_, moveDown_})
        button->setEnabled(on);
    removeAction_->setVisible(on);
    const bool selected = list_.selected() >= 0;
    removeAction_->setEnabled(selected);
    launchAction_->setEnabled(selected);
    commentAction_->setEnabled(selected);
    if (renameAction_) {
        const bool treeView = tree_->isVisible();
        QTreeWidgetItem *item = tree_->currentItem();
        renameAction_->setEnabled(treeView ? (item && item->childCount() == 0) : selected);
    }
}

void MediaTab::addFiles() {
    const QStringList files = prompts_.chooseFilesToOpen(openDialog_->filter(), QString());
    if (files.isEmpty())
        return;
    list_.add(files, DocumentFolder(doc_.CurrentFileName), messages_, prompts_);
    refreshList();
    rebuildTree();
    locateInTree(list_.entries().value(list_.selected()));
    refreshPreview();
}

void MediaTab::removeSelected() {
    if (list_.selected() < 0)
        return;
    list_.removeSelected();
    refreshList();
    refreshPreview();
    rebuildTree();
    if (list_.selected() >= 0)
        locateInTree(list_.entries()[list_.selected()]);
    updateButtons();
}

void MediaTab::moveUp() {
    list_.moveSelectedUp();
    refreshList();
}

void MediaTab::moveDown() {
    list_.moveSelectedDown();
    refreshList();
}

void MediaTab::launchSelected() {
    if (list_.selected() >= 0)
        QDesktopServices::openUrl(QUrl::fromLocalFile(selectedFullPath()));
}

void MediaTab::editComment() {
    if (list_.selected() < 0)
        return;
    const QString full = selectedFullPath();
    const QString file = CommentFilePath(full);
    const std::optional<QString> text = commentEditor_->edit(
        CommentEditorCaption(messages_, full), ReadCommentFile(file).value_or(QString()));
    if (!text)
        return;
    if (const Status written = WriteCommentFile(file, *text, messages_); !written)
        prompts_.tell(MessageIcon::Error, messages_.text(Msg::mError), written.message());
    refreshPreview();
}

void MediaTab::renameOrMove() {
    if (!renameDialog_ || list_.selected() < 0)
        return;
    const QString from = list_.entries()[list_.selected()];
    QString proposed = from;
    for (;;) {
        const std::optional<QString> to = renameDialog_->ask(from, proposed);
        if (!to)
            return;
        proposed = *to;
        // Undo may come long after this editor closed: the report goes to the
        // program's own prompts.
        const RenameResult result = RenameMediaFile(
            session_, from, *to, [this] { preview_->releaseFile(); },
            [&prompts = prompts_, &messages = messages_](const QString &text) {
                prompts.tell(MessageIcon::Error, messages.text(Msg::mError), text);
            });
        switch (result.outcome) {
            case RenameOutcome::Unchanged:
                return;
            case RenameOutcome::EmptyDestination:
                prompts_.tell(MessageIcon::Error, messages_.text(Msg::mWrongDestination),
                              messages_.text(Msg::mSpecifyDestination));
                continue;
            case RenameOutcome::Semicolon:
                prompts_.tell(MessageIcon::Error, messages_.text(Msg::mWrongDestination),
                              messages_.text(Msg::mMediaPathSemicolon) + QLatin1Char('\n') + *to);
                continue;
            case RenameOutcome::CopyFailed:
                prompts_.tell(MessageIcon::Error, messages_.text(Msg::mUnableToCopy),
                              messages_.text(Msg::mCheckDestination));
                continue;
            case RenameOutcome::SourceMissing:
                prompts_.tell(MessageIcon::Error, messages_.text(Msg::mError),
                              messages_.text(Msg::mMediaFileMissing).arg(from));
                return;
            case RenameOutcome::NoDocumentFile:
                prompts_.tell(MessageIcon::Error, messages_.text(Msg::mError),
                              messages_.text(Msg::mSaveBeforeRename));
                return;
            case RenameOutcome::Done:
                break;
        }
        if (!result.oldFileRemoved)
            prompts_.tell(MessageIcon::Warning, messages_.text(Msg::mUnableToRemove),
                          messages_.text(Msg::mRemoveManually));
        if (!result.savedDocumentError.isEmpty())
            prompts_.tell(MessageIcon::Error, messages_.text(Msg::mError),
                          result.savedDocumentError);
        if (!result.undoable)
            prompts_.tell(MessageIcon::Information, messages_.text(Msg::mKinvarro),
                          messages_.text(Msg::mRenameNotUndoable));
        list_.replaceAll(from, *to);
        refreshList();
        rebuildTree();
        locateInTree(*to);
        return refreshPreview();
    }
}

bool MediaTab::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
        const int step = key->key() == Qt::Key_Up ? -1 : 1;
        const int next = list_.selected() + step;
        if (next >= 0 && next < list_.entries().size())
            selectEntry(next);
        return true;
    }
    if (watched == preview_->commentView() && !key->text().isEmpty() && key->text()[0].isPrint() &&
        key->modifiers() == Qt::NoModifier) {
        editComment();
        return true;
    }
    return false;
}

}  // namespace kinvarro
