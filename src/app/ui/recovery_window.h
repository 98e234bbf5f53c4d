#pragma once

#include <QDialog>

#include "persistence/recovery_offer.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace kinvarro {

class MessageTable;

/// The "Recovery" window: the leftover copies in a list, Recover (the default
/// button), Discard and Later.
class RecoveryWindow : public QDialog, public RecoveryPrompt {
    Q_OBJECT
  public:
    RecoveryWindow(const MessageTable &messages, QWidget *parent = nullptr);
    RecoveryChoice chooseRecovery(const QString &caption, const QString &text,
                                  const QStringList &lines) override;

  private:
    const MessageTable &messages_;
    QLabel *text_;
    QListWidget *list_;
    QPushButton *recover_;
    QPushButton *discard_;
    QPushButton *later_;
    RecoveryChoice::Action action_ = RecoveryChoice::Action::Later;
};

}  // namespace kinvarro
