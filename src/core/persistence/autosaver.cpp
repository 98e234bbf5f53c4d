#include "persistence/autosaver.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <QUndoStack>
#include <algorithm>
#include <atomic>
#include <cstdlib>

#include "persistence/autosave_files.h"
#include "persistence/native_format.h"

namespace kinvarro {
namespace {

// Tells the unnamed charts of one process apart.
std::atomic<int> nextSerial{1};

}  // namespace

int autosaveIntervalSeconds(int stored) {
    bool ok = false;
    const int forced = qEnvironmentVariableIntValue("KINVARRO_AUTOSAVE_SECONDS", &ok);
    const int seconds = ok ? forced : stored;
    // A day is more than anyone waits; it also keeps the milliseconds within an int.
    return std::clamp(seconds, 0, 24 * 60 * 60);
}

Autosaver::Autosaver(DocumentSession &session, QString folder, int intervalSeconds, QObject *parent)
    : QObject(parent), session_(session), folder_(std::move(folder)), serial_(nextSerial++) {
    writer_.setMaxThreadCount(1);
    timer_.setSingleShot(true);
    timer_.setInterval(intervalSeconds * 1000);
    connect(&timer_, &QTimer::timeout, this, &Autosaver::writeNow);
    if (intervalSeconds > 0)
        connect(&session_, &DocumentSession::changed, this, &Autosaver::onChanged);
}

Autosaver::~Autosaver() {
    discard();
}

QString Autosaver::currentFile() const {
    return autosaveFileFor(folder_, session_.doc().CurrentFileName,
                           QCoreApplication::applicationPid(), serial_);
}

void Autosaver::onChanged(DocumentChanges what) {
    if (what.testFlag(DocumentChange::Replaced) || !session_.modified()) {
        // Saved, opened or new: the copy describes work that is gone or kept.
        discard();
        if (!session_.modified())
            return;
    }
    if (what & (DocumentChange::Elements | DocumentChange::Structure | DocumentChange::Settings |
                DocumentChange::Info)) {
        if (!timer_.isActive())
            timer_.start();
    } else if (what.testFlag(DocumentChange::Replaced) && !timer_.isActive()) {
        // An import or a recovered chart is unsaved work from the start.
        timer_.start();
    }
}

void Autosaver::writeNow() {
    timer_.stop();
    if (!session_.modified())
        return;
    AutosaveEntry entry;
    entry.file = currentFile();
    entry.originalPath = session_.doc().CurrentFileName;
    entry.pid = QCoreApplication::applicationPid();
    entry.host = QSysInfo::machineHostName();
    entry.time = QDateTime::currentDateTimeUtc();
    entry.changes = unsavedChanges();
    // The snapshot: the encoding is all the editing has to wait for.
    QByteArray bytes;
    if (Status st = writeNativeDocument(session_.doc(), bytes); !st) {
        emit writeFailed(st.message());
        return;
    }
    waitForWrite();
    if (!written_.isEmpty() && written_ != entry.file)
        removeAutosave(written_);
    written_ = entry.file;
    // The worker gets its own copy of the texts: the language may change meanwhile.
    writer_.start([this, entry, bytes = std::move(bytes), messages = session_.messages()] {
        if (Status st = writeAutosave(entry, bytes, messages); !st)
            QMetaObject::invokeMethod(
                this, [this, message = st.message()] { emit writeFailed(message); },
                Qt::QueuedConnection);
    });
}

void Autosaver::discard() {
    timer_.stop();
    waitForWrite();
    if (!written_.isEmpty())
        removeAutosave(written_);
    written_.clear();
}

int Autosaver::unsavedChanges() const {
    // Undo steps, not change signals: one move reports several changes.
    const QUndoStack &steps = session_.undoStack();
    const int clean = steps.cleanIndex();
    return clean < 0 ? steps.index() : std::abs(steps.index() - clean);
}

void Autosaver::waitForWrite() {
    writer_.waitForDone();
}

}  // namespace kinvarro
