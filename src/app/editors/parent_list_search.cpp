#include "editors/parent_list_search.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QListView>

namespace kinvarro {

ParentListSearch::ParentListSearch(const char *name, QComboBox *list, QWidget *parent)
    : QLineEdit(parent), list_(list) {
    setObjectName(QLatin1String(name));
    setToolTip(QStringLiteral("Найти по имени"));
    setClearButtonEnabled(true);
    connect(this, &QLineEdit::textChanged, this, &ParentListSearch::narrow);
}

void ParentListSearch::reset(const Document &doc) {
    filter_ = ParentListFilter(doc);
    clear();
    narrow();
}

bool ParentListSearch::event(QEvent *event) {
    // The language file sets the hint; the empty field shows the same words.
    if (event->type() == QEvent::ToolTipChange)
        setPlaceholderText(toolTip());
    return QLineEdit::event(event);
}

void ParentListSearch::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down) {
        list_->showPopup();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ParentListSearch::narrow() {
    auto *view = qobject_cast<QListView *>(list_->view());
    if (!view)
        return;
    std::vector<bool> shown(std::size_t(list_->count()), false);
    for (int item : filter_.shownItems(text())) {
        if (item < list_->count())
            shown[std::size_t(item)] = true;
    }
    for (int row = 0; row < list_->count(); ++row)
        view->setRowHidden(row, !shown[std::size_t(row)]);
}

}  // namespace kinvarro
