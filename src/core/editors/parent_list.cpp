#include "editors/parent_list.h"

#include "model/document.h"
#include "text/doc_text.h"

namespace kinvarro {

namespace {

// A list item is one line: the lines of a multi-line name are joined by a space.
QString OneLine(const std::string &name) {
    QString text = fromDocText(name);
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return text;
}

}  // namespace

QString ParentItemText(const Document &doc, int k) {
    const ElementTable &table = doc.NodeTable;
    const tnode &node = table[k];
    QString text = OneLine(node.name);
    const bool hasFather = table.isValidIndex(node.fatherIndex);
    const bool hasMother = table.isValidIndex(node.motherIndex);
    if (!hasFather && !hasMother)
        return text;
    text += QStringLiteral(" (");
    if (hasFather)
        text += doc.messages().text(Msg::mFather) + QStringLiteral(": ") +
                OneLine(table[node.fatherIndex].name);
    if (hasMother) {
        if (hasFather)
            text += QStringLiteral(", ");
        text += doc.messages().text(Msg::mMother) + QStringLiteral(": ") +
                OneLine(table[node.motherIndex].name);
    }
    return text + QLatin1Char(')');
}

ParentListFilter::ParentListFilter(const Document &doc) {
    foldedNames_.reserve(std::size_t(doc.NodeTable.NodeCount()));
    for (int k = 0; k < doc.NodeTable.NodeCount(); ++k)
        foldedNames_.push_back(OneLine(doc.NodeTable[k].name).toCaseFolded());
}

std::vector<int> ParentListFilter::shownItems(const QString &typed) const {
    const QString wanted = typed.trimmed().toCaseFolded();
    std::vector<int> items{0};
    items.reserve(foldedNames_.size() + 1);
    for (std::size_t k = 0; k < foldedNames_.size(); ++k) {
        if (wanted.isEmpty() || foldedNames_[k].contains(wanted))
            items.push_back(ParentItemForLink(int(k)));
    }
    return items;
}

QStringList ParentListItems(const Document &doc) {
    QStringList items;
    items.reserve(doc.NodeTable.NodeCount() + 1);
    items << doc.messages().text(Msg::mUnknown);
    for (int k = 0; k < doc.NodeTable.NodeCount(); ++k)
        items << ParentItemText(doc, k);
    return items;
}

}  // namespace kinvarro
