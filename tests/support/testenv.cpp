#include "testenv.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

namespace kirvano::test {

namespace {
int folders = 0;

QTemporaryDir *privateRoot()
{
    // Removed with everything in it when the test program ends.
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/kirvano-test-XXXXXX"));
    return &dir;
}
bool ready = false;
} // namespace

QString setUpPrivateEnvironment()
{
    QTemporaryDir *root = privateRoot();
    if (!ready) {
        ready = true;
        const QString base = root->path();
        for (const char *sub : {"home", "config", "runtime", "work"})
            QDir(base).mkpath(QString::fromLatin1(sub));
        QFile::setPermissions(base + QStringLiteral("/runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("HOME", (base + QStringLiteral("/home")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (base + QStringLiteral("/config")).toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", (base + QStringLiteral("/runtime")).toLocal8Bit());
        qputenv("GST_REGISTRY", (base + QStringLiteral("/gst-registry.bin")).toLocal8Bit());
        QDir::setCurrent(base + QStringLiteral("/work"));
    }
    return root->path();
}

QString freshFolder(const QString &name)
{
    const QString path = setUpPrivateEnvironment() + QStringLiteral("/f%1-%2").arg(++folders).arg(name);
    QDir().mkpath(path);
    return path;
}

} // namespace kirvano::test
