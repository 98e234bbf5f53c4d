#pragma once

// What every target needs: a GUI application for the image and font code, a
// scratch folder for targets that read files, and a way to say what broke.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace kinvarro::fuzz {

inline void StartApplication(int *argc, char ***argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
}

inline const QTemporaryDir &Scratch() {
    static const QTemporaryDir dir;
    return dir;
}

inline QString WriteScratchFile(const QString &name, const QByteArray &bytes) {
    const QString path = Scratch().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write the scratch file %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

[[noreturn]] inline void Broken(const char *what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline QByteArray Bytes(const std::uint8_t *data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

}  // namespace kinvarro::fuzz
