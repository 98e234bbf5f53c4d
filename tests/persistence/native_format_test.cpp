#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtEndian>
#include <functional>
#include <initializer_list>

#include "markup/markup_reader.h"
#include "markup/rich_text_document.h"
#include "persistence/native_format.h"
#include "render/picture_limits.h"
#include "test_support.h"
#include "text/cp1251.h"

using namespace kinvarro;
using namespace std::string_literals;
using kinvarro::test::addPerson;

namespace {

QByteArray encode(const Document &doc) {
    QByteArray bytes;
    const Status st = writeNativeDocument(doc, bytes);
    EXPECT_TRUE(st.ok()) << st.message().toStdString();
    return bytes;
}

Status decode(const QByteArray &bytes, Document &doc, QStringList *warnings = nullptr) {
    doc.ResetSettings();
    return readNativeDocument(bytes, doc, warnings);
}

void putInt32(QByteArray &bytes, int offset, std::int32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char(std::uint32_t(value) >> (8 * i));
}

std::int32_t int32At(const QByteArray &bytes, int offset) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= std::uint32_t(std::uint8_t(bytes[offset + i])) << (8 * i);
    return std::int32_t(value);
}

// Offsets in a file whose chart font is "Arial Cyr".
constexpr int kCountOffset = 8;
constexpr int kBackgroundColorOffset = 24;
constexpr int kPictureFlagsOffset = 28;
constexpr int kLineWidthOffset = 49;
constexpr int kFontNameOffset = 66;
constexpr int kScaleOffset = 105;
constexpr int kFirstRecordOffset = 110;

// Replaces the media list of the element with id 0x0001E240 by `trailer`.
QByteArray withTrailer(const QByteArray &bytes, const std::string &trailer) {
    return bytes.left(bytes.indexOf("0001E240;photo")) + QByteArray::fromStdString(trailer) + '\0';
}

Document richDocument() {
    Document doc;
    const int mother = addPerson(doc, -40, 7, -1, -1, std::string("Мария\r\nИвановна"));
    const int father = addPerson(doc, 200, 0, -1, -1, "Ivan");
    const int child = addPerson(doc, 150, 100, mother, father, std::string("Пётр"));
    tnode &c = doc.NodeTable[child];
    c.id = 0x0001E240;
    c.sex = kSexUnknown;
    c.reserved = 77;
    c.ownColor = 0x123456;
    c.font = {"Times New Roman", 12, 204, 0x0000FF, kStyleBold | kStyleItalic};
    c.description = "<B>born</B> 1901";
    c.fatherImportance = 4;
    c.motherImportance = 0;
    c.media = {"photo.jpg", "", std::string("письма\\note.txt")};
    doc.MeasureNameExtent(child);
    doc.NodeTable[father].kind = kHistoricalEvent;
    doc.NodeTable[mother].media = {"a.png"};
    doc.settings.lineWidth = 3;
    doc.settings.scale = 0.75f;
    return doc;
}

}  // namespace

TEST(NativeFormat, AnEmptyDocumentIs110BytesAndReadsBackUnchanged) {
    Document doc;
    const QByteArray bytes = encode(doc);
    ASSERT_EQ(bytes.size(), 110);
    EXPECT_EQ(bytes.left(4), QByteArray("KVR\x02"));
    EXPECT_EQ(int32At(bytes, kCountOffset), 0);
    EXPECT_EQ(int32At(bytes, kBackgroundColorOffset), 0xE6E6E6);
    EXPECT_EQ(bytes.mid(kPictureFlagsOffset, 4), QByteArray("\0\0\0\1", 4));
    EXPECT_EQ(bytes[kLineWidthOffset], 1);
    EXPECT_EQ(bytes.mid(kFontNameOffset, 10), QByteArray("Arial Cyr\0", 10));
    EXPECT_EQ(int32At(bytes, kScaleOffset), 100);
    EXPECT_EQ(bytes[109], '\0');

    Document loaded;
    loaded.settings.lineWidth = 3;
    ASSERT_TRUE(decode(bytes, loaded).ok());
    EXPECT_EQ(loaded.NodeTable.NodeCount(), 0);
    EXPECT_EQ(encode(loaded), bytes);
}

TEST(NativeFormat, ElementsSettingsAndMediaRoundTrip) {
    Document doc = richDocument();
    RichTextDocument info(doc.info());
    MarkupToRichText(std::string("<B>Семья</B>\r\n<C>since 1900"), info);
    const QByteArray bytes = encode(doc);

    Document loaded;
    ASSERT_TRUE(decode(bytes, loaded).ok());
    ASSERT_EQ(loaded.NodeTable.NodeCount(), 3);
    for (int i = 0; i < 3; ++i) {
        tnode expected = doc.NodeTable[i];
        std::erase(expected.media, std::string());  // a save packs the media list
        EXPECT_EQ(loaded.NodeTable[i], expected) << "element " << i;
        EXPECT_EQ(loaded.NodeTable.nameExtent(i), doc.NodeTable.nameExtent(i));
    }
    EXPECT_EQ(loaded.settings.lineWidth, 3);
    EXPECT_EQ(loaded.settings.scale, 0.75f);
    EXPECT_EQ(loaded.info().toPlainText(), doc.info().toPlainText());
    EXPECT_EQ(encode(loaded), bytes);
}

// A chart in Windows-1251 is written as version 2, byte for byte as before:
// the shipped example reads and writes back unchanged.
TEST(NativeFormat, Windows1251ChartsAreWrittenAsBefore) {
    QFile example(QStringLiteral(KINVARRO_EXAMPLES "/family.kvr"));
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    const QByteArray bytes = example.readAll();
    ASSERT_TRUE(bytes.startsWith("KVR\x02"));
    Document loaded;
    ASSERT_TRUE(decode(bytes, loaded).ok());
    EXPECT_EQ(encode(loaded), bytes);
}

// Names in many scripts: version 3 with UTF-8 texts, every letter back.
TEST(NativeFormat, TextsOfEveryScriptRoundTripAsVersion3) {
    const char *const names[] = {
        "Zoë Müller", "Marie-Thérèse", "Łucja Wójcik", "Σωκράτης", "Иван Петров Ñ",
        "אברהם",      "محمد",          "देवनागरी",      "李小龍",   "𐌰 beyond the plane",
    };
    for (const char *name : names) {
        SCOPED_TRACE(name);
        Document doc = richDocument();
        tnode &person = doc.NodeTable[0];
        person.name = std::string(name) + "\r\n" + name;
        person.description = std::string("<B>") + name + "</B> 1901";
        person.media = {std::string("Fotos/") + name + ".jpg"};
        person.font.name = name;
        doc.settings.chartFont.name = std::string("Noto ") + name;
        RichTextDocument info(doc.info());
        MarkupToRichText(std::string("<C>") + name, info);
        const QByteArray bytes = encode(doc);
        EXPECT_TRUE(bytes.startsWith("KVR\x03"));

        Document loaded;
        ASSERT_TRUE(decode(bytes, loaded).ok());
        EXPECT_EQ(loaded.NodeTable[0], doc.NodeTable[0]);
        EXPECT_EQ(loaded.settings.chartFont.name, doc.settings.chartFont.name);
        EXPECT_EQ(loaded.info().toPlainText(), QString::fromUtf8(name));
        EXPECT_EQ(encode(loaded), bytes);
    }
}

// A version 3 file with broken UTF-8 still opens; the broken bytes show as
// replacement characters and the chart saves as valid UTF-8.
TEST(NativeFormat, InvalidUtf8InAVersion3FileBecomesReplacementCharacters) {
    Document doc = richDocument();
    doc.NodeTable[1].name = "Zo\xC3\xAB";
    QByteArray bytes = encode(doc);
    ASSERT_TRUE(bytes.startsWith("KVR\x03"));
    bytes.replace(QByteArray("Zo\xC3\xAB"), QByteArray("Zo\xC3\x28"));
    Document loaded;
    ASSERT_TRUE(decode(bytes, loaded).ok());
    EXPECT_EQ(loaded.NodeTable[1].name, "Zo\xEF\xBF\xBD(");
}

TEST(NativeFormat, MediaTrailerFormat) {
    Document doc = richDocument();
    const QByteArray bytes = encode(doc);
    EXPECT_TRUE(bytes.endsWith(QByteArray("0001E240;photo.jpg;") +
                               QByteArray::fromStdString(toCp1251(u"письма\\note.txt")) +
                               QByteArray(1, '\0')));

    struct Case {
        std::string trailer;
        std::vector<std::string> media;  // of the element with id 0x0001E240
    } cases[] = {
        {"0001e240;x.jpg"s, {"x.jpg"}},      // either letter case
        {"0001E241;x.jpg"s, {}},             // no such element
        {"1E240;x"s, {}},                    // 8 characters or fewer: ignored
        {"0001E240"s, {}},                   // id alone
        {"0001E240;a;;b"s, {"a", "", "b"}},  // an empty entry between two ";"
        {"0001E240;a;b\0"
         "0001E240;c"s,
         {"c", "b"}},  // a later list overwrites from entry 0
    };
    for (const Case &c : cases) {
        const QByteArray patched = withTrailer(bytes, c.trailer);
        Document loaded;
        ASSERT_TRUE(decode(patched, loaded).ok()) << c.trailer;
        EXPECT_EQ(loaded.NodeTable[2].media, c.media) << c.trailer;
    }
}

TEST(NativeFormat, HeaderValuesAreReadByTheirRules) {
    const QByteArray bytes = encode(Document());
    struct Case {
        const char *what;
        int offset;
        QByteArray patch;
        std::function<void(const Document &)> check;
    } cases[] = {
        {"line width 7 keeps the reset width", kLineWidthOffset, QByteArray(1, 7),
         [](const Document &d) { EXPECT_EQ(d.settings.lineWidth, 1); }},
        {"line width 0 means no lines", kLineWidthOffset, QByteArray(1, 0),
         [](const Document &d) { EXPECT_EQ(d.settings.lineWidth, 0); }},
        {"scale 12 percent", kScaleOffset, QByteArray("\x0c\0\0\0", 4),
         [](const Document &d) { EXPECT_EQ(d.settings.scale, 0.12f); }},
        {"scale 0 becomes 1 percent", kScaleOffset, QByteArray("\0\0\0\0", 4),
         [](const Document &d) { EXPECT_EQ(d.settings.scale, 0.01f); }},
        {"scale past the zoom range becomes 200 percent", kScaleOffset,
         QByteArray("\xff\xff\xff\xff", 4),
         [](const Document &d) { EXPECT_EQ(d.settings.scale, 2.0f); }},
        {"any non-zero byte is true", kPictureFlagsOffset, QByteArray("\0\0\0\x7f", 4),
         [](const Document &d) { EXPECT_EQ(d.settings.pictureMode, PictureMode::None); }},
    };
    for (const Case &c : cases) {
        QByteArray patched = bytes;
        patched.replace(c.offset, c.patch.size(), c.patch);
        Document loaded;
        ASSERT_TRUE(decode(patched, loaded).ok()) << c.what;
        c.check(loaded);
    }
    QByteArray noZoom = bytes;
    noZoom.replace(kScaleOffset, 4, QByteArray(4, '\0'));
    Document clamped;
    QStringList warnings;
    ASSERT_TRUE(decode(noZoom, clamped, &warnings).ok());
    EXPECT_EQ(warnings,
              QStringList{MessageTable().text(Msg::mZoomClamped).arg(0).arg(1).arg(200).arg(1)});
    Document quarter;
    quarter.settings.scale = 0.125f;  // 12.5 rounds to the even neighbour
    EXPECT_EQ(int32At(encode(quarter), kScaleOffset), 12);
}

TEST(NativeFormat, EarlierSignaturesAreAccepted) {
    for (const QByteArray &signature : {QByteArray("KVR\x01"), QByteArray("\x01\0\0\0", 4)}) {
        QByteArray bytes = encode(richDocument());
        bytes.replace(0, 4, signature);
        Document loaded;
        EXPECT_TRUE(decode(bytes, loaded).ok());
        EXPECT_EQ(loaded.NodeTable.NodeCount(), 3);
    }
}

TEST(NativeFormat, BackgroundPicturesTravelAsBmp) {
    struct Case {
        QImage::Format format;
        int bitsPerPixel;
    } cases[] = {
        {QImage::Format_ARGB32, 24}, {QImage::Format_Indexed8, 24}, {QImage::Format_Mono, 1}};
    for (const Case &c : cases) {
        Document doc;
        QImage picture(37, 5, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.setPixel(3, 2, qRgb(0, 0, 0));
        doc.settings.backgroundPicture = picture.convertToFormat(c.format);
        doc.settings.pictureMode = PictureMode::Tile;
        const QByteArray bytes = encode(doc);
        const int length = int32At(bytes, kFirstRecordOffset);
        const QByteArray bmp = bytes.mid(kFirstRecordOffset + 4, length);
        EXPECT_TRUE(bmp.startsWith("BM"));
        EXPECT_EQ(bmp[28], c.bitsPerPixel);

        Document loaded;
        ASSERT_TRUE(decode(bytes, loaded).ok());
        EXPECT_EQ(loaded.settings.pictureMode, PictureMode::Tile);
        const QImage back = loaded.settings.backgroundPicture;
        ASSERT_EQ(back.size(), QSize(37, 5));
        EXPECT_EQ(back.pixel(3, 2) & 0xFFFFFF, 0u);
        EXPECT_EQ(back.pixel(4, 2) & 0xFFFFFF, 0xFFFFFFu);
    }
    // No picture to show: stored without one, so the file stays readable.
    Document empty;
    empty.settings.pictureMode = PictureMode::Stretch;
    EXPECT_EQ(encode(empty).size(), 110);
}

// Found by fuzzing: a chart whose font name is short wrote a file below the
// size the reader asked for, so it could not be opened again.
TEST(NativeFormat, ChartsWithShortFontNamesReadBack) {
    for (const char *name : {"", "A", "Arial"}) {
        Document doc;
        doc.settings.chartFont.name = name;
        const QByteArray bytes = encode(doc);
        Document loaded;
        ASSERT_TRUE(decode(bytes, loaded).ok()) << name << ": " << bytes.size() << " bytes";
        EXPECT_EQ(loaded.settings.chartFont.name, name);
        EXPECT_EQ(encode(loaded), bytes) << name;
    }
}

TEST(NativeFormat, BadFilesGiveClearErrors) {
    const QByteArray good = encode(richDocument());
    QByteArray withPicture;
    {
        Document doc;
        doc.settings.backgroundPicture = QImage(4, 4, QImage::Format_RGB32);
        doc.settings.pictureMode = PictureMode::AsIs;
        withPicture = encode(doc);
    }
    auto patched = [](QByteArray bytes, int offset, std::int32_t value) {
        putInt32(bytes, offset, value);
        return bytes;
    };
    // The picture's own header is little-endian, as BMP files are.
    const qsizetype bmpAt = kFirstRecordOffset + 4;
    auto bmpPatched = [&](std::initializer_list<std::pair<int, std::int32_t>> fields) {
        QByteArray bytes = withPicture;
        for (const auto &[offset, value] : fields)
            qToLittleEndian<std::int32_t>(value, bytes.data() + bmpAt + offset);
        return bytes;
    };
    // Each message says where reading stopped: the part of the file and the byte.
    const MessageTable m;
    auto at = [&](Msg problem, Msg place, qsizetype offset) {
        return m.text(problem) + '\n' + m.text(place).arg(offset);
    };
    const qsizetype secondList = good.indexOf("0001E240;photo");
    const QString negative = m.text(Msg::mNegativeValue);
    struct Case {
        const char *what;
        QByteArray bytes;
        QString message;
    } cases[] = {
        {"100 bytes", good.left(100), m.text(Msg::mWrongFileSize)},
        {"wrong signature", patched(good, 0, 0x0452564B), m.text(Msg::mWrongFileVersion)},
        {"count above 10000", patched(good, kCountOffset, 10001),
         m.text(Msg::mTooManyElements).arg(10001).arg(10000) + '\n' +
             m.text(Msg::mStoppedInHeader).arg(kCountOffset)},
        {"negative count", patched(good, kCountOffset, -1),
         negative.arg(-1) + '\n' + m.text(Msg::mStoppedInHeader).arg(kCountOffset)},
        {"negative colour", patched(good, kBackgroundColorOffset, -5),
         negative.arg(-5) + '\n' + m.text(Msg::mStoppedInHeader).arg(kBackgroundColorOffset)},
        {"truncated record", good.left(good.indexOf("Ivan") + 2),
         m.text(Msg::mFileEndsEarly) + '\n' +
             m.text(Msg::mStoppedAtElement).arg(2).arg(3).arg(good.indexOf("Ivan"))},
        {"unterminated trailer", good.left(good.size() - 1),
         m.text(Msg::mFileEndsEarly) + '\n' + m.text(Msg::mStoppedInMedia).arg(2).arg(secondList)},
        {"non-hex trailer id", withTrailer(good, "0001X240;a.jpg"),
         m.text(Msg::mBadMediaId).arg("0001X240") + '\n' +
             m.text(Msg::mStoppedInMedia).arg(2).arg(secondList)},
        {"picture length 0", patched(withPicture, kFirstRecordOffset, 0),
         at(Msg::mEmptyPicture, Msg::mStoppedInPicture, kFirstRecordOffset)},
        {"picture past the end", patched(withPicture, kFirstRecordOffset, 1 << 30),
         at(Msg::mFileEndsEarly, Msg::mStoppedInPicture, kFirstRecordOffset + 4)},
        {"picture cut short", bmpPatched({{22, 8}}),
         m.text(Msg::mUnreadablePicture).arg(m.text(Msg::mPictureTruncated)) + '\n' +
             m.text(Msg::mStoppedInPicture).arg(bmpAt)},
        {"picture too large", bmpPatched({{18, 30000}, {22, 30000}}),
         m.text(Msg::mUnreadablePicture).arg(PictureTooLargeText(m)) + '\n' +
             m.text(Msg::mStoppedInPicture).arg(bmpAt)},
    };
    for (const Case &c : cases) {
        Document loaded;
        const Status st = decode(c.bytes, loaded);
        EXPECT_FALSE(st.ok()) << c.what;
        EXPECT_EQ(st.message(), c.message) << c.what;
    }
    Document loaded;
    const Status notBmp = decode(patched(withPicture, kFirstRecordOffset + 4, 0x12345678), loaded);
    EXPECT_TRUE(notBmp.message().startsWith(m.text(Msg::mUnreadablePicture).section('%', 0, 0)));
    EXPECT_TRUE(
        notBmp.message().endsWith(m.text(Msg::mStoppedInPicture).arg(kFirstRecordOffset + 4)))
        << notBmp.message().toStdString();

    // The texts come from the document's messages: the interface language.
    MessageTable english;
    english.setText(Msg::mFileEndsEarly, "The file ends too early.");
    english.setText(Msg::mStoppedAtElement, "Stopped at element %1 of %2, byte %3.");
    Document inEnglish;
    inEnglish.setMessages(&english);
    EXPECT_EQ(decode(good.left(good.indexOf("Ivan") + 2), inEnglish).message(),
              QStringLiteral("The file ends too early.\nStopped at element 2 of 3, byte %1.")
                  .arg(good.indexOf("Ivan")));
}

TEST(NativeFormat, LinksOutsideTheChartAreRemovedWithAWarning) {
    Document doc = richDocument();
    doc.NodeTable[0].fatherIndex = 3;
    doc.NodeTable[1].motherIndex = -7;
    QStringList warnings;
    Document loaded;
    ASSERT_TRUE(decode(encode(doc), loaded, &warnings).ok());
    EXPECT_EQ(loaded.NodeTable[0].fatherIndex, -1);
    EXPECT_EQ(loaded.NodeTable[1].motherIndex, -1);
    EXPECT_EQ(loaded.NodeTable[2].fatherIndex, 1);
    EXPECT_EQ(warnings, QStringList{MessageTable().text(Msg::mLinksRepaired).arg(2)});
}

TEST(NativeFormat, WriterRefusesValuesTheFormatCannotHold) {
    const MessageTable m;
    auto atElement = [&](const QString &problem, int element) {
        return problem + '\n' + m.text(Msg::mSavingStoppedAtElement).arg(element);
    };
    struct Case {
        const char *what;
        std::function<void(Document &)> spoil;
        QString message;
    } cases[] = {
        {"negative font size", [](Document &d) { d.NodeTable[1].font.size = -1; },
         atElement(m.text(Msg::mCannotStoreNegative).arg(-1), 2)},
        {"negative grid colour", [](Document &d) { d.settings.gridColor = -2; },
         m.text(Msg::mCannotStoreNegative).arg(-2) + '\n' + m.text(Msg::mSavingStoppedInHeader)},
        {"semicolon in a media path", [](Document &d) { d.NodeTable[0].media = {"a;b.jpg"}; },
         atElement(m.text(Msg::mCannotStoreSemicolon).arg("a;b.jpg"), 1)},
        {"NUL in a name", [](Document &d) { d.NodeTable[2].name = std::string("a\0b", 3); },
         atElement(m.text(Msg::mCannotStoreNul), 3)},
        {"NUL in the information text",
         [](Document &d) { QTextCursor(&d.info()).insertText(QString(QChar(0))); },
         m.text(Msg::mCannotStoreNul)},
    };
    for (const Case &c : cases) {
        Document doc = richDocument();
        c.spoil(doc);
        QByteArray bytes = "untouched";
        const Status st = writeNativeDocument(doc, bytes);
        EXPECT_FALSE(st.ok()) << c.what;
        EXPECT_EQ(st.message(), c.message) << c.what;
        EXPECT_EQ(bytes, "untouched");
    }
}

TEST(NativeFile, FailedLoadsAndSavesLeaveDocumentAndFileAsTheyWere) {
    QTemporaryDir dir;
    const QString path = dir.filePath("family.kvr");
    Document doc = richDocument();
    ASSERT_TRUE(WriteDocument(path, doc).ok());

    Document open;
    open.DocumentModified = true;
    ASSERT_TRUE(ReadDocument(path, open).ok());
    EXPECT_EQ(open.NodeTable.NodeCount(), 3);
    EXPECT_TRUE(open.DocumentModified);  // the caller decides

    QFile bad(dir.filePath("bad.kvr"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(encode(richDocument()).left(150));
    bad.close();
    // Failed reads go into fresh documents; the open one is never touched.
    Document truncated;
    EXPECT_FALSE(ReadDocument(bad.fileName(), truncated).ok());
    Document missing;
    EXPECT_FALSE(ReadDocument(dir.filePath("missing.kvr"), missing).ok());

    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    open.settings.shadowColor = -1;
    EXPECT_FALSE(WriteDocument(path, open).ok());
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}
