#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "common/status.h"

class QTextDocument;

namespace kinvarro {

/// Default face and size of a person's description field.
void SetDefaultDescriptionFormat(QTextDocument &doc);

/// Deletes empty last lines while more than one line is left.
void RemoveTrailingEmptyLines(QTextDocument &doc);

/// Replaces the content of `doc` with the rich text read from `markup`.
void LoadDescription(std::string_view markup, QTextDocument &doc);

/// The markup of `doc`.
std::string DescriptionMarkup(const QTextDocument &doc);

}  // namespace kinvarro
