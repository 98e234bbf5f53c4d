// Runs a fuzz target's entry point over the files and folders named on the
// command line, without libFuzzer: the ordinary build compiles every target and
// replays its seeds and kept corpus, so a target cannot fall behind the code.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) __attribute__((weak));

namespace {

int replayFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                           std::size_t(bytes.size()));
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int failures = 0;
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QString given = QString::fromLocal8Bit(argv[i]);
        // A target whose corpus was not kept yet has nothing there to replay.
        if (!QFileInfo::exists(given))
            continue;
        if (!QFileInfo(given).isDir()) {
            failures += replayFile(given);
            ++replayed;
            continue;
        }
        const QDir folder(given);
        for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
            failures += replayFile(folder.filePath(name));
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return failures == 0 ? 0 : 1;
}
