#pragma once

#include <QString>

class QSettings;

namespace tonalyst {

// Whether and where a user's answers go to a class server. Each user of the computer has
// their own; nothing is sent until a user turns it on.
struct ClassServerSettings {
    bool enabled = false;
    QString server; // a service name, a URI or key=value settings; never a password of Tonalyst's

    static ClassServerSettings load(const QSettings& settings, const QString& userId);
    void save(QSettings& settings, const QString& userId) const;

    friend bool operator==(const ClassServerSettings&, const ClassServerSettings&) = default;
};

} // namespace tonalyst
