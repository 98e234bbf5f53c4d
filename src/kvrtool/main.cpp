// kvrtool: headless access to charts (inspect, convert) for scripts and tests.
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <optional>

#include "arrange/arrange_chart.h"
#include "document_json.h"
#include "model/document.h"
#include "persistence/gedcom_import.h"
#include "persistence/gedcom_writer.h"
#include "persistence/html_report.h"
#include "persistence/native_format.h"
#include "render/font_substitutes.h"
#include "render_commands.h"
#include "settings/language_files.h"
#include "settings/machine_store.h"
#include "settings/program_folder.h"
#include "stderr_progress.h"
#include "themes/theme_list.h"
#include "tool_language.h"

using namespace kinvarro;

namespace {

int usage() {
    std::fputs(
        "usage: kvrtool info FILE.kvr|FILE.ged\n"
        "       kvrtool convert IN.kvr|IN.ged OUT.kvr [--arrange]\n"
        "       kvrtool arrange IN.kvr OUT.kvr\n"
        "       kvrtool convert IN.kvr OUT.bmp|OUT.png|OUT.pdf|OUT.svg [--view WxH]\n"
        "       kvrtool convert IN.kvr OUT.htm\n"
        "       kvrtool convert IN.kvr|IN.ged OUT.ged [--utf8]\n"
        "       kvrtool render IN.kvr OUT.png [--view WxH] [--origin X,Y]\n"
        "       kvrtool themes [LANGUAGE]\n"
        "Every command takes --language NAME: the language of the messages and of\n"
        "the labels a GEDCOM import writes. Without it the editor's choice counts,\n"
        "else the locale (LC_ALL, LC_MESSAGES, LANG): ru* gives Russian, any other\n"
        "English.\n"
        "The view is the chart area painted at once (default 800x600); the origin\n"
        "is where the chart's point (0, 0) appears in it, in pixels. Pictures of\n"
        "the whole chart cover the area the view scrolls over; BMP at the\n"
        "chart's stored zoom, PNG, PDF and SVG at 100 %.\n"
        "--arrange and arrange lay the persons out by generations.\n"
        "themes lists the themes shipped in the program folder, one per line:\n"
        "the display name in LANGUAGE (as the editor shows it), a tab, the file.\n",
        stderr);
    return 2;
}

// The messages of the tool's language; every document of the run speaks it.
MessageTable &toolMessages() {
    static MessageTable messages;
    return messages;
}

int fail(const QString &message) {
    std::fprintf(stderr, "kvrtool: %s\n", message.toLocal8Bit().constData());
    return 1;
}

QString extensionOf(const QString &path) {
    return path.right(4).toUpper();
}

std::optional<PictureType> pictureType(const QString &path) {
    const QString extension = extensionOf(path);
    if (extension == QLatin1String(".BMP"))
        return PictureType::Bmp;
    if (extension == QLatin1String(".PNG"))
        return PictureType::Png;
    if (extension == QLatin1String(".PDF"))
        return PictureType::Pdf;
    if (extension == QLatin1String(".SVG"))
        return PictureType::Svg;
    return std::nullopt;
}

// A GEDCOM file is imported as the editor would; its messages go to stderr.
Status importGedcom(const QString &path, Document &doc) {
    GedcomImportReport report;
    if (const auto failed = ImportGedcom(path, doc, nullptr, &report))
        return Status::failure(failed->caption + QStringLiteral(": ") + failed->text);
    if (const QString text = GedcomReportText(doc.messages(), report); !text.isEmpty())
        std::fprintf(stderr, "kvrtool: %s\n", text.toLocal8Bit().constData());
    return Status::success();
}

Status load(const QString &path, Document &doc) {
    if (extensionOf(path) == QLatin1String(".GED"))
        return importGedcom(path, doc);
    QStringList warnings;
    Status status = ReadDocument(path, doc, &warnings);
    for (const QString &warning : warnings)
        std::fprintf(stderr, "kvrtool: warning: %s\n", qPrintable(warning));
    // Media entries are relative to the chart's folder, as in the editor.
    if (status)
        doc.CurrentFileName = QFileInfo(path).absoluteFilePath();
    return status;
}

int info(const QString &path) {
    Document doc;
    doc.setMessages(&toolMessages());
    if (Status st = load(path, doc); !st)
        return fail(st.message());
    const QByteArray json = documentToJson(doc);
    std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
    std::fputc('\n', stdout);
    return 0;
}

int convert(const QString &in, const QString &out, const QStringList &options) {
    if (extensionOf(out) == QLatin1String(".GED")) {
        const bool utf8 = options == QStringList{QStringLiteral("--utf8")};
        if (!options.isEmpty() && !utf8)
            return usage();
        Document doc;
        doc.setMessages(&toolMessages());
        if (Status st = load(in, doc); !st)
            return fail(st.message());
        const GedcomEncoding encoding = utf8 ? GedcomEncoding::Utf8 : GedcomEncoding::Ansi;
        long long replaced = 0;
        if (Status st = WriteGedcom(doc, out, encoding, nullptr, &replaced); !st)
            return fail(st.message());
        if (const QString warning = GedcomExportWarning(doc.messages(), replaced);
            !warning.isEmpty())
            std::fprintf(stderr, "kvrtool: %s\n", warning.toLocal8Bit().constData());
        return 0;
    }
    const std::optional<PictureType> picture = pictureType(out);
    RenderOptions renderOptions;
    const bool arrange = !picture && options == QStringList{QStringLiteral("--arrange")};
    if (!picture && !options.isEmpty() && !(arrange && extensionOf(out) == QLatin1String(".KVR")))
        return usage();
    if (Status st = parseRenderOptions(arrange ? QStringList{} : options, false, renderOptions);
        !st)
        return fail(st.message());
    Document doc;
    doc.setMessages(&toolMessages());
    if (Status st = load(in, doc); !st)
        return fail(st.message());
    if (picture) {
        StderrProgress progress;
        if (Status st = convertToPicture(doc, out, *picture, renderOptions, &progress); !st)
            return fail(st.message());
        return 0;
    }
    if (extensionOf(out) == QLatin1String(".HTM")) {
        if (Status st = WriteHtmlReport(doc, out); !st)
            return fail(st.message());
        return 0;
    }
    if (extensionOf(out) == QLatin1String(".KVR")) {
        if (arrange)
            ApplyArrangement(doc, ArrangeByGenerations(doc));
        if (Status st = WriteDocument(out, doc); !st)
            return fail(st.message());
        return 0;
    }
    return fail(QStringLiteral("Cannot write \"%1\": unknown file type.").arg(out));
}

int render(const QString &in, const QString &out, const QStringList &options) {
    RenderOptions renderOptions;
    if (Status st = parseRenderOptions(options, true, renderOptions); !st)
        return fail(st.message());
    Document doc;
    doc.setMessages(&toolMessages());
    if (Status st = load(in, doc); !st)
        return fail(st.message());
    if (Status st = renderScene(doc, out, renderOptions); !st)
        return fail(st.message());
    return 0;
}

// The program folder is found from this tool's own folder, as the editor finds it.
int themes(const QString &language) {
    const ProgramFolder program = FindProgramFolder(QCoreApplication::applicationDirPath());
    const ThemeFolders folders = DefaultThemeFolders(program.path);
    for (const ThemeEntry &theme : ListThemes({folders.shipped, {}}, language)) {
        const QByteArray line = (theme.displayName + u'\t' + theme.filePath + u'\n').toUtf8();
        std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
    }
    return 0;
}

// Loads the language file `file` names into the tool's messages.
void loadMessages(const QString &file) {
    if (file.isEmpty())
        return;
    IniFile languageFile;
    if (const QString problem = LoadLanguageFile(file, languageFile, toolMessages());
        !problem.isEmpty())
        std::fprintf(stderr, "kvrtool: %s\n", problem.toLocal8Bit().constData());
    LoadMessages(toolMessages(), languageFile);
}

// The language files are found where the editor finds them, from this tool's folder.
// False, told in the language the tool would otherwise speak, when `given` is unknown.
bool chooseLanguage(const QString &given) {
    const ProgramFolder program = FindProgramFolder(QCoreApplication::applicationDirPath());
    const std::vector<LanguageEntry> languages = FillLanguageList(program.path);
    const QString remembered = MachineStore().language();
    const std::optional<QString> file =
        ToolLanguageFile(languages, given, remembered, MessageLocale());
    if (file) {
        loadMessages(*file);
        return true;
    }
    loadMessages(ToolLanguageFile(languages, {}, remembered, MessageLocale()).value_or(QString()));
    fail(toolMessages().text(Msg::mUnknownLanguage).arg(given));
    return false;
}

}  // namespace

int main(int argc, char **argv) {
    // A command-line tool must run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutes();
    QStringList args = app.arguments();
    QString language;
    if (const qsizetype at = args.indexOf(QStringLiteral("--language")); at > 0) {
        if (at + 1 >= args.size())
            return usage();
        language = args[at + 1];
        args.remove(at, 2);
    }
    if (!chooseLanguage(language))
        return 1;
    if (args.size() == 3 && args[1] == QLatin1String("info"))
        return info(args[2]);
    if (args.size() >= 4 && args[1] == QLatin1String("convert"))
        return convert(args[2], args[3], args.mid(4));
    if (args.size() >= 4 && args[1] == QLatin1String("render"))
        return render(args[2], args[3], args.mid(4));
    if ((args.size() == 2 || args.size() == 3) && args[1] == QLatin1String("themes"))
        return themes(args.value(2));
    if (args.size() == 4 && args[1] == QLatin1String("arrange"))
        return convert(args[2], args[3], {QStringLiteral("--arrange")});
    return usage();
}
