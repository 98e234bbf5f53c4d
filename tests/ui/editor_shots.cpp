// Opens each editor on the sample chart and saves a picture of it, for a look
// by eye: editor_shots <chart.kvr> <output folder> [language file].
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include "edit/document_session.h"
#include "editors/comment_file.h"
#include "editors/element_editor.h"
#include "editors/element_editors.h"
#include "editors/event_editor.h"
#include "editors/formatting_bar.h"
#include "editors/info_editor.h"
#include "editors/media_tab.h"
#include "markup/description_text.h"
#include "model/document.h"
#include "persistence/native_format.h"
#include "render/font_substitutes.h"
#include "settings/ini_file.h"
#include "text/cp1251.h"
#include "ui/qt_prompts.h"
#include "ui/translate_form.h"

using namespace kinvarro;

namespace {

void Grab(QDialog &dialog, const QString &path, std::function<void()> prepare) {
    QTimer::singleShot(300, &dialog, [&dialog, path, prepare] {
        prepare();
        QApplication::processEvents();
        QTimer::singleShot(300, &dialog, [&dialog, path] {
            dialog.grab().save(path);
            dialog.reject();
        });
    });
}

void MakeMedia(const QString &folder) {
    QDir(folder).mkpath(QString::fromUtf8("Фото"));
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(QColor(200, 220, 255));
    QPainter painter(&picture);
    painter.setBrush(QColor(120, 60, 20));
    painter.drawEllipse(110, 50, 100, 120);
    painter.drawText(10, 230, QString::fromUtf8("дед, 1941"));
    painter.end();
    picture.save(folder + QString::fromUtf8("/Фото/дед.jpg"), "JPG");
    (void)WriteCommentFile(folder + QString::fromUtf8("/Фото/дед.jpg.txt"),
                           QString::fromUtf8("Дед на фронте, 1941.\nСнимок из семейного альбома."),
                           MessageTable());
}

// A small metafile outside the document's folder: a blue frame around a red diamond.
QString MakeOutsideMetafile(const QString &folder) {
    QDir().mkpath(folder);
    QByteArray body;
    auto word = [&body](int v) {
        body.append(char(v & 0xFF));
        body.append(char((v >> 8) & 0xFF));
    };
    auto record = [&](int function, std::initializer_list<int> words) {
        word(int(3 + words.size()));
        word(0);
        word(function);
        for (int w : words)
            word(w);
    };
    record(0x020B, {0, 0});
    record(0x020C, {300, 400});
    record(0x02FA, {0, 8, 0, 0x0000, 0x00FF});  // blue pen, 8 units wide
    record(0x012D, {0});
    record(0x02FC, {0, 0xFFFF, 0x00FF, 0});  // white brush
    record(0x012D, {1});
    record(0x041B, {290, 390, 10, 10});
    record(0x02FC, {0, 0x00FF, 0, 0});  // red brush
    record(0x012D, {2});
    record(0x0324, {4, 200, 50, 300, 150, 200, 250, 100, 150});  // polygon
    QByteArray file;
    std::swap(body, file);
    word(0xCDD7), word(0x9AC6), word(0), word(0), word(0), word(400), word(300), word(96), word(0),
        word(0);
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= quint16(uchar(body[i]) | (uchar(body[i + 1]) << 8));
    word(sum);
    const int words = 9 + int(file.size() / 2) + 3;
    word(1), word(9), word(0x0300), word(words & 0xFFFF), word(words >> 16), word(3), word(12),
        word(0), word(0);
    body += file;
    word(3), word(0), word(0);
    const QString path = folder + "/plan.wmf";
    QFile out(path);
    if (out.open(QIODevice::WriteOnly))
        out.write(body);
    return path;
}

}  // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    installFontSubstitutes();
    if (argc < 3)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    MakeMedia(out);
    Document doc;
    if (!ReadDocument(QString::fromLocal8Bit(argv[1]), doc).ok())
        return 1;
    doc.CurrentFileName = out + "/family.kvr";
    int person = -1, event = -1;
    for (int i = 0; i < doc.NodeTable.NodeCount(); ++i)
        (doc.NodeTable[i].isPerson() ? person : event) = i;
    if (event < 0)
        event = *doc.AddNode(kHistoricalEvent);
    const QString outside = MakeOutsideMetafile(out + "-outside");
    doc.NodeTable[person].media = {toCp1251(QString::fromUtf8("Фото\\дед.jpg")), "song.mp3",
                                   "letters\\1950.doc", toCp1251(outside)};
    doc.NodeTable[person].description =
        toCp1251(QString::fromUtf8("<`S=12><`F=Arial Cyr><`C=0><B>Иван</B> родился в <I>1910</I> "
                                   "году.\r\n<C><`C=255>Воевал 1941-1945"));
    doc.NodeTable[event].media = doc.NodeTable[person].media;
    LoadDescription(
        toCp1251(QString::fromUtf8("<`S=14><`F=Times New Roman><`C=8388608><C><B>Семья "
                                   "Ивановых</B>\r\n<L><`S=10><`F=Arial><`C=0>Собрано по "
                                   "<I>письмам</I> и <U>метрикам</U>.\r\n<R>2026")),
        doc.info());
    MessageTable messages;
    QtPrompts prompts(nullptr);
    DocumentSession session(doc);
    ElementEditors editors(session, prompts, messages, nullptr);
    if (argc > 3) {
        IniFile language;
        if (!language.load(QString::fromLocal8Bit(argv[3])).ok())
            return 1;
        for (QWidget *window : editors.windows())
            TranslateForm(window, language);
    }
    TForm3 &form3 = editors.personEditor();
    const char *tabs[] = {"description", "media", "options"};
    for (int tab = 0; tab < 3; ++tab) {
        form3.tabs()->setCurrentIndex(tab);
        Grab(form3, out + QStringLiteral("/person_%1.png").arg(tabs[tab]), [&form3, tab] {
            if (tab == 0) {
                form3.descriptionField()->setFocus();
                form3.formattingBar().show();
                QTextCursor cursor = form3.descriptionField()->textCursor();
                cursor.setPosition(1);
                cursor.setPosition(4, QTextCursor::KeepAnchor);
                form3.descriptionField()->setTextCursor(cursor);
                form3.formattingBar().mirrorSelection();
            }
        });
        editors.NModifyClick(person, false);
    }
    form3.tabs()->setCurrentIndex(1);
    Grab(form3, out + "/person_media_list.png", [&form3] {
        form3.findChild<QWidget *>("sbDir_List")->setProperty("checked", false);
        form3.media().selectEntry(0);
    });
    editors.NModifyClick(person, false);
    // The metafile outside the document's folder, selected in the folder tree.
    Grab(form3, out + "/person_media_outside.png", [&form3] {
        QTreeWidget *tree = form3.media().tree();
        const auto found = tree->findItems("plan.wmf", Qt::MatchRecursive);
        if (!found.isEmpty())
            tree->setCurrentItem(found.first());
    });
    editors.NModifyClick(person, false);
    TForm8 &form8 = editors.eventEditor();
    for (int tab : {1, 2}) {
        form8.tabs()->setCurrentIndex(tab);
        Grab(form8, out + QStringLiteral("/event_%1.png").arg(tabs[tab]), [] {});
        editors.NModifyClick(event, false);
    }
    TForm7 &form7 = editors.infoEditor();
    Grab(form7, out + "/info.png", [&form7] {
        form7.formattingBar().show();
        form7.formattingBar().mirrorSelection();
    });
    editors.N51Click();
    // Text typed into an empty field: shown and reported in the field's defaults.
    LoadDescription("", doc.info());
    Grab(form7, out + "/info_typed.png", [&form7] {
        form7.formattingBar().show();
        form7.field()->textCursor().insertText(QString::fromUtf8("Новый текст"));
        form7.formattingBar().mirrorSelection();
    });
    editors.N51Click();
    return 0;
}
