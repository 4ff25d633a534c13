#pragma once

#include <QString>

namespace kirvano::test {

// Gives the test program a private HOME, XDG_CONFIG_HOME, XDG_RUNTIME_DIR,
// GStreamer registry and working folder, so no test touches the user's
// files. Returns the private root folder.
QString setUpPrivateEnvironment();

// A fresh empty folder inside the private root.
QString freshFolder(const QString &name);

} // namespace kirvano::test
