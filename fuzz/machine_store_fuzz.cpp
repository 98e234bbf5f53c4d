// Any bytes as the per-machine store: every value reads within its bounds, and
// values written read back unchanged.
#include <cstdint>

#include "fuzz_support.h"
#include "settings/machine_store.h"

using namespace kinvarro;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(fuzz::Scratch().path()));
    fuzz::StartApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    MachineStore store;
    QDir().mkpath(QFileInfo(store.filePath()).path());
    QFile file(store.filePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fuzz::Broken("cannot write the store");
    file.write(fuzz::Bytes(data, size));
    file.close();

    const auto history = store.history();
    for (const QString &path : history) {
        if (path.size() > MachineStore::kMaxHistoryLength)
            fuzz::Broken("a recent file is longer than the limit");
    }
    (void)store.language();
    (void)store.placement();
    const QString folder = store.lastFolder();
    store.setHistory(history);
    store.setLastFolder(folder);
    if (store.history() != history || store.lastFolder() != folder)
        fuzz::Broken("stored values read back otherwise");
    return 0;
}
