#include "ui/import_layout_dialog.h"

#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "settings/message_table.h"

namespace kinvarro {

ImportLayoutDialog::ImportLayoutDialog(const MessageTable &messages, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ImportLayout"));
    setWindowTitle(messages.text(Msg::mImportLayout));
    auto *layout = new QVBoxLayout(this);
    rbGenerations = new QRadioButton(messages.text(Msg::mImportByGenerations), this);
    rbGenerations->setObjectName(QStringLiteral("rbGenerations"));
    rbRows = new QRadioButton(messages.text(Msg::mImportInRows), this);
    rbRows->setObjectName(QStringLiteral("rbRows"));
    layout->addWidget(rbGenerations);
    layout->addWidget(rbRows);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::optional<ImportLayout> ImportLayoutDialog::choose(ImportLayout last) {
    QRadioButton *chosen = last == ImportLayout::Generations ? rbGenerations : rbRows;
    chosen->setChecked(true);
    chosen->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return rbGenerations->isChecked() ? ImportLayout::Generations : ImportLayout::Rows;
}

}  // namespace kinvarro
