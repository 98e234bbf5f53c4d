#include "family_tree_generator.h"

#include <iterator>
#include <random>

#include "text/doc_text.h"

namespace kinvarro::bench {
namespace {

constexpr int kFounders = 60;
constexpr int kWidestGeneration = 150;
constexpr int kColumnWidth = 140;
constexpr int kRowHeight = 90;

const char *const kMen[] = {"Иван", "Пётр", "Сергей", "Алексей", "Николай", "Михаил"};
const char *const kWomen[] = {"Мария", "Анна", "Ольга", "Наталья", "Екатерина", "Елена"};

// Men's names, women's names and family names in each script of the mixed chart.
struct ScriptNames {
    const char *men[3];
    const char *women[3];
    const char *family[3];
};
const ScriptNames kScripts[] = {
    {{"Jörg", "Loïc", "Søren"}, {"Zoë", "Marie-Thérèse", "Anaïs"}, {"Müller", "Lefèvre", "Ørsted"}},
    {{"Łukasz", "Paweł", "Wojciech"},
     {"Łucja", "Małgorzata", "Zofia"},
     {"Wójcik", "Nowak", "Łęcki"}},
    {{"Σωκράτης", "Νικόλαος", "Γιώργος"},
     {"Ελένη", "Μαρία", "Σοφία"},
     {"Παπαδόπουλος", "Οικονόμου", "Βλάχος"}},
    {{"Иван", "Пётр", "Сергей"}, {"Мария", "Анна", "Ольга"}, {"Петров", "Кузнецов", "Соколов"}},
    {{"אברהם", "יצחק", "משה"}, {"שרה", "רבקה", "לאה"}, {"כהן", "לוי", "מזרחי"}},
    {{"محمد", "أحمد", "علي"}, {"فاطمة", "زينب", "مريم"}, {"حداد", "خوري", "نجار"}},
    {{"देवेन्द्र", "राजेश", "विक्रम"}, {"प्रिया", "सीता", "लक्ष्मी"}, {"शर्मा", "वर्मा", "गुप्ता"}},
    {{"小龍", "建國", "偉"}, {"小紅", "美玲", "秀英"}, {"李", "王", "張"}},
    {{"𐌰𐌽𐍃", "Wulfila", "Ulfilas"}, {"𐌰𐌹𐌽𐌰", "Amalasuntha", "Audofleda"}, {"𐌲𐌿𐌸", "Amal", "Balth"}},
};

QString mixedName(bool man, int script, int given, int family) {
    const ScriptNames &names = kScripts[script];
    return QString::fromUtf8(man ? names.men[given] : names.women[given]) + QLatin1Char(' ') +
           QString::fromUtf8(names.family[family]);
}

}  // namespace

void generateFamilyTree(Document &doc, int count, NameScripts scripts) {
    std::mt19937 random(2024);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    doc.NodeTable.clear();
    doc.NodeTable.reserve(count);
    std::vector<int> generation;
    auto addPerson = [&](int generationIndex, int column, int mother, int father) {
        tnode node;
        node.id = doc.NodeTable.NodeCount() + 1;
        node.sex = column % 2 == 0 ? kSexMan : kSexWoman;
        const int born = 1600 + generationIndex * 25 + pick(0, 10);
        const bool man = node.sex == kSexMan;
        QString fullName;
        if (scripts == NameScripts::Mixed) {
            const int script = pick(0, int(std::size(kScripts)) - 1);
            fullName = mixedName(man, script, pick(0, 2), pick(0, 2));
        } else {
            fullName = QString::fromUtf8(man ? kMen[pick(0, 5)] : kWomen[pick(0, 5)]) +
                       (man ? QStringLiteral(" Кузнецов") : QStringLiteral(" Кузнецова"));
        }
        node.name = toDocText(
            QStringLiteral("%1\r\n%2-%3").arg(fullName).arg(born).arg(born + pick(20, 80)));
        node.x = column * kColumnWidth;
        node.y = generationIndex * kRowHeight;
        node.motherIndex = mother;
        node.fatherIndex = father;
        return doc.NodeTable.append(std::move(node));
    };
    for (int i = 0; i < kFounders && doc.NodeTable.NodeCount() < count; ++i)
        generation.push_back(addPerson(0, i, -1, -1));
    for (int g = 1; doc.NodeTable.NodeCount() < count; ++g) {
        // Couples are neighbours: a man at an even column, a woman after him.
        std::vector<int> next;
        const int most = generation.size() < kWidestGeneration ? 4 : 3;
        for (std::size_t c = 0; c + 1 < generation.size(); c += 2) {
            const int children = pick(1, most);
            for (int k = 0; k < children && doc.NodeTable.NodeCount() < count; ++k)
                next.push_back(addPerson(g, int(next.size()), generation[c + 1], generation[c]));
        }
        generation = std::move(next);
    }
    doc.MeasureAllNames();
}

}  // namespace kinvarro::bench
