#include "records/RecordScanner.h"

#include "records/RecordLimits.h"

namespace tonalyst {

namespace {

class Cursor {
public:
    Cursor(const char* begin, const char* end) : m_pos(begin), m_end(end) {}

    bool atEnd() const { return m_pos == m_end; }

    bool take(char c) {
        if (m_pos == m_end || *m_pos != c)
            return false;
        ++m_pos;
        return true;
    }

    // Outside the quotes the shape itself admits only digits, signs and separators, so
    // control bytes and bytes above ASCII need looking for here alone.
    bool quoted(QByteArrayView& text) {
        if (!take('"'))
            return false;
        const char* start = m_pos;
        for (; m_pos != m_end; ++m_pos) {
            const auto byte = static_cast<unsigned char>(*m_pos);
            if (byte == '"') {
                text = QByteArrayView(start, m_pos);
                ++m_pos;
                return true;
            }
            if (byte < 0x20 || byte == 0x7f)
                return false;
            m_beyondAscii |= byte >= 0x80;
        }
        return false;
    }

    bool beyondAscii() const { return m_beyondAscii; }

    bool date(int& key) {
        if (m_end - m_pos < 12 || m_pos[0] != '#' || m_pos[5] != '-' || m_pos[8] != '-' || m_pos[11] != '#')
            return false;
        int year = 0;
        int month = 0;
        int day = 0;
        if (!digits(m_pos + 1, 4, year) || !digits(m_pos + 6, 2, month) || !digits(m_pos + 9, 2, day))
            return false;
        if (year == 0 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
            return false;
        key = year * 10000 + month * 100 + day;
        m_pos += 12;
        return true;
    }

    // A whole number of at most nine digits, which always fits an int.
    bool number(int& value) {
        const bool negative = take('-');
        const char* start = m_pos;
        int magnitude = 0;
        while (m_pos != m_end && *m_pos >= '0' && *m_pos <= '9') {
            if (m_pos - start == 9)
                return false;
            magnitude = magnitude * 10 + (*m_pos - '0');
            ++m_pos;
        }
        if (m_pos == start)
            return false;
        value = negative ? -magnitude : magnitude;
        return true;
    }

private:
    static bool digits(const char* from, int count, int& value) {
        value = 0;
        for (int i = 0; i < count; ++i) {
            if (from[i] < '0' || from[i] > '9')
                return false;
            value = value * 10 + (from[i] - '0');
        }
        return true;
    }

    static int daysInMonth(int year, int month) {
        static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return month == 2 && leap ? 29 : kDays[month - 1];
    }

    const char* m_pos;
    const char* m_end;
    bool m_beyondAscii = false;
};

// Well-formed UTF-8 of characters a user ID or caption can hold. Stricter than the full
// reader's test (noncharacters and byte-order marks are left to it), so nothing is
// accepted here that it would read otherwise.
bool isPlainUtf8(const unsigned char* at, const unsigned char* end) {
    while (at != end) {
        const unsigned lead = *at;
        if (lead < 0x80) {
            ++at;
            continue;
        }
        int following = 0;
        char32_t code = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            following = 1;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            following = 2;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            following = 3;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (end - at <= following)
            return false;
        for (int i = 1; i <= following; ++i) {
            if ((at[i] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (at[i] & 0x3F);
        }
        if ((following == 2 && code < 0x800) || (following == 3 && (code < 0x10000 || code > 0x10FFFF)))
            return false;
        // A byte-order mark opening a field is dropped by the full reader's decoding.
        if (code == 0xFEFF || (code >= 0xD800 && code <= 0xDFFF) || (code >= 0xFDD0 && code <= 0xFDEF) ||
            (code & 0xFFFE) == 0xFFFE)
            return false;
        at += following + 1;
    }
    return true;
}

} // namespace

std::optional<RecordView> scanRecordLine(QByteArrayView line) {
    if (line.size() > kMaxLineBytes)
        return std::nullopt;
    const char* begin = line.data();
    const char* end = begin + line.size();
    if (end != begin && end[-1] == '\n')
        --end;
    if (end != begin && end[-1] == '\r')
        --end;
    Cursor cursor(begin, end);
    RecordView view;
    const bool ok = cursor.quoted(view.userId) && cursor.take(',') && cursor.date(view.dateKey) &&
                    cursor.take(',') && cursor.quoted(view.method) && cursor.take(',') &&
                    cursor.quoted(view.activity) && cursor.take(',') && cursor.quoted(view.inversions) &&
                    cursor.take(',') && cursor.quoted(view.category) && cursor.take(',') &&
                    cursor.number(view.seconds) && cursor.take(',') && cursor.number(view.success) &&
                    cursor.take(',') && cursor.number(view.accidentals) && cursor.atEnd();
    if (!ok)
        return std::nullopt;
    if (cursor.beyondAscii() && !isPlainUtf8(reinterpret_cast<const unsigned char*>(begin),
                                             reinterpret_cast<const unsigned char*>(end)))
        return std::nullopt;
    return view;
}

} // namespace tonalyst
