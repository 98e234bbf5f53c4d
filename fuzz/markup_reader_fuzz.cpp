// Feeds arbitrary bytes to the markup reader, the writer and the HTML
// conversion and checks what must hold for any input.
#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "markup/markup_html.h"
#include "markup/markup_reader.h"
#include "markup/markup_writer.h"
#include "text/doc_text.h"

using namespace kinvarro;

namespace {

void check(bool condition, const char *what) {
    if (!condition) {
        std::fprintf(stderr, "markup_reader_fuzz: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps argc and argv; give it its own copy without libFuzzer's flags.
    static int qtArgc = 1;
    static char *qtArgv[] = {(*argv)[0], nullptr};
    static QGuiApplication *app = new QGuiApplication(qtArgc, qtArgv);  // lives for the run
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view markup(reinterpret_cast<const char *>(data), size);

    QTextDocument qdoc;
    RichTextDocument doc(qdoc);
    MarkupToRichText(markup, doc);
    check(doc.plainText().size() == doc.length(), "length() matches plainText()");

    const std::string written = RichTextToMarkup(doc);
    check(validDocText(written) == written, "written markup is valid UTF-8");

    // The report converts every description; its own target checks the HTML.
    (void)MarkupToHtml(markup);

    // Whatever the text holds, tag-like text included, comes back as written.
    {
        QTextDocument againQ;
        RichTextDocument again(againQ);
        MarkupToRichText(written, again);
        // The writer writes document text, in NFC; text read from elsewhere may be decomposed.
        const auto nfc = [](const QString &text) {
            return text.normalized(QString::NormalizationForm_C);
        };
        check(nfc(again.plainText()) == nfc(doc.plainText()), "written markup keeps the text");
        check(RichTextToMarkup(again) == written, "written markup is stable");
    }
    return 0;
}
