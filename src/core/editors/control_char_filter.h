#pragma once

class QTextDocument;

namespace kinvarro {

/// From now on every control character other than tab and the line ends that
/// is typed, pasted or dropped into `doc` is taken out again at once.
void keepControlCharsOut(QTextDocument &doc);

}  // namespace kinvarro
