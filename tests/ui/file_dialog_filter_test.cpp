#include <gtest/gtest.h>

#include "ui/file_dialog_filter.h"

using namespace kinvarro;

TEST(QtNameFilters, ConvertsWindowsFilters) {
    const struct {
        const char *windows;
        QStringList qt;
    } cases[] = {
        {"Файлы Kinvarro (*.kvr)|*.kvr|GEDCOM файлы (*.ged)|*.ged",
         {QString::fromUtf8("Файлы Kinvarro (*.kvr)"), QString::fromUtf8("GEDCOM файлы (*.ged)")}},
        {"All pictures|*.bmp;*.gif;*.jpg", {"All pictures (*.bmp *.gif *.jpg)"}},
        {"Pictures (*.bmp;*.jpg)|*.bmp;*.jpg", {"Pictures (*.bmp *.jpg)"}},
        {"Report (HTML)|*.htm", {"Report (HTML) (*.htm)"}},
        {" Spaced | *.a ; *.b |", {"Spaced (*.a *.b)"}},
        {"|*.kvr", {"(*.kvr)"}},
        {"Empty||Text|*.txt", {"Text (*.txt)"}},
        {"Text|*.txt|Dangling", {"Text (*.txt)"}},
        {"", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(QtNameFilters(QString::fromUtf8(c.windows)), c.qt) << c.windows;
}
