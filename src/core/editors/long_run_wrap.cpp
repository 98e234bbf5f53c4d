#include "editors/long_run_wrap.h"

#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>

namespace kinvarro {
namespace {

void setWrapMode(QTextDocument &doc, QTextOption::WrapMode mode) {
    QTextOption option = doc.defaultTextOption();
    if (option.wrapMode() == mode)
        return;
    option.setWrapMode(mode);
    doc.setDefaultTextOption(option);
}

bool wrapsAnywhere(const QTextDocument &doc) {
    return doc.defaultTextOption().wrapMode() == QTextOption::WrapAnywhere;
}

// Whether the blocks touching [from, to) hold a run that is too long; a run
// that reaches into the change lies within the limit on either side of it.
bool changeBringsLongRun(const QTextDocument &doc, int from, int to) {
    for (QTextBlock block = doc.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        if (block.length() <= kLongestRunWrappedAtWords)
            continue;
        const int start = std::max(0, from - block.position() - kLongestRunWrappedAtWords);
        const int end = std::min(block.length(), to - block.position() + kLongestRunWrappedAtWords);
        if (LongestUnbreakableRun(block.text().mid(start, end - start)) > kLongestRunWrappedAtWords)
            return true;
    }
    return false;
}

}  // namespace

int LongestUnbreakableRun(const QString &text) {
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    int longest = 0;
    qsizetype last = 0;
    for (qsizetype at = breaks.toNextBoundary(); at != -1; at = breaks.toNextBoundary()) {
        longest = std::max(longest, int(at - last));
        last = at;
    }
    return longest;
}

void fitWrapModeToText(QTextDocument &doc) {
    bool longRun = false;
    for (QTextBlock block = doc.begin(); block.isValid() && !longRun; block = block.next()) {
        longRun = block.length() > kLongestRunWrappedAtWords &&
                  LongestUnbreakableRun(block.text()) > kLongestRunWrappedAtWords;
    }
    setWrapMode(doc,
                longRun ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void keepLongRunsWrapping(QTextDocument &doc) {
    // Direct: the document reports a change before it lays the text out.
    QObject::connect(&doc, &QTextDocument::contentsChange, &doc,
                     [&doc](int position, int, int added) {
                         if (added > 0 && !wrapsAnywhere(doc) &&
                             changeBringsLongRun(doc, position, position + added))
                             setWrapMode(doc, QTextOption::WrapAnywhere);
                     });
}

}  // namespace kinvarro
