#include "ui/print_dialog.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace kinvarro {
namespace {

// Neighbouring poster sheets share this much, in points, to glue them by.
constexpr double kPosterOverlap = 20.0;

}  // namespace

TfPrint::TfPrint(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("fPrint"));
    setWindowTitle(QStringLiteral("Печать"));
    setFixedSize(330, 130);

    rbFit = new QRadioButton(QStringLiteral("На одну страницу"), this);
    rbFit->setObjectName(QStringLiteral("rbFit"));
    rbFit->setGeometry(16, 12, 300, 24);
    rbFit->setChecked(true);
    rbPoster = new QRadioButton(QStringLiteral("Плакат из нескольких листов, масштаб %"), this);
    rbPoster->setObjectName(QStringLiteral("rbPoster"));
    rbPoster->setGeometry(16, 42, 230, 24);
    seScale = new QSpinBox(this);
    seScale->setObjectName(QStringLiteral("seScale"));
    seScale->setRange(10, 1000);
    seScale->setValue(100);
    seScale->setGeometry(250, 40, 64, 26);
    connect(seScale, &QSpinBox::valueChanged, rbPoster, [this] { rbPoster->setChecked(true); });

    BitBtn1 = new QPushButton(QStringLiteral("Просмотр.."), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(110, 88, 110, 30);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

std::optional<PrintOptions> TfPrint::askOptions() {
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return chosenOptions();
}

PrintOptions TfPrint::chosenOptions() const {
    PrintOptions options;
    options.mode = rbPoster->isChecked() ? PrintMode::Poster : PrintMode::FitToPage;
    options.scale = seScale->value() / 100.0;
    options.overlap = kPosterOverlap;
    return options;
}

}  // namespace kinvarro
