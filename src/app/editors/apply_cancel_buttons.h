#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;

namespace kinvarro {

/// The right-aligned "Применить" (`bApply`, accepts) and cancel (`bCancel`,
/// rejects) buttons the editors end with. `enterApplies` keeps Enter from
/// pressing them when false, for windows whose fields take Enter themselves.
QHBoxLayout *makeApplyCancelButtons(QDialog *dialog, const QString &cancelCaption,
                                    bool enterApplies);

}  // namespace kinvarro
