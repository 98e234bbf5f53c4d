#include "editors/apply_cancel_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace kinvarro {

QHBoxLayout *makeApplyCancelButtons(QDialog *dialog, const QString &cancelCaption,
                                    bool enterApplies) {
    auto *apply = new QPushButton(QStringLiteral("Применить"), dialog);
    apply->setObjectName(QStringLiteral("bApply"));
    auto *cancel = new QPushButton(cancelCaption, dialog);
    cancel->setObjectName(QStringLiteral("bCancel"));
    if (!enterApplies) {
        apply->setAutoDefault(false);
        cancel->setAutoDefault(false);
    }
    QObject::connect(apply, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    return buttons;
}

}  // namespace kinvarro
