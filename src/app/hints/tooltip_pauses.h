#pragma once

class QApplication;

namespace kinvarro {

/// Makes the standard tooltips of every control stay until the pointer leaves
/// the control (rather than fading after a few seconds).
void InstallTooltipPauses(QApplication &app);

}  // namespace kinvarro
