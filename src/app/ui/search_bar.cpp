#include "ui/search_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace kinvarro {

SearchBar::SearchBar(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("PanelSearch"));
    setFixedHeight(kHeight);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 6, 4);

    LabelSearch = new QLabel(QStringLiteral("Имя:"), this);
    LabelSearch->setObjectName(QStringLiteral("LabelSearch"));
    eSearch = new QLineEdit(this);
    eSearch->setObjectName(QStringLiteral("eSearch"));
    LabelSearch->setBuddy(eSearch);
    sbSearch = new QToolButton(this);
    sbSearch->setObjectName(QStringLiteral("sbSearch"));
    sbSearch->setText(QStringLiteral("Найти"));
    sbSearch->setFocusPolicy(Qt::NoFocus);
    cbExtendedSearch = new QCheckBox(QStringLiteral("искать и в описании элемента"), this);
    cbExtendedSearch->setObjectName(QStringLiteral("cbExtendedSearch"));
    cbExtendedSearch->setChecked(true);

    row->addWidget(LabelSearch);
    row->addWidget(eSearch, 1);
    row->addWidget(sbSearch);
    row->addWidget(cbExtendedSearch);

    connect(sbSearch, &QToolButton::clicked, this, &SearchBar::searchRequested);
    connect(eSearch, &QLineEdit::returnPressed, this, &SearchBar::searchRequested);
    connect(eSearch, &QLineEdit::textChanged, this, &SearchBar::queryChanged);
}

QString SearchBar::query() const {
    return eSearch->text();
}

bool SearchBar::extended() const {
    return cbExtendedSearch->isChecked();
}

void SearchBar::open() {
    show();
    eSearch->setFocus();
    // Typing replaces the kept text instead of appending to it.
    eSearch->selectAll();
}

}  // namespace kinvarro
