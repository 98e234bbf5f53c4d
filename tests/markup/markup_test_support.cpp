#include "markup/markup_test_support.h"

#include <QTextBlock>

namespace kinvarro {

void PrintTo(Alignment alignment, std::ostream *os) {
    static const char *const kNames[] = {"left", "right", "centre", "other"};
    *os << kNames[int(alignment)];
}

void PrintTo(const CharAttributes &a, std::ostream *os) {
    *os << (a.bold ? "B" : "") << (a.italic ? "I" : "") << (a.underline ? "U" : "") << " \""
        << a.face.toStdString() << "\" " << a.size << "pt colour " << a.colour;
}

namespace test {

void PrintTo(const Span &span, std::ostream *os) {
    QString shown = span.text;
    shown.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    *os << "{\"" << shown.toStdString() << "\" ";
    kinvarro::PrintTo(span.attributes, os);
    *os << ' ';
    kinvarro::PrintTo(span.alignment, os);
    *os << '}';
}

std::vector<Span> spansOf(const RichTextDocument &doc) {
    const QString text = doc.plainText();
    EXPECT_EQ(doc.length(), text.size());
    std::vector<Span> spans;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const PositionAttributes at = doc.attributesAt(i);
        if (spans.empty() || spans.back().attributes != at.character ||
            spans.back().alignment != at.alignment)
            spans.push_back({QString(), at.character, at.alignment});
        spans.back().text += text[i];
    }
    return spans;
}

std::vector<Alignment> paragraphAlignments(const QTextDocument &doc) {
    std::vector<Alignment> alignments;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const Qt::Alignment a = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        alignments.push_back(a == Qt::AlignLeft      ? Alignment::Left
                             : a == Qt::AlignRight   ? Alignment::Right
                             : a == Qt::AlignHCenter ? Alignment::Centre
                                                     : Alignment::Other);
    }
    return alignments;
}

CharAttributes plain() {
    return CharAttributes{};
}
CharAttributes bold(CharAttributes a) {
    a.bold = true;
    return a;
}
CharAttributes italic(CharAttributes a) {
    a.italic = true;
    return a;
}
CharAttributes underline(CharAttributes a) {
    a.underline = true;
    return a;
}
CharAttributes face(QStringView name, CharAttributes a) {
    a.face = name.toString();
    return a;
}
CharAttributes size(int points, CharAttributes a) {
    a.size = points;
    return a;
}
CharAttributes colour(TColor value, CharAttributes a) {
    a.colour = value;
    return a;
}

QString u(const char *utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace test
}  // namespace kinvarro
