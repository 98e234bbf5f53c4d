#include <gtest/gtest.h>

#include <vector>

#include "edit/document_session.h"
#include "render/export_commands.h"
#include "scripted_prompts.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

struct Call {
    QString path;
    ChartFileType type;
    bool operator==(const Call &) const = default;
};

}  // namespace

TEST(ExportCommands, TheChosenFileGetsItsExtensionAndTheDocumentKeepsItsName) {
    struct Case {
        ChartFileType type;
        QString chosen;
        QString written;
    } cases[] = {
        {ChartFileType::Pdf, "/tmp/chart", "/tmp/chart.pdf"},
        {ChartFileType::Svg, "/tmp/chart.kvr", "/tmp/chart.kvr.svg"},
        {ChartFileType::Png, "/tmp/CHART.PNG", "/tmp/CHART.PNG"},
    };
    for (const Case &c : cases) {
        DocumentSession session;
        session.fileName() = QStringLiteral("/home/u/family.kvr");
        ScriptedPrompts prompts;
        prompts.files.push_back({c.chosen, 1});
        std::vector<Call> calls;
        ChartExportCommands commands(session, prompts, [&](const QString &path, ChartFileType t) {
            calls.push_back({path, t});
            return Status::success();
        });
        commands.exportChart(c.type);
        EXPECT_EQ(calls, (std::vector<Call>{{c.written, c.type}}));
        EXPECT_EQ(session.fileName(), QStringLiteral("/home/u/family.kvr"));
        EXPECT_FALSE(session.modified());
        EXPECT_TRUE(prompts.told.isEmpty());
    }
}

TEST(ExportCommands, CancelWritesNothingAndAFailureIsReported) {
    DocumentSession session;
    ScriptedPrompts prompts;
    int calls = 0;
    ChartExportCommands commands(session, prompts, [&](const QString &, ChartFileType) {
        ++calls;
        return Status::failure(QStringLiteral("disk full"));
    });
    prompts.files.push_back({QString(), 1});
    commands.exportChart(ChartFileType::Pdf);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(prompts.told.isEmpty());

    prompts.files.push_back({QStringLiteral("/tmp/x.pdf"), 1});
    commands.exportChart(ChartFileType::Pdf);
    EXPECT_EQ(calls, 1);
    ASSERT_EQ(prompts.told.size(), 1);
    EXPECT_TRUE(prompts.told.front().endsWith(QStringLiteral("|disk full")));
}
