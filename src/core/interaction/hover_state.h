#pragma once

#include <QPoint>
#include <QString>
#include <string>

namespace kinvarro {

class Document;

/// What the pointer rests on, written by the chart's mouse handling and read
/// by the hover hints when `TimerHint` fires.
struct HoverState {
    /// `HintText` after the pointer has left all elements.
    static constexpr const char *kNoInformation = "<-no information->";

    std::string HintText = kNoInformation;  ///< markup of the hinted element's description
    int HintNode = -1;
    QString HintPicturePath;  ///< full path of the picture to show, empty for none
    QPoint HintAnchor;        ///< chart-area pixels where the hint was requested
};

/// The hint operations the mouse handling calls; the hover hints own the
/// timer and the windows behind them.
class HintHooks {
  public:
    virtual ~HintHooks() = default;

    /// Switches `TimerHint` on; a running timer keeps its period.
    virtual void startHintTimer() = 0;
    virtual void stopHintTimer() = 0;
    /// Hides the text hint window, and with it the picture hint window.
    virtual void hideTextHint() = 0;
    /// Hides both hint windows.
    virtual void hideHints() = 0;
    /// Gives the next hint fresh windows.
    virtual void PrepareHintWindows() = 0;
    /// Loads the comment of the picture at `path` into the picture hint.
    virtual void LoadPictureComment(const QString &path) = 0;
};

/// Full path of the first picture among element `index`'s media that a hint
/// can show, or empty. A relative entry is taken below the document's folder.
QString HintPicturePathFor(const Document &doc, int index);

}  // namespace kinvarro
