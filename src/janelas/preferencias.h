#pragma once
// What the program remembers between runs (recent files, last folder, window places), kept
// in the user's settings for "ZEFIRA".

#include <QSettings>
#include <memory>

namespace zefira {

inline std::unique_ptr<QSettings> Preferencias()
{
    return std::make_unique<QSettings>(QStringLiteral("ZEFIRA"), QStringLiteral("ZEFIRA"));
}

} // namespace zefira
