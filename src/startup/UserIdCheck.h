#pragma once

#include <QString>

namespace tonalyst {

// The outcome of checking what the student typed as a user ID: either the ID to keep
// (trimmed, upper case) or the message that explains the refusal.
struct UserIdCheck {
    QString userId;
    QString refusal;

    bool accepted() const { return refusal.isEmpty(); }
};

// The user ID is written into a quoted field of every performance record and matched
// when reports are compiled, so anything that could split or end that field is refused.
UserIdCheck checkUserId(const QString& typed);

// The text the entry box starts with and is reset to after a refusal.
inline const QString kUserIdPlaceholder = QStringLiteral("user");

} // namespace tonalyst
