// Writes a chart for checking the GEDCOM export with another program: persons
// in generations with names of many scripts, multi-line names, formatted
// multi-line descriptions, one-parent families and a few historical events.
// Usage: gedcom_peer_chart OUT.kvr [PERSONS]
#include <QGuiApplication>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <random>

#include "model/document.h"
#include "persistence/native_format.h"
#include "render/font_substitutes.h"
#include "text/doc_text.h"

using namespace kinvarro;

namespace {

const char *const kMenGiven[] = {"Иван",     "Пётр",     "Алексей", "Ёсиф", "John",   "William",
                                 "Jean-Luc", "Σωκράτης", "אברהם",   "محمد", "李小龍", "\U00010330"};
const char *const kWomenGiven[] = {"Мария", "Анна",          "Екатерина", "Ольга",
                                   "Mary",  "Elise",         "Ann",       "Zoë",
                                   "Łucja", "Marie-Thérèse", "देवनागरी",   "Σοφία"};
const char *const kSurnames[] = {"Петров",  "Иванов",  "Щербаков", "Smith",
                                 "O'Brien", "MacLeod", "Müller",   "Wójcik"};

template <std::size_t N>
std::string pick(const char *const (&list)[N], std::mt19937 &random) {
    return list[random() % N];
}

std::string nameFor(int sex, std::mt19937 &random) {
    const std::string given = pick(sex == kSexWoman ? kWomenGiven : kMenGiven, random);
    const std::string surname = pick(kSurnames, random);
    switch (random() % 5) {
        case 0:
            return given + " /" + surname + "/";
        case 1:
            return given + "\n/" + surname + "/";
        case 2:
            return given + "\n" + surname;
        case 3:
            return given + " /" + surname + "/\nмладший";
        default:
            return given + "\n" + surname + "\n" + std::to_string(1700 + random() % 300);
    }
}

std::string descriptionFor(int i, std::mt19937 &random) {
    switch (random() % 4) {
        case 0:
            return {};
        case 1:
            return "<`S=10><`F=Arial><`C=0>Родился в <B>" + std::to_string(1700 + i % 300) +
                   "</B> году.\r\n\r\n<I>Crofter</I> in the parish.\r\n";
        case 2:
            return "<C><`S=12><`F=Times New Roman><`C=255>Письма\r\nLetters & notes";
        default:
            return "Одна строка";
    }
}

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutes();
    if (argc < 2 || argc > 3) {
        std::fputs("usage: gedcom_peer_chart OUT.kvr [PERSONS]\n", stderr);
        return 2;
    }
    const int persons = argc == 3 ? std::clamp(std::atoi(argv[2]), 1, kMaxNodes - 10) : 2000;

    std::mt19937 random(2026);
    Document doc;
    doc.info().setPlainText(QString::fromUtf8("Родословная\n\nGenerated for checking\n\n"));
    // Events first, so that the individual numbers do not match the table indexes.
    for (int year : {1812, 1861, 1917}) {
        tnode event;
        event.kind = kHistoricalEvent;
        event.name = std::to_string(year);
        event.y = (year - 1700) * 10;
        doc.NodeTable.append(std::move(event));
    }
    const int first = doc.NodeTable.NodeCount();
    constexpr int kGeneration = 50;
    for (int i = 0; i < persons; ++i) {
        tnode node;
        node.id = i + 1;
        node.sex = std::uint8_t(random() % 7 == 0 ? kSexUnknown : 1 + i % 2);
        const QString name = QString::fromUtf8(nameFor(node.sex, random)).replace(u'\n', "\r\n");
        node.name = toDocText(name);
        node.description = descriptionFor(i, random);
        node.x = (i % kGeneration) * 120;
        node.y = (i / kGeneration) * 90;
        if (i >= kGeneration) {
            const int previous = first + (i / kGeneration - 1) * kGeneration;
            const int couple = previous + 2 * int(random() % (kGeneration / 2));
            const int shape = int(random() % 6);
            node.fatherIndex = shape == 0 ? -1 : couple;
            node.motherIndex = shape == 1 ? -1 : couple + 1;
        }
        doc.NodeTable.append(std::move(node));
    }
    doc.MeasureAllNames();
    if (Status status = WriteDocument(QString::fromLocal8Bit(argv[1]), doc); !status) {
        std::fprintf(stderr, "gedcom_peer_chart: %s\n", qPrintable(status.message()));
        return 1;
    }
    return 0;
}
