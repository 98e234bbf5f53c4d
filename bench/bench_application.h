#pragma once

#include <QGuiApplication>

#include "render/font_substitutes.h"

namespace kinvarro::bench {

// Set before the application starts, which is why it is a base class.
struct OffscreenUnlessTold {
    OffscreenUnlessTold() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
};

/// A benchmark's Qt application: offscreen unless the environment names a
/// platform, with the font substitutes the editor installs, so names measure
/// as they do there.
class BenchApplication : private OffscreenUnlessTold, public QGuiApplication {
  public:
    BenchApplication(int &argc, char **argv) : QGuiApplication(argc, argv) {
        installFontSubstitutes();
    }
};

}  // namespace kinvarro::bench
