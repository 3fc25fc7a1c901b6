#include "classserver/ClassServerSettings.h"

#include <QSettings>

namespace tonalyst {

namespace {

// A user ID may hold slashes, quotes or anything else; as hex it is always one key.
QString groupOf(const QString& userId) {
    return QStringLiteral("classServer/") + QString::fromLatin1(userId.toUtf8().toHex());
}

} // namespace

ClassServerSettings ClassServerSettings::load(const QSettings& settings, const QString& userId) {
    const QString group = groupOf(userId);
    return {settings.value(group + QStringLiteral("/enabled"), false).toBool(),
            settings.value(group + QStringLiteral("/server")).toString()};
}

void ClassServerSettings::save(QSettings& settings, const QString& userId) const {
    const QString group = groupOf(userId);
    settings.setValue(group + QStringLiteral("/enabled"), enabled);
    settings.setValue(group + QStringLiteral("/server"), server);
}

} // namespace tonalyst
