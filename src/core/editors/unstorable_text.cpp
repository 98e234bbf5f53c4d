#include "editors/unstorable_text.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <vector>

#include "prompts/prompts.h"
#include "settings/message_table.h"
#include "text/cp1251.h"
#include "text/cp1251_fallback.h"

namespace kinvarro {

QString NearestLettersList(const QString &characters) {
    QStringList pairs;
    for (qsizetype i = 0; i < characters.size();) {
        const qsizetype length =
            characters[i].isHighSurrogate() && i + 1 < characters.size() ? 2 : 1;
        const QString one = characters.mid(i, length);
        pairs << one + QStringLiteral(" → ") + WithNearestLetters(one);
        i += length;
    }
    return pairs.join(QStringLiteral(", "));
}

QString WithNearestLetters(const QString &text) {
    return fromCp1251(storeAsCp1251(text));
}

void ReplaceWithNearestLetters(QTextDocument &text) {
    struct Run {
        int position;
        int length;
        QTextCharFormat format;
        QString replacement;
    };
    std::vector<Run> runs;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fitsCp1251(fragment.text())) {
                runs.push_back({fragment.position(), fragment.length(), fragment.charFormat(),
                                WithNearestLetters(fragment.text())});
            }
        }
    }
    // From the end, so that the positions still to come stay valid.
    QTextCursor cursor(&text);
    cursor.beginEditBlock();
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        cursor.setPosition(run->position);
        cursor.setPosition(run->position + run->length, QTextCursor::KeepAnchor);
        cursor.insertText(run->replacement, run->format);
    }
    cursor.endEditBlock();
}

bool AgreeToNearestLetters(Prompts &prompts, const MessageTable &messages,
                           const QString &characters) {
    const QString question =
        messages.text(Msg::mUnstorableCharacters).arg(characters) + QStringLiteral("\n\n") +
        messages.text(Msg::mReplaceWithNearest).arg(NearestLettersList(characters));
    return prompts.ask(messages.text(Msg::mKinvarro), question, false) == Answer::Yes;
}

void TellUnstorable(Prompts &prompts, const MessageTable &messages, const QString &characters) {
    prompts.tell(MessageIcon::Error, messages.text(Msg::mKinvarro),
                 messages.text(Msg::mUnstorableCharacters).arg(characters) + QLatin1Char('\n') +
                     messages.text(Msg::mReplaceOrRemove));
}

}  // namespace kinvarro
