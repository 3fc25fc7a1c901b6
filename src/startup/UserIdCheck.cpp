#include "startup/UserIdCheck.h"

#include <QCoreApplication>
#include <QList>

namespace tonalyst {

namespace {

// A quote would end the quoted field early. A comma is harmless inside quotes, but a
// reader that splits a record at commas (a quick script, a spreadsheet import) would
// shift every later field, and four characters of initials never need one. Control
// characters and other invisible code points could end the line or hide in a report.
bool breaksRecord(char32_t codePoint) {
    if (codePoint == U'"' || codePoint == U',')
        return true;
    return codePoint != U' ' && !QChar::isPrint(codePoint);
}

} // namespace

UserIdCheck checkUserId(const QString& typed) {
    const QString trimmed = typed.trimmed();
    if (typed == kUserIdPlaceholder || trimmed.isEmpty())
        return {QString(), QCoreApplication::translate("UserIdCheck", "You must enter a user id")};
    for (const char32_t codePoint : trimmed.toUcs4())
        if (breaksRecord(codePoint))
            return {QString(), QCoreApplication::translate(
                                   "UserIdCheck",
                                   "A user id cannot contain quotation marks, commas or control characters. "
                                   "Please use letters and digits.")};
    return {trimmed.toUpper(), QString()};
}

} // namespace tonalyst
