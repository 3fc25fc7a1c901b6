#pragma once

#include <QByteArrayView>
#include <QDate>

#include <optional>

namespace tonalyst {

// One record line seen in place, without copying its texts.
struct RecordView {
    QByteArrayView userId; // UTF-8, as in the file
    int dateKey = 0;       // see dateKey()
    QByteArrayView method;
    QByteArrayView activity;
    QByteArrayView inversions;
    QByteArrayView category;
    int seconds = 0;
    int success = 0;
    int accidentals = 0;
};

// A date as yyyymmdd in one number, so that dates compare as numbers.
inline int dateKey(QDate date) {
    return date.year() * 10000 + date.month() * 100 + date.day();
}

// The quick reading of a line as Tonalyst writes it: printable UTF-8 in exactly the
// record's shape. Any other line gives nullopt and is left to parseRecordLine, which has
// the final word; whatever this accepts, parseRecordLine accepts with the same fields.
std::optional<RecordView> scanRecordLine(QByteArrayView line);

// The same reading of the record that opens [begin, end), for a reader that finds the line
// end on the way rather than looking for it first: where the last field stops (at a line
// end, at `end` or at whatever else follows), or nullptr when no record opens the bytes.
// The caller checks what follows and the line's length.
const char* scanRecord(const char* begin, const char* end, RecordView& view);

} // namespace tonalyst
