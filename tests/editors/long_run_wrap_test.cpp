#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include "editors/long_run_wrap.h"

using namespace kinvarro;

namespace {

const QString kWords = QStringLiteral("Родился в Твери, учился в Москве. ").repeated(100);
const QString kLongRun = QString(kLongestRunWrappedAtWords + 1, QLatin1Char('x'));
// Lines break between ideographs, so Chinese without blanks is not one long run.
const QString kChinese = QString::fromUtf8("李家族史").repeated(1000);

QTextOption::WrapMode wrapMode(const QTextDocument &doc) {
    return doc.defaultTextOption().wrapMode();
}

}  // namespace

TEST(LongRunWrap, OnlyARunTooLongForWordWrappingWrapsAnywhere) {
    struct Case {
        QString text;
        QTextOption::WrapMode mode;
    };
    const Case cases[] = {
        {kWords, QTextOption::WrapAtWordBoundaryOrAnywhere},
        {kChinese, QTextOption::WrapAtWordBoundaryOrAnywhere},
        {kLongRun.left(kLongestRunWrappedAtWords), QTextOption::WrapAtWordBoundaryOrAnywhere},
        {kLongRun, QTextOption::WrapAnywhere},
        {kWords + QLatin1Char('\n') + kWords + kLongRun + kWords, QTextOption::WrapAnywhere},
    };
    QTextDocument doc;
    for (const Case &c : cases) {
        doc.setPlainText(c.text);
        fitWrapModeToText(doc);
        EXPECT_EQ(wrapMode(doc), c.mode) << c.text.left(40).toStdString();
    }
    EXPECT_EQ(LongestUnbreakableRun(QStringLiteral("ab cd")), 3);
    EXPECT_EQ(LongestUnbreakableRun(kLongRun), kLongRun.size());
}

TEST(LongRunWrap, PastingALongRunSwitchesBeforeTheLayoutAndTypingDoesNot) {
    QTextDocument doc;
    doc.documentLayout();  // as in an edit field: changes are reported only with a layout
    doc.setPlainText(kWords);
    fitWrapModeToText(doc);
    keepLongRunsWrapping(doc);
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("Ещё немного слов"));
    EXPECT_EQ(wrapMode(doc), QTextOption::WrapAtWordBoundaryOrAnywhere);

    // A run grown across the change: half before it, half pasted.
    cursor.insertText(kLongRun.left(600));
    EXPECT_EQ(wrapMode(doc), QTextOption::WrapAtWordBoundaryOrAnywhere);
    cursor.insertText(kLongRun.left(600));
    EXPECT_EQ(wrapMode(doc), QTextOption::WrapAnywhere);

    // A new text without the run wraps at words again.
    doc.setPlainText(kWords);
    fitWrapModeToText(doc);
    EXPECT_EQ(wrapMode(doc), QTextOption::WrapAtWordBoundaryOrAnywhere);
}
