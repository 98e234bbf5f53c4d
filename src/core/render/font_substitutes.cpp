#include "render/font_substitutes.h"

#include <QFont>
#include <QStringList>

namespace kinvarro {

void installFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("Arial Cyr"),
                               {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman Cyr"),
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(QStringLiteral("Courier New Cyr"),
                               {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
}

}  // namespace kinvarro
