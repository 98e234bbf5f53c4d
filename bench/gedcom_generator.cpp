#include "gedcom_generator.h"

#include <algorithm>
#include <random>
#include <vector>

namespace kinvarro::bench {
namespace {

const char *const kGivenMen[] = {"Иван", "Пётр", "Алексей", "John", "Frédéric", "Николай"};
const char *const kGivenWomen[] = {"Анна", "Мария", "Ольга", "Jane", "Zoë", "Елизавета"};
const char *const kSurnames[] = {"Петров", "Смирнов", "Кузнецов", "Smith", "Müller", "Орлов"};
const char *const kPlaces[] = {"Киев", "Москва", "London", "Paris", "Новгород"};

struct Person {
    bool man = true;
};

}  // namespace

std::string generateGedcom(int persons, unsigned seed) {
    std::mt19937 random(seed);
    auto below = [&](int n) { return int(random() % unsigned(std::max(1, n))); };
    std::vector<Person> people(std::size_t(std::max(0, persons)));
    struct Family {
        int husband = -1;
        int wife = -1;
        std::vector<int> children;
    };
    std::vector<Family> families;
    // Generations of growing size; each person after the first generation is
    // a child of a couple (or a single parent) of an earlier generation.
    int generationStart = 0;
    int generationSize = std::max(2, persons / 40);
    while (generationStart < persons) {
        const int end = std::min(persons, generationStart + generationSize);
        for (int i = generationStart; i < end; ++i)
            people[std::size_t(i)].man = below(2) == 0;
        if (generationStart > 0) {
            const int parentsFrom = std::max(0, generationStart - generationSize);
            const int parentsTo = generationStart;
            for (int i = generationStart; i < end;) {
                Family family;
                const int kind = below(10);
                if (kind != 0)
                    family.husband = parentsFrom + below(parentsTo - parentsFrom);
                if (kind != 1)
                    family.wife = parentsFrom + below(parentsTo - parentsFrom);
                const int children = 1 + below(4);
                for (int c = 0; c < children && i < end; ++c, ++i) {
                    if (below(25) == 0)
                        continue;  // a loner or a root of its own
                    family.children.push_back(i);
                }
                families.push_back(std::move(family));
            }
        }
        generationStart = end;
        generationSize = generationSize + generationSize / 3 + 1;
    }

    std::vector<int> order(people.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::shuffle(order.begin(), order.end(), random);
    std::shuffle(families.begin(), families.end(), random);

    std::string text = "0 HEAD\n1 SOUR bench\n1 GEDC\n2 VERS 5.5\n1 CHAR UTF-8\n";
    text += "1 NOTE Сгенерированное древо\n2 CONT для проверки импорта\n";
    for (const int i : order) {
        const Person &p = people[std::size_t(i)];
        text += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME ";
        text += p.man ? kGivenMen[below(6)] : kGivenWomen[below(6)];
        text += " /";
        text += kSurnames[below(6)];
        text += "/\n1 SEX ";
        text += p.man ? "M\n" : "F\n";
        text += "1 BIRT\n2 DATE " + std::to_string(1 + below(28)) + " JAN " +
                std::to_string(1700 + below(300)) + "\n2 PLAC " + kPlaces[below(5)] + "\n";
        if (below(5) == 0)
            text += "1 NOTE Заметка\n2 CONC  о человеке " + std::to_string(i) + "\n";
        if (below(3) == 0) {
            text += "1 DEAT\n2 DATE " + std::to_string(1750 + below(270)) + "\n";
            if (below(2) == 0)
                text += std::string("2 PLAC ") + kPlaces[below(5)] + "\n";
        }
        if (below(6) == 0)
            text += std::string("1 BAPM\n2 PLAC ") + kPlaces[below(5)] + "\n";
        if (below(4) == 0)
            text += "1 OBJE\n2 FILE photos/p" + std::to_string(i) + ".jpg\n3 FORM jpg\n";
        if (below(10) == 0)
            text += "1 OBJE\n2 FILE /archive/scan" + std::to_string(i) + ".tif\n";
    }
    for (std::size_t f = 0; f < families.size(); ++f) {
        const Family &family = families[f];
        text += "0 @F" + std::to_string(f) + "@ FAM\n";
        if (family.husband >= 0)
            text += "1 HUSB @I" + std::to_string(family.husband) + "@\n";
        if (family.wife >= 0)
            text += "1 WIFE @I" + std::to_string(family.wife) + "@\n";
        for (const int child : family.children)
            text += "1 CHIL @I" + std::to_string(child) + "@\n";
    }
    text += "0 TRLR\n";
    return text;
}

}  // namespace kinvarro::bench
