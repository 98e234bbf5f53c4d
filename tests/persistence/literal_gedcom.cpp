#include "persistence/literal_gedcom.h"

#include <QFileInfo>
#include <QTextDocument>
#include <algorithm>

#include "markup/markup_reader.h"
#include "markup/plain_text_lines.h"
#include "markup/rich_text_document.h"
#include "text/cp1251_fallback.h"
#include "text/doc_text.h"

namespace kinvarro::test {
namespace {

std::string familyKey(int f, int m) {
    if (f == -1 && m == -1)
        return {};
    if (f == -1)
        return "_" + std::to_string(m);
    if (m == -1)
        return std::to_string(f) + "_";
    return std::to_string(f) + "_" + std::to_string(m);
}

bool listed(const std::vector<std::string> &keys, const std::string &key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

void writeNote(std::string &out, const PlainTextLines &lines) {
    if (lines.size() == 1 && lines[0].empty())
        return;
    for (std::size_t i = 0; i < lines.size(); ++i)
        out += (i == 0 ? "1 NOTE " : "2 CONT ") + lines[i] + "\r\n";
}

}  // namespace

QByteArray LiteralGedcomImage(const Document &doc, const QString &path, GedcomEncoding encoding) {
    const bool utf8 = encoding == GedcomEncoding::Utf8;
    QString base = QFileInfo(path).fileName();
    if (base.contains(u'.'))
        base = base.left(base.lastIndexOf(u'.'));
    std::string out = "0 HEAD\r\n1 SOUR Kinvarro\r\n2 NAME " + base.toStdString();
    out += utf8 ? "\r\n1 GEDC Kinvarro\r\n2 VERS 5.5.1\r\n2 FORM LINEAGE-LINKED\r\n1 CHAR UTF-8\r\n"
                : "\r\n1 GEDC Kinvarro\r\n2 VERS 5.5\r\n2 FORM LINEAGE-LINKED\r\n1 CHAR ANSI\r\n";
    PlainTextLines info = RichTextPlainLines(doc.info());
    while (!info.empty() && info.back().empty())
        info.pop_back();
    writeNote(out, info);

    const ElementTable &t = doc.NodeTable;
    const int n = t.NodeCount();
    // Only persons have records: links of and to historical events are left out.
    const auto isPerson = [&](int i) { return i >= 0 && i < n && t[i].kind == 0; };
    const auto father = [&](int c) {
        return isPerson(c) && isPerson(t[c].fatherIndex) ? t[c].fatherIndex : -1;
    };
    const auto mother = [&](int c) {
        return isPerson(c) && isPerson(t[c].motherIndex) ? t[c].motherIndex : -1;
    };
    for (int p = 0; p < n; ++p) {
        if (t[p].kind != 0)
            continue;
        out += "0 @I" + std::to_string(p) + "@ INDI\r\n";
        QString name = fromDocText(t[p].name);
        name.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        name.replace(u'\r', u' ').replace(u'\n', u' ');
        out += "1 NAME " + name.toStdString() + "\r\n";
        if (t[p].sex == 1)
            out += "1 SEX M\r\n";
        if (t[p].sex == 2)
            out += "1 SEX F\r\n";
        QTextDocument description;
        RichTextDocument rich(description);
        (void)MarkupToRichText(t[p].description, rich);
        writeNote(out, RichTextPlainLines(description));
        if (!utf8) {
            if (father(p) != -1)
                out += "1 FATH @I" + std::to_string(father(p)) + "@\r\n";
            if (mother(p) != -1)
                out += "1 MOTH @I" + std::to_string(mother(p)) + "@\r\n";
            for (int c = 0; c < n; ++c) {
                if (father(c) == p || mother(c) == p)
                    out += "1 CHIL @I" + std::to_string(c) + "@\r\n";
            }
        } else {
            for (const auto &[link, label] :
                 {std::pair{t[p].fatherIndex, "отец"}, std::pair{t[p].motherIndex, "мать"}}) {
                if (link >= 0 && link < n && !isPerson(link)) {
                    QString name = fromDocText(t[link].name);
                    name.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
                    name.replace(u'\r', u' ').replace(u'\n', u' ');
                    out += "1 NOTE " + std::string(label) + ": " + name.toStdString() + "\r\n";
                }
            }
        }
        if (const std::string own = familyKey(father(p), mother(p)); !own.empty())
            out += "1 FAMC @F" + own + "@\r\n";
        std::vector<std::string> spouseKeys;
        for (int c = 0; c < n; ++c) {
            if (father(c) != p && mother(c) != p)
                continue;
            const std::string key = familyKey(father(c), mother(c));
            if (!listed(spouseKeys, key)) {
                out += "1 FAMS @F" + key + "@\r\n";
                spouseKeys.push_back(key);
            }
        }
    }
    std::vector<std::string> written;
    for (int c = 0; c < n; ++c) {
        const int f = father(c);
        const int m = mother(c);
        const std::string key = familyKey(f, m);
        if (key.empty() || listed(written, key))
            continue;
        written.push_back(key);
        out += "0 @F" + key + "@ FAM\r\n";
        if (f != -1)
            out += "1 HUSB @I" + std::to_string(f) + "@\r\n";
        if (m != -1)
            out += "1 WIFE @I" + std::to_string(m) + "@\r\n";
        for (int d = 0; d < n; ++d) {
            if (isPerson(d) && father(d) == f && mother(d) == m)
                out += "1 CHIL @I" + std::to_string(d) + "@\r\n";
        }
    }
    out += "0 TRLR\r\n";
    if (utf8)
        return "\xEF\xBB\xBF" + QByteArray::fromStdString(out);
    return QByteArray::fromStdString(storeAsCp1251(fromDocText(out)));
}

}  // namespace kinvarro::test
