#include <gtest/gtest.h>

#include "interaction/hover_state.h"
#include "test_support.h"

using namespace kinvarro;
using namespace kinvarro::test;

TEST(HintPicturePath, TakesTheFirstPictureTheHintCanShow) {
    struct Case {
        const char *file;
        std::vector<std::string> media;
        const char *path;
    } cases[] = {
        {"/home/a/family.kvr",
         {"song.mp3", "scan.doc", "old\\face.Bmp", "b.gif"},
         "/home/a/old/face.Bmp"},
        // Every format Qt reads, not only the old short list.
        {"/home/a/family.kvr", {"x.jpeg", "y.wmf"}, "/home/a/x.jpeg"},
        {"/home/a/family.kvr", {"a.b\\x.PNG"}, "/home/a/a.b/x.PNG"},
        {"/home/a/family.kvr", {"x.jpe"}, "/home/a/x.jpe"},
        {"/home/a/family.kvr", {"y.wmf"}, "/home/a/y.wmf"},
        {"/home/a/family.kvr", {"/pictures/z.jpg"}, "/pictures/z.jpg"},
        {"", {"photos\\z.GIF"}, "photos/z.GIF"},
        {"/home/a/family.kvr", {"notes.txt", ".jpg"}, "/home/a/.jpg"},
        {"/home/a/family.kvr", {"jpg", "doc.pdf"}, ""},
    };
    for (const Case &c : cases) {
        Document doc;
        doc.CurrentFileName = c.file;
        const int i = addPerson(doc, 0, 0);
        doc.NodeTable[i].media = c.media;
        EXPECT_EQ(HintPicturePathFor(doc, i), QString::fromUtf8(c.path)) << c.path;
    }
}
