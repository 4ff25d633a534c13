// Saves two different complete sets of settings in turn, for ever, until it
// is killed: usage kirvano_savelooper SETTINGS_FILE REPORT_FILE.
// It prints "saving" once the first save is done.
#include "savesets.h"

#include "settings/settingsstore.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SETTINGS_FILE REPORT_FILE\n", argv[0]);
        return 2;
    }
    const kirvano::SettingsStore store(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    const kirvano::Settings sets[] = {kirvano::test::secondSaveSet(), kirvano::test::firstSaveSet()};
    for (unsigned long i = 0;; ++i) {
        const auto result = store.save(sets[i % 2]);
        if (!result.ok) {
            std::fprintf(stderr, "save failed: %s: %s\n", qPrintable(result.file), qPrintable(result.reason));
            return 1;
        }
        if (i == 0) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}
