#pragma once

#include <QDialog>
#include <optional>

#include "prompts/prompts.h"

class QRadioButton;

namespace kinvarro {

class MessageTable;

/// Asks how a GEDCOM tree just read is laid out: by generations or in the import's rows.
class ImportLayoutDialog : public QDialog {
    Q_OBJECT
  public:
    ImportLayoutDialog(const MessageTable &messages, QWidget *parent);

    /// Shows the dialog modally with `last` chosen: the layout accepted, or nullopt.
    std::optional<ImportLayout> choose(ImportLayout last);

    QRadioButton *rbGenerations = nullptr;
    QRadioButton *rbRows = nullptr;
};

}  // namespace kinvarro
