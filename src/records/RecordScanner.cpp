#include "records/RecordScanner.h"

#include "records/RecordLimits.h"

#include <QtEndian>

#include <bit>
#include <cstring>

namespace tonalyst {

namespace {

constexpr quint64 kEachByte = 0x0101010101010101u;
constexpr quint64 kHighBits = 0x8080808080808080u;

// Marks, by their high bit, the bytes among eight that end a quoted text: the closing
// quote, control bytes and DEL. A borrow may mark a byte above a marked one wrongly, never
// one below, so the lowest mark is exact. Bytes above ASCII are left unmarked.
quint64 textStops(quint64 word) {
    const quint64 quote = word ^ (kEachByte * '"');
    const quint64 del = word ^ (kEachByte * 0x7f);
    const quint64 below = (quote - kEachByte) | (del - kEachByte) | (word - kEachByte * 0x20);
    return below & ~word & kHighBits;
}

// Passes over one character of well-formed UTF-8 that a user ID or caption can hold:
// where the next one starts, or nullptr. Stricter than the full reader's test
// (noncharacters and byte-order marks are left to it), so nothing is accepted here that
// it would read otherwise. No character holds a quote byte, and outside the quotes the
// record's shape admits only ASCII, so checking each text checks the whole line.
const char* pastPlainCharacter(const char* from, const char* end) {
    const auto* at = reinterpret_cast<const unsigned char*>(from);
    const unsigned lead = *at;
    // Two bytes: the accented letters of most names, none of them refused.
    if (lead >= 0xC2 && lead <= 0xDF)
        return end - from >= 2 && (at[1] & 0xC0) == 0x80 ? from + 2 : nullptr;
    int following = 0;
    char32_t code = 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        following = 2;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        following = 3;
        code = lead & 0x07;
    } else {
        return nullptr;
    }
    if (end - from <= following)
        return nullptr;
    for (int i = 1; i <= following; ++i) {
        if ((at[i] & 0xC0) != 0x80)
            return nullptr;
        code = (code << 6) | (at[i] & 0x3F);
    }
    if ((following == 2 && code < 0x800) || (following == 3 && (code < 0x10000 || code > 0x10FFFF)))
        return nullptr;
    // A byte-order mark opening a field is dropped by the full reader's decoding.
    if (code == 0xFEFF || (code >= 0xD800 && code <= 0xDFFF) || (code >= 0xFDD0 && code <= 0xFDEF) ||
        (code & 0xFFFE) == 0xFFFE)
        return nullptr;
    return from + following + 1;
}

bool isPlainUtf8(const char* at, const char* end) {
    while (at != end) {
        if (static_cast<unsigned char>(*at) < 0x80)
            ++at;
        else if (!(at = pastPlainCharacter(at, end)))
            return false;
    }
    return true;
}

// The quote closing a text that starts at `at`, or nullptr when a byte no text may hold
// comes first. Only a text with bytes above ASCII is checked for UTF-8.
const char* closingQuoteCarefully(const char* at, const char* end) {
    const char* stop = at;
    quint64 wide = 0;
    for (; end - stop >= 8; stop += 8) {
        const quint64 word = qFromLittleEndian<quint64>(stop);
        if (const quint64 stops = textStops(word)) {
            wide |= word & ((stops & (0 - stops)) - 1);
            stop += std::countr_zero(stops) / 8;
            break;
        }
        wide |= word;
    }
    if (end - stop < 8) {
        for (; stop != end; ++stop) {
            const auto byte = static_cast<unsigned char>(*stop);
            if (byte == '"' || byte < 0x20 || byte == 0x7f)
                break;
            wide |= byte;
        }
    }
    if (stop == end || *stop != '"')
        return nullptr;
    if ((wide & kHighBits) && !isPlainUtf8(at, stop))
        return nullptr;
    return stop;
}

// The same, with the common case decided in one look at sixteen bytes, which hold most
// texts of a record in plain ASCII and their closing quote.
inline const char* closingQuote(const char* at, const char* end) {
    if (end - at >= 16) {
        // The bytes before the first stop, whose high bits tell of bytes above ASCII.
        quint64 before = qFromLittleEndian<quint64>(at);
        quint64 stops = textStops(before);
        int index = 0;
        if (!stops) {
            const quint64 high = qFromLittleEndian<quint64>(at + 8);
            stops = textStops(high);
            before |= high & ((stops & (0 - stops)) - 1);
            index = 8;
        } else {
            before &= (stops & (0 - stops)) - 1;
        }
        index += std::countr_zero(stops) / 8;
        if (stops && at[index] == '"')
            return !(before & kHighBits) || isPlainUtf8(at, at + index) ? at + index : nullptr;
    }
    return closingQuoteCarefully(at, end);
}

// Outside the quotes the shape itself admits only digits, signs and separators, so control
// bytes and bytes above ASCII need looking for inside them alone. Each function below reads
// one part of a record from `at` and returns where the next starts, or nullptr.

// A quoted text whose opening quote is already read, and the separators that follow it.
template <qsizetype N>
const char* text(const char* at, const char* end, QByteArrayView& text, const char (&then)[N]) {
    const char* close = closingQuote(at, end);
    if (!close || end - close < N - 1 || std::memcmp(close, then, N - 1) != 0)
        return nullptr;
    text = QByteArrayView(at, close);
    return close + N - 1;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

unsigned digit(char c) {
    return static_cast<unsigned>(static_cast<unsigned char>(c)) - '0';
}

// yyyy-mm-dd#," of a real day, as a number yyyymmdd.
const char* date(const char* at, const char* end, int& key) {
    if (end - at < 13 || digit(at[8]) > 9 || digit(at[9]) > 9 || std::memcmp(at + 10, "#,\"", 3) != 0)
        return nullptr;
    // "yyyy-mm-" at once: less "0000-00-", each byte must leave at most 9, or 0 at a dash.
    // A byte below its expected one borrows and leaves its own high bit set, so it is caught
    // whatever the borrow does to the byte above.
    constexpr quint64 kExpected = 0x2D30302D30303030u;
    constexpr quint64 kHeadroom = 0x7F76767F76767676u; // 0x7F less the most each byte may hold
    const quint64 values = qFromLittleEndian<quint64>(at) - kExpected;
    if (((values + kHeadroom) | values) & kHighBits)
        return nullptr;
    const auto value = [values](int i) { return static_cast<int>((values >> (8 * i)) & 0xFF); };
    const int year = value(0) * 1000 + value(1) * 100 + value(2) * 10 + value(3);
    const int month = value(5) * 10 + value(6);
    const int day = static_cast<int>(digit(at[8]) * 10 + digit(at[9]));
    if (year == 0 || month < 1 || month > 12 || day < 1 || (day > 28 && day > daysInMonth(year, month)))
        return nullptr;
    key = year * 10000 + month * 100 + day;
    return at + 13;
}

// A whole number of at most nine digits, which always fits an int.
const char* number(const char* at, const char* end, int& value) {
    const bool negative = at != end && *at == '-';
    at += negative;
    const char* start = at;
    int magnitude = 0;
    for (; at != end && digit(*at) <= 9; ++at) {
        if (at - start == 9)
            return nullptr;
        magnitude = magnitude * 10 + static_cast<int>(digit(*at));
    }
    if (at == start)
        return nullptr;
    value = negative ? -magnitude : magnitude;
    return at;
}

const char* comma(const char* at, const char* end) {
    return at != end && *at == ',' ? at + 1 : nullptr;
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
    RecordView view;
    const char* stop = scanRecord(begin, end, view);
    if (!stop || stop != end)
        return std::nullopt;
    return view;
}

[[gnu::flatten]] const char* scanRecord(const char* at, const char* end, RecordView& view) {
    if (at == end || *at != '"')
        return nullptr;
    // "user",#yyyy-mm-dd#,"method","activity","inversions","category",seconds,success,accidentals
    if (!(at = text(at + 1, end, view.userId, "\",#")) || !(at = date(at, end, view.dateKey)) ||
        !(at = text(at, end, view.method, "\",\"")) || !(at = text(at, end, view.activity, "\",\"")) ||
        !(at = text(at, end, view.inversions, "\",\"")) || !(at = text(at, end, view.category, "\",")) ||
        !(at = number(at, end, view.seconds)) || !(at = comma(at, end)) ||
        !(at = number(at, end, view.success)) || !(at = comma(at, end)))
        return nullptr;
    return number(at, end, view.accidentals);
}

} // namespace tonalyst
