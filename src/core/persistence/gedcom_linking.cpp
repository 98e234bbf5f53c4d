#include "persistence/gedcom_linking.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "persistence/gedcom_gauge.h"

namespace kinvarro {
namespace {

long long countUndefined(const GedcomRecords &records) {
    std::unordered_set<std::string_view> defined;
    defined.reserve(records.individuals.size());
    for (const GedcomIndividual &person : records.individuals)
        defined.insert(person.id);
    std::unordered_set<std::string_view> missing;
    auto check = [&](bool present, const std::string &id) {
        if (present && !id.empty() && !defined.count(id))
            missing.insert(id);
    };
    for (const GedcomFamily &family : records.families) {
        check(family.hasHusband, family.husband);
        check(family.hasWife, family.wife);
        for (const std::string &child : family.children)
            check(true, child);
    }
    return (long long)missing.size();
}

}  // namespace

ParentLinks LinkParents(const GedcomRecords &records, int used, GedcomGauge *gauge) {
    std::unordered_map<std::string_view, int> lastWithId;
    lastWithId.reserve(std::size_t(used));
    for (int i = 0; i < used; ++i)
        lastWithId[records.individuals[std::size_t(i)].id] = i;
    auto resolve = [&](bool present, const std::string &id) {
        if (!present)
            return -1;
        const auto found = lastWithId.find(id);
        return found == lastWithId.end() ? -1 : found->second;
    };
    // Families in file order, so a later family's parent replaces an earlier one.
    std::unordered_map<std::string_view, int> fatherOf;
    std::unordered_map<std::string_view, int> motherOf;
    for (const GedcomFamily &family : records.families) {
        const int father = resolve(family.hasHusband, family.husband);
        const int mother = resolve(family.hasWife, family.wife);
        for (const std::string &child : family.children) {
            if (father >= 0)
                fatherOf[child] = father;
            if (mother >= 0)
                motherOf[child] = mother;
        }
    }
    ParentLinks links;
    links.undefinedPersons = countUndefined(records);
    links.father.assign(std::size_t(used), -1);
    links.mother.assign(std::size_t(used), -1);
    for (int l = 0; l < used; ++l) {
        const std::string_view id = records.individuals[std::size_t(l)].id;
        if (const auto found = fatherOf.find(id); found != fatherOf.end())
            links.father[std::size_t(l)] = found->second;
        if (const auto found = motherOf.find(id); found != motherOf.end())
            links.mother[std::size_t(l)] = found->second;
        if (gauge) {
            gauge->step();
            if (gauge->cancelled())
                break;  // the import drops the links
        }
    }
    return links;
}

}  // namespace kinvarro
