#include <QApplication>

#include "application.h"
#include "hints/tooltip_pauses.h"
#include "render/font_substitutes.h"
#include "settings/machine_store.h"
#include "settings/program_folder.h"

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kinvarro"));
    kinvarro::installFontSubstitutes();
    kinvarro::InstallTooltipPauses(app);

    kinvarro::MachineStore store;
    const kinvarro::ProgramFolder program =
        kinvarro::FindProgramFolder(QCoreApplication::applicationDirPath());
    kinvarro::KinvarroApplication kinvarro(program.path, store, program.layout);
    if (!kinvarro.start())
        return 0;
    const QStringList args = QCoreApplication::arguments();
    kinvarro.show(args.value(1));
    return QApplication::exec();
}
