#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "prompts/prompts.h"

namespace kinvarro {

/// What the font dialog shows and returns, without widgets. The document asks
/// for faces by name ("Arial Cyr") and fontconfig draws them with a substitute;
/// the dialog keeps the requested name unless the user picks another face, so
/// that accepting it unchanged never swaps the name for the substitute's.
class FontDialogState {
  public:
    static constexpr int kSmallestSize = 1;
    static constexpr int kLargestSize = 999;

    /// `installed` are the faces on offer (see ScalableFaces).
    FontDialogState(const FontChoice &initial, const QStringList &installed);

    /// The face list: the installed faces, sorted, and the requested face among
    /// them when no installed one has its name.
    const QStringList &faces() const { return faces_; }
    /// The row of the face the dialog opened with.
    int initialFaceRow() const { return initialRow_; }
    int faceRow() const { return row_; }
    /// The user picked the face in `row`; an invalid row changes nothing.
    void pickFace(int row);
    /// The face that accepting stores.
    QString face() const;

    /// The sizes the size list offers.
    static const std::vector<int> &standardSizes();
    int size() const { return size_; }
    /// Takes a size typed or picked; false (and no change) for anything but a
    /// whole number of points in the allowed range.
    bool setSizeText(const QString &text);

    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    TColor colour = 0;

    /// The dialog's answer when accepted.
    FontChoice result() const;

  private:
    QString requested_;
    QStringList faces_;
    int initialRow_ = 0;
    int row_ = 0;
    int size_ = 10;
};

/// The scalable faces installed on this machine.
QStringList ScalableFaces();

}  // namespace kinvarro
