#include "OneNoteMidi.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace tonalyst {

namespace {

constexpr int kTicksPerQuarter = 480;
constexpr int kMicrosecondsPerQuarter = 500000;

int ticksOf(double seconds) {
    return static_cast<int>(std::lround(seconds * 1e6 / kMicrosecondsPerQuarter * kTicksPerQuarter));
}

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void putVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

std::uint8_t byteOf(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 127));
}

} // namespace

std::vector<std::uint8_t> oneNoteMidi(const OneNote& note) {
    const int soundingTicks = ticksOf(note.soundingSeconds);
    const int restTicks = std::max(0, ticksOf(note.lengthSeconds) - soundingTicks);

    std::vector<std::uint8_t> track;
    putVariableLength(track, 0);
    track.insert(track.end(), {0xFF, 0x51, 0x03});
    putBigEndian(track, kMicrosecondsPerQuarter, 3);
    putVariableLength(track, 0);
    track.insert(track.end(), {0xC0, byteOf(note.program)});
    putVariableLength(track, 0);
    track.insert(track.end(), {0x90, byteOf(note.key), byteOf(note.velocity)});
    putVariableLength(track, static_cast<std::uint32_t>(soundingTicks));
    track.insert(track.end(), {0x80, byteOf(note.key), 64});
    putVariableLength(track, static_cast<std::uint32_t>(restTicks));
    track.insert(track.end(), {0xFF, 0x2F, 0x00});

    std::vector<std::uint8_t> file{'M', 'T', 'h', 'd'};
    putBigEndian(file, 6, 4);
    putBigEndian(file, 0, 2); // one track
    putBigEndian(file, 1, 2);
    putBigEndian(file, kTicksPerQuarter, 2);
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    putBigEndian(file, static_cast<std::uint32_t>(track.size()), 4);
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

bool writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

} // namespace tonalyst
