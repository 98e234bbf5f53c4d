#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

#include "ui/language_dialog.h"

using namespace kinvarro;

namespace {

QImage flag(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    return image;
}

std::vector<LanguageEntry> languagesWithFlags(const std::vector<QImage> &flags) {
    std::vector<LanguageEntry> languages;
    for (std::size_t i = 0; i < flags.size(); ++i)
        languages.push_back({QStringLiteral("Language%1").arg(i), QString(), flags[i]});
    return languages;
}

}  // namespace

TEST(Tflanguage, PreselectsByExactNameAndReturnsTheChoice) {
    const std::vector<LanguageEntry> languages = {
        {"Alpha", {}, {}}, {"Beta", {}, {}}, {"Gamma", {}, {}}};
    Tflanguage dialog(languages);
    auto *box = dialog.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("BitBtn1"));
    ASSERT_TRUE(box && ok);

    const struct {
        const char *preselected;
        int userSelects;  // -1: the user leaves the selection alone
        bool pressOk;     // otherwise the window is closed
        std::optional<int> result;
    } steps[] = {
        {"", -1, true, 0},  // nothing to pre-select: the first entry
        {"Gamma", -1, true, 2},
        {"gamma", -1, true, 2},  // no exact match: the selection stays
        {"Alpha", 1, false, std::nullopt},
        {"Zeta", -1, true, 1},  // stays where the cancelled dialog left it
        {"Alpha", 2, true, 2},
    };
    for (const auto &step : steps) {
        QTimer::singleShot(0, &dialog, [&] {
            if (step.userSelects >= 0)
                box->setCurrentIndex(step.userSelects);
            if (step.pressOk)
                ok->click();
            else
                dialog.close();
        });
        EXPECT_EQ(dialog.askLanguage(QString::fromLatin1(step.preselected)), step.result)
            << step.preselected;
    }
}

TEST(Tflanguage, TallFlagsSetTheItemHeight) {
    Tflanguage withoutFlags(languagesWithFlags({QImage(), QImage()}));
    const int textRow = withoutFlags.findChild<QComboBox *>()->view()->sizeHintForRow(0);

    Tflanguage small(languagesWithFlags({flag(4, 3), QImage()}));
    EXPECT_EQ(small.findChild<QComboBox *>()->view()->sizeHintForRow(0), textRow);

    Tflanguage tall(languagesWithFlags({QImage(), flag(20, 40), flag(30, 14)}));
    auto *box = tall.findChild<QComboBox *>();
    EXPECT_EQ(box->iconSize(), QSize(30, 40));
    for (int row = 0; row < box->count(); ++row) {
        EXPECT_EQ(box->view()->sizeHintForRow(row), 41) << row;
        // A language without a flag gets a blank one, so the names stay aligned.
        EXPECT_FALSE(box->itemIcon(row).isNull()) << row;
    }
}
