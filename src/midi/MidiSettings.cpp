#include "midi/MidiSettings.h"

#include <QSettings>

namespace tonalyst {

namespace {

// A user ID may hold slashes, quotes or anything else; as hex it is always one key.
QString groupOf(const QString& userId) {
    return QStringLiteral("midi/") + QString::fromLatin1(userId.toUtf8().toHex());
}

} // namespace

MidiSettings MidiSettings::load(const QSettings& settings, const QString& userId) {
    const QString group = groupOf(userId);
    bool number = false;
    const int control = settings.value(group + QStringLiteral("/submitControl")).toInt(&number);
    return {settings.value(group + QStringLiteral("/port")).toString(),
            number && control >= kNoControl && control < 128 ? control : kSustainPedal};
}

void MidiSettings::save(QSettings& settings, const QString& userId) const {
    const QString group = groupOf(userId);
    settings.setValue(group + QStringLiteral("/port"), port);
    settings.setValue(group + QStringLiteral("/submitControl"), submitControl);
}

} // namespace tonalyst
