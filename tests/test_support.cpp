#include "test_support.h"

namespace kinvarro::test {

int addPerson(Document &doc, int x, int y, int mother, int father, const std::string &name) {
    tnode node;
    node.id = 0x100 + doc.NodeTable.NodeCount();
    node.x = x;
    node.y = y;
    node.motherIndex = mother;
    node.fatherIndex = father;
    node.name = name;
    const int index = doc.NodeTable.append(std::move(node));
    doc.MeasureNameExtent(index);
    return index;
}

}  // namespace kinvarro::test
