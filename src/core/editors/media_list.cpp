#include "editors/media_list.h"

#include "media/media_paths.h"
#include "prompts/prompts.h"
#include "settings/message_table.h"

namespace kinvarro {

void MediaList::setEntries(const QStringList &entries) {
    entries_ = entries;
    selected_ = -1;
}

void MediaList::select(int index) {
    selected_ = (index >= 0 && index < entries_.size()) ? index : -1;
}

int MediaList::add(const QStringList &files, const QString &documentFolder,
                   const MessageTable &messages, Prompts &prompts) {
    const QString refused = messages.text(Msg::mMediaNotAdded);
    bool warned = false;
    int added = 0;
    for (const QString &file : files) {
        if (entries_.size() >= kMaxMedia) {
            prompts.tell(MessageIcon::Error, refused, messages.text(Msg::mMediaListFull));
            break;
        }
        // ";" separates the entries in the document file.
        if (file.contains(QLatin1Char(';'))) {
            prompts.tell(MessageIcon::Error, refused,
                         messages.text(Msg::mMediaPathSemicolon) + '\n' + file);
            continue;
        }
        const MediaEntry entry = MediaEntryFor(file, documentFolder);
        if (!entry.relative && !warned) {
            warned = true;
            prompts.tell(MessageIcon::Warning, messages.text(Msg::mPathWarning),
                         messages.text(Msg::mPathGenerationFail));
        }
        for (const QString &existing : entries_)
            if (existing == entry.entry)
                prompts.tell(MessageIcon::Error, messages.text(Msg::mFileinListWarning), file);
        entries_ << entry.entry;
        selected_ = int(entries_.size()) - 1;
        ++added;
    }
    return added;
}

void MediaList::removeSelected() {
    if (selected_ < 0)
        return;
    entries_.removeAt(selected_);
    if (selected_ >= entries_.size())
        selected_ = int(entries_.size()) - 1;
}

void MediaList::moveSelectedUp() {
    if (selected_ <= 0)
        return;
    entries_.swapItemsAt(selected_, selected_ - 1);
    --selected_;
}

void MediaList::moveSelectedDown() {
    if (selected_ < 0 || selected_ + 1 >= entries_.size())
        return;
    entries_.swapItemsAt(selected_, selected_ + 1);
    ++selected_;
}

void MediaList::replaceAll(const QString &from, const QString &to) {
    for (QString &entry : entries_) {
        if (entry == from)
            entry = to;
    }
}

}  // namespace kinvarro
