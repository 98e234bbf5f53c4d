#include "settings/machine_store.h"

#include <QSettings>
#include <QStandardPaths>

namespace kinvarro {
namespace {

std::optional<int> readInt(const QSettings &settings, const QString &name) {
    if (!settings.contains(name))
        return std::nullopt;
    bool ok = false;
    const int value = settings.value(name).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString historyName(int index) {
    return QStringLiteral("History%1").arg(index + 1);
}

}  // namespace

MachineStore::MachineStore()
    : filePath_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                QLatin1String("/kinvarro/kinvarro.conf")) {}

QString MachineStore::language() const {
    const QSettings settings(filePath_, QSettings::IniFormat);
    return settings.value(QStringLiteral("Language")).toString();
}

void MachineStore::setLanguage(const QString &language) {
    QSettings settings(filePath_, QSettings::IniFormat);
    settings.setValue(QStringLiteral("Language"), language);
}

StoredPlacement MachineStore::placement() const {
    const QSettings settings(filePath_, QSettings::IniFormat);
    return StoredPlacement{
        readInt(settings, QStringLiteral("X")), readInt(settings, QStringLiteral("Y")),
        readInt(settings, QStringLiteral("dX")), readInt(settings, QStringLiteral("dY"))};
}

void MachineStore::setPlacement(int x, int y, int width, int height) {
    QSettings settings(filePath_, QSettings::IniFormat);
    settings.setValue(QStringLiteral("X"), x);
    settings.setValue(QStringLiteral("Y"), y);
    settings.setValue(QStringLiteral("dX"), width);
    settings.setValue(QStringLiteral("dY"), height);
}

std::array<QString, MachineStore::kHistorySize> MachineStore::history() const {
    const QSettings settings(filePath_, QSettings::IniFormat);
    std::array<QString, kHistorySize> paths;
    for (int i = 0; i < kHistorySize; ++i)
        paths[std::size_t(i)] = settings.value(historyName(i)).toString().left(kMaxHistoryLength);
    return paths;
}

void MachineStore::setHistory(const std::array<QString, kHistorySize> &paths) {
    QSettings settings(filePath_, QSettings::IniFormat);
    for (int i = 0; i < kHistorySize; ++i)
        settings.remove(historyName(i));
    for (int i = 0; i < kHistorySize; ++i)
        settings.setValue(historyName(i), paths[std::size_t(i)]);
}

QString MachineStore::lastFolder() const {
    const QSettings settings(filePath_, QSettings::IniFormat);
    return settings.value(QStringLiteral("LastFolder")).toString().left(kMaxHistoryLength);
}

void MachineStore::setLastFolder(const QString &folder) {
    QSettings settings(filePath_, QSettings::IniFormat);
    settings.setValue(QStringLiteral("LastFolder"), folder);
}

bool MachineStore::arrangeImports() const {
    const QSettings settings(filePath_, QSettings::IniFormat);
    return readInt(settings, QStringLiteral("ArrangeImports")).value_or(1) != 0;
}

void MachineStore::setArrangeImports(bool arrange) {
    QSettings settings(filePath_, QSettings::IniFormat);
    settings.setValue(QStringLiteral("ArrangeImports"), arrange ? 1 : 0);
}

int MachineStore::autosaveSeconds() const {
    const QSettings settings(filePath_, QSettings::IniFormat);
    return readInt(settings, QStringLiteral("AutosaveSeconds")).value_or(60);
}

}  // namespace kinvarro
