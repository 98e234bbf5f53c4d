#pragma once

#include <QMetaObject>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFormat>
#include <cstdint>

#include "model/tnode.h"

class QTextDocument;

namespace kinvarro {

/// Paragraph alignment as the markup names it; `Other` is any alignment the
/// markup has no tag for (justified, ...).
enum class Alignment { Left, Right, Centre, Other };

/// The character attributes of the markup. The face is Unicode:
/// this is the Qt boundary; the markup writer converts it to document text.
/// Size and colour are the raw markup values (any 32-bit integer).
struct CharAttributes {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QString face = QStringLiteral("Arial");
    std::int32_t size = 10;
    TColor colour = 0;

    bool operator==(const CharAttributes &) const = default;
};

/// The colour a document's characters without a colour of their own are shown
/// and written in, 0x00BBGGRR; black unless set.
void SetDefaultTextColour(QTextDocument &document, TColor colour);
TColor DefaultTextColour(const QTextDocument &document);

/// The markup attributes of a character format in `document`, unset
/// attributes taken from the document's defaults as `RichTextDocument` reads them.
CharAttributes FormatAttributes(const QTextDocument &document, const QTextCharFormat &format);

/// What `RichTextDocument::attributesAt` reports for one character position.
struct PositionAttributes {
    CharAttributes character;
    Alignment alignment = Alignment::Left;
    /// End (exclusive) of the run holding the position: every position up to
    /// it reports the same attributes and alignment.
    qsizetype runEnd = 0;
};

/// The rich text of an editing control as the markup sees it, over a
/// `QTextDocument` it does not own. Positions count a paragraph break as the
/// two characters CR LF; a line break inside a paragraph (U+2028, what
/// Shift+Enter inserts) is the one character LF.
///
/// A paragraph break reports, at both its positions, the character format the
/// next paragraph was opened with (`QTextBlock::charFormat()`) and the
/// alignment of the paragraph it ends.
///
/// Sizes and colours the display cannot hold (a size outside 1..1638, a colour
/// with bits above the low 24) keep their raw markup value in a user property
/// beside the displayed one; the raw value is reported as long as the displayed
/// one is still what it implies, so an edit made in the control wins.
/// Bold is a weight of DemiBold or more. Attributes a format leaves unset
/// report the document's default font (family, size, weight, style) and its
/// default text colour (see `SetDefaultTextColour`). The adapter is not thread-safe: reading keeps
/// a walk position.
class RichTextDocument {
  public:
    /// Raw markup size kept when the display cannot show it.
    static constexpr int kRawSizeProperty = QTextFormat::UserProperty + 0x5101;
    /// Raw markup colour kept when it has bits above the low 24.
    static constexpr int kRawColourProperty = QTextFormat::UserProperty + 0x5102;
    /// The face again, as a plain string: see `SetFace`.
    static constexpr int kFaceProperty = QTextFormat::UserProperty + 0x5103;
    /// Largest size shown as given; larger or non-positive sizes are kept raw.
    static constexpr int kMaxDisplaySize = 1638;

    /// Gives `format` the face. Qt hashes a family list by its length only, so
    /// each new format of a text in thousands of faces was compared with every
    /// earlier one; the face is kept a second time as a string, which Qt hashes whole.
    static void SetFace(QTextCharFormat &format, const QString &face);

    explicit RichTextDocument(QTextDocument &document);
    ~RichTextDocument();
    RichTextDocument(const RichTextDocument &) = delete;
    RichTextDocument &operator=(const RichTextDocument &) = delete;

    /// While a load lives, the runs appended to the document are one edit: it
    /// reports one change, so its layout and its watchers see the text once
    /// instead of once per run, and it keeps nothing to undo, as a text read
    /// from markup is where editing starts.
    class Load {
      public:
        explicit Load(RichTextDocument &doc);
        ~Load();
        Load(const Load &) = delete;
        Load &operator=(const Load &) = delete;

      private:
        QTextDocument &document_;
        bool undo_;
        QTextCursor cursor_;
    };

    /// Removes all content (and the undo history).
    void clear();

    /// The text with CR LF between paragraphs.
    QString plainText() const;
    /// Length of `plainText()`.
    qsizetype length() const;

    /// Gives the last paragraph `alignment`, then appends `text` with
    /// `attributes`. In `text` CR LF opens a new paragraph (which keeps the
    /// alignment), a lone LF is a line break inside the paragraph and a lone
    /// CR is dropped; U+2029, U+FDD0 and U+FDD1, which QTextDocument takes as
    /// paragraph or frame breaks, become U+FFFD.
    void appendRun(Alignment alignment, QStringView text, const CharAttributes &attributes);

    /// Attributes of the character at `position` (0 <= position < length())
    /// and the alignment of its paragraph. Reading positions in increasing
    /// order costs amortised constant time; going back restarts the walk at
    /// the first paragraph.
    PositionAttributes attributesAt(qsizetype position) const;

  private:
    struct Walk {
        bool valid = false;
        QTextBlock block;
        qsizetype blockStart = 0;
        QTextBlock::iterator fragment;
        qsizetype fragmentStart = 0;
    };

    void invalidate() const { walk_.valid = false; }

    QTextDocument &document_;
    QMetaObject::Connection changed_;
    mutable Walk walk_;
};

}  // namespace kinvarro
