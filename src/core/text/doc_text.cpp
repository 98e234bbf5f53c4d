#include "text/doc_text.h"

#include <QByteArrayView>

namespace kinvarro {

QString fromDocText(std::string_view utf8) {
    return QString::fromUtf8(QByteArrayView(utf8.data(), qsizetype(utf8.size())));
}

std::string toDocText(QStringView text) {
    // Latin-1 text is already in NFC: skip the normaliser for the common case.
    bool plain = true;
    for (QChar c : text) {
        if (c.unicode() >= 0x300) {
            plain = false;
            break;
        }
    }
    const QByteArray utf8 =
        plain ? text.toUtf8() : text.toString().normalized(QString::NormalizationForm_C).toUtf8();
    return std::string(utf8.constData(), std::size_t(utf8.size()));
}

}  // namespace kinvarro
