// libFuzzer target: the settings reader and SettingsStore::load on any bytes.
#include "readerproperties.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QString scratchFile()
{
    static QTemporaryDir dir;
    return dir.path() + QStringLiteral("/config_bmb.dat");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Raw data, not a copy: a read past the end lands in the sanitizer's red zone.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::string problem = kirvano::fuzz::checkReaderProperties(bytes, scratchFile());
    if (!problem.empty()) {
        std::fprintf(stderr, "settings reader: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
