#include <gtest/gtest.h>
#include <cstdio>
#include <random>

#include "markup/markup_html.h"
#include "markup/markup_value.h"
#include "test_support.h"

using namespace kinvarro;

namespace {

std::string html(std::string_view markup) {
    return MarkupToHtml(markup);
}

TEST(MarkupToHtml, DocumentedCases) {
    EXPECT_EQ(html(""), "<p align=left>");
    EXPECT_EQ(html("<`S=10><`F=Arial><`C=0>Hi"), "<p align=left><font color=#000000>Hi</font>");
    EXPECT_EQ(html("<`C=255>a<`C=16711680>b"),
              "<p align=left><font color=#FF0000>a</font><font color=#0000FF>b</font>");
    EXPECT_EQ(html("<`C=-2147483640>x"), "<p align=left><font color=#080000>x</font>");
    EXPECT_EQ(html("<C>x"), "<p align=left><CENTER>x");
    EXPECT_EQ(html("<R>x<L>y"), "<p align=left><p align=right>x<p align=left>y");
    EXPECT_EQ(html("<B>b</B>"), "<p align=left><B>b</B>");
}

TEST(MarkupToHtml, LineBreaksAndOtherTextPassUnchanged) {
    EXPECT_EQ(html("a\r\nb\nc\rd"), "<p align=left>a\r\nb\nc\rd");
    EXPECT_EQ(html("<I>i</I><U>u</U>"), "<p align=left><I>i</I><U>u</U>");
    EXPECT_EQ(html(std::string("Иван\r\n<`F=Arial Cyr>Пётр")),
              std::string("<p align=left>Иван\r\nПётр"));
    EXPECT_EQ(html(std::string("a\0<C>b", 6)), std::string("<p align=left>a\0<CENTER>b", 25));
}

TEST(MarkupToHtml, EveryColourButTheFirstClosesTheOneBefore) {
    EXPECT_EQ(html("<`C=65280>a<`C=$FF>b\r\n<`C=16777215>c<`C=-1>"),
              "<p align=left><font color=#00FF00>a</font><font color=#FF0000>b\r\n"
              "</font><font color=#FFFFFF>c</font><font color=#FFFFFF></font>");
    EXPECT_EQ(html("<`C=1193046>x"), "<p align=left><font color=#563412>x</font>");
}

TEST(MarkupToHtml, TagWithoutClosingReachesTheEnd) {
    EXPECT_EQ(html("a<`F=Times"), "<p align=left>a");
    EXPECT_EQ(html("a<`S=12\r\n<C"), "<p align=left>a");
    EXPECT_EQ(html("a<`S=12<C>b"), "<p align=left>ab");  // the first ">" closes it
    EXPECT_EQ(html("<`C=255>a<`C=65280"),
              "<p align=left><font color=#FF0000>a</font><font color=#00FF00></font>");
    EXPECT_EQ(html("a<`C=25 5\r\n"), "<p align=left>a&lt;`C=25 5\r\n");
}

TEST(MarkupToHtml, RemovalsThatFormNewTagsAreSearchedAgain) {
    EXPECT_EQ(html("<`<`F=x>F=y>z"), "<p align=left>z");
    EXPECT_EQ(html("<`<`F=a>S=1>b"), "<p align=left>b");
    EXPECT_EQ(html("<<`S=1>`C=255>x"), "<p align=left><font color=#FF0000>x</font>");
    EXPECT_EQ(html("<<`F=f>C>x<<`S=2>L>"), "<p align=left><CENTER>x<p align=left>");
    EXPECT_EQ(html("<`C=1<`F=>2>x"), "<p align=left><font color=#0C0000>x</font>");
    EXPECT_EQ(html("<`F=<`F=a>b>c"), "<p align=left>b&gt;c");
}

TEST(MarkupToHtml, TextThatHtmlWouldReadAsMarkupIsEscaped) {
    const std::pair<std::string, std::string> cases[] = {
        {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"a & b \"c\" <b>x</b> <X>", "a &amp; b &quot;c&quot; &lt;b&gt;x&lt;/b&gt; &lt;X&gt;"},
        {"x > y", "x &gt; y"},
        {"&lt;", "&amp;lt;"},
        {"<B", "&lt;B"},
        {"<<B>>", "&lt;<B>&gt;"},
        {"<`C=255><img src=x onerror=\"y\">",
         "<font color=#FF0000>&lt;img src=x "
         "onerror=&quot;y&quot;&gt;</font>"},
        {"<CENTER>", "&lt;CENTER&gt;"},
        {"<<`F=f>C>", "<CENTER>"},
    };
    for (const auto &[markup, body] : cases)
        EXPECT_EQ(html(markup), "<p align=left>" + body) << markup;
}

TEST(MarkupToHtml, ColourThatIsNotAnIntegerIsText) {
    const std::pair<std::string_view, std::string> cases[] = {
        {"<`C=0>a<`C=red>b", "<font color=#000000>a&lt;`C=red&gt;b</font>"},
        {"<`C=>", "&lt;`C=&gt;"},
        {"<`C=abc", "&lt;`C=abc"},
        // The next tag counts from right after the refused one, as the reader reads it.
        {"<`C=<`C=255>x", "&lt;`C=<font color=#FF0000>x</font>"},
        {"<`C=a<B>b>", "&lt;`C=a<B>b&gt;"},
    };
    for (const auto &[markup, body] : cases)
        EXPECT_EQ(html(markup), "<p align=left>" + body) << markup;
    // Face and size values are dropped unread.
    EXPECT_EQ(html("<`S=big><`F=>x"), "<p align=left>x");
}

// The plain way: repeated first-occurrence searches from the start, with a
// mark ('E') on every character an element put there; the unmarked rest is
// text, escaped at the end.
std::string referenceHtml(std::string_view markup) {
    std::string t = "<p align=left>" + std::string(markup);
    std::string marks = std::string(14, 'E') + std::string(markup.size(), 't');
    auto replace = [&](std::size_t p, std::size_t n, const std::string &with) {
        t.replace(p, n, with);
        marks.replace(p, std::min(n, marks.size() - p), std::string(with.size(), 'E'));
    };
    for (const char *tag : {"<`F=", "<`S="}) {
        for (std::size_t p; (p = t.find(tag)) != std::string::npos;) {
            const std::size_t close = t.find('>', p);
            replace(p, close == std::string::npos ? std::string::npos : close + 1 - p, "");
        }
    }
    int converted = 0;
    for (std::size_t p, from = 0; (p = t.find("<`C=", from)) != std::string::npos;) {
        const std::size_t close = t.find('>', p);
        const std::string value =
            t.substr(p + 4, close == std::string::npos ? std::string::npos : close - p - 4);
        const std::optional<std::int32_t> colour = parseMarkupInteger(value);
        from = p + 4;
        if (!colour)
            continue;
        const unsigned bgr = unsigned(*colour) & 0xFFFFFF;
        char element[32];
        std::snprintf(element, sizeof element, "<font color=#%.6X>",
                      ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | (bgr >> 16));
        replace(p, close == std::string::npos ? std::string::npos : close + 1 - p,
                (converted > 0 ? "</font>" : "") + std::string(element));
        ++converted;
    }
    const std::pair<const char *, const char *> alignments[] = {
        {"<C>", "<CENTER>"}, {"<L>", "<p align=left>"}, {"<R>", "<p align=right>"}};
    for (const auto &[from, to] : alignments) {
        for (std::size_t p; (p = t.find(from)) != std::string::npos;)
            replace(p, 3, to);
    }
    std::string escaped;
    for (std::size_t p = 0; p < t.size(); ++p) {
        const bool styleTag =
            marks[p] == 't' && (t.compare(p, 3, "<B>") == 0 || t.compare(p, 3, "<I>") == 0 ||
                                t.compare(p, 3, "<U>") == 0);
        const bool closingTag =
            marks[p] == 't' && (t.compare(p, 4, "</B>") == 0 || t.compare(p, 4, "</I>") == 0 ||
                                t.compare(p, 4, "</U>") == 0);
        if (styleTag || closingTag) {
            const std::size_t n = styleTag ? 3 : 4;
            escaped += t.substr(p, n);
            p += n - 1;
        } else if (marks[p] == 'E') {
            escaped += t[p];
        } else if (t[p] == '&') {
            escaped += "&amp;";
        } else if (t[p] == '<') {
            escaped += "&lt;";
        } else if (t[p] == '>') {
            escaped += "&gt;";
        } else if (t[p] == '"') {
            escaped += "&quot;";
        } else {
            escaped += t[p];
        }
    }
    if (converted > 0)
        escaped += "</font>";
    return escaped;
}

TEST(MarkupToHtml, SameAsTheRepeatedSearchOnGeneratedMarkup) {
    const std::vector<std::string> pieces = {
        "<",
        "`",
        "F",
        "S",
        "C",
        "L",
        "R",
        "=",
        ">",
        ">",
        "<`",
        "<`F=",
        "<`S=",
        "<`C=",
        "<`C=",
        "12",
        "-5",
        "$A0",
        "255>",
        "x",
        " ",
        "<C>",
        "<L>",
        "<R>",
        "\r\n",
        "<B>",
        "</B>",
        "<`C=16711680>",
        "<`F=Arial>",
        "<`S=10>",
        std::string("Ж"),
        "&",
        "\"",
        "</",
        "<I>",
        "</U>",
        "<b>",
    };
    std::mt19937 random(5);
    int refusedColours = 0;
    for (int n = 0; n < 20000; ++n) {
        std::string markup;
        const int count = std::uniform_int_distribution<int>(0, 30)(random);
        for (int i = 0; i < count; ++i)
            markup +=
                pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        const std::string expected = referenceHtml(markup);
        ASSERT_EQ(MarkupToHtml(markup), expected) << markup;
        refusedColours += expected.find("&lt;`C=") != std::string::npos ? 1 : 0;
    }
    // Both kinds of colour value were exercised.
    EXPECT_GT(refusedColours, 1000);
    EXPECT_LT(refusedColours, 19000);
}

TEST(MarkupToHtml, LongTextIsConvertedInOnePass) {
    std::string markup, expected = "<p align=left>";
    for (int i = 0; i < 50000; ++i) {
        markup += "<`S=10><`F=Arial><`C=255>word <C>";
        expected += i == 0 ? "" : "</font>";
        expected += "<font color=#FF0000>word <CENTER>";
    }
    expected += "</font>";
    EXPECT_EQ(html(markup), expected);
}

}  // namespace
