#pragma once

#include <QString>

namespace kirvano::maker {

// The maker's lines, the same on the splash and in the about window.
inline const QString Web = QStringLiteral("www.kirvano.example");
inline const QString Mail = QStringLiteral("info@kirvano.example");
// Short enough for one line in both windows' notice labels.
inline const QString Rights = QStringLiteral("© 2009-2026 Marbolin - Diritti riservati");

} // namespace kirvano::maker
