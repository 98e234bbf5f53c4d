#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include "edit/document_session.h"

namespace kinvarro {

/// Seconds between autosaves: `KINVARRO_AUTOSAVE_SECONDS` when set to a number,
/// else `stored`; 0 turns autosave off.
int autosaveIntervalSeconds(int stored);

/// Keeps a copy of the open document's unsaved work in the autosave folder.
/// The first edit after a save or a write starts the interval; when it ends the
/// document is encoded at once (a snapshot) and the bytes are written on a
/// worker thread, so editing goes on meanwhile. The copy goes away when the
/// document is saved, replaced, or the autosaver ends with the program.
class Autosaver : public QObject {
    Q_OBJECT
  public:
    Autosaver(DocumentSession &session, QString folder, int intervalSeconds,
              QObject *parent = nullptr);
    /// A clean end: the copy is not needed any more.
    ~Autosaver() override;

    /// The file the copy goes to for the document as it is named now.
    QString currentFile() const;
    /// Edit steps between the document as saved and as it is now.
    int unsavedChanges() const;
    bool pending() const { return timer_.isActive(); }

    /// Writes the copy now if there is unsaved work (the interval's end).
    void writeNow();
    /// Removes the copy: the changes were saved or the user discarded them.
    void discard();
    /// Waits for the write in progress, if any.
    void waitForWrite();

  signals:
    /// A write failed; the next interval tries again.
    void writeFailed(const QString &message);

  private:
    void onChanged(DocumentChanges what);

    DocumentSession &session_;
    QString folder_;
    QTimer timer_;
    QThreadPool writer_;
    QString written_;  ///< the file last written, to remove when the name changes
    int serial_;
};

}  // namespace kinvarro
