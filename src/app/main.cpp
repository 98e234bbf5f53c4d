#include <QApplication>

#include "application.h"
#include "render/font_substitutes.h"
#include "settings/machine_store.h"

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kinvarro"));
    kinvarro::installFontSubstitutes();

    kinvarro::MachineStore store;
    kinvarro::KinvarroApplication kinvarro(QCoreApplication::applicationDirPath(), store);
    if (!kinvarro.start())
        return 0;
    const QStringList args = QCoreApplication::arguments();
    kinvarro.show(args.value(1));
    return QApplication::exec();
}
