#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// TGA run-length packets for test and benchmark files, made greedily: two or more equal
// pixels make a repeated packet, the rest literal ones. Packets run on across rows.
inline std::vector<unsigned char> runLengthPackets(const std::vector<unsigned char>& pixels,
                                                   const unsigned int bytesPerPixel) {
    std::vector<unsigned char> packets;
    const std::size_t count = pixels.size() / bytesPerPixel;
    const auto at = [&](const std::size_t i) { return pixels.data() + i * bytesPerPixel; };
    const auto same = [&](const std::size_t i, const std::size_t j) {
        return std::equal(at(i), at(i) + bytesPerPixel, at(j));
    };
    const auto repeats = [&](const std::size_t i) { return i + 1 < count && same(i, i + 1); };
    for (std::size_t i = 0; i < count;) {
        std::size_t n = 1;
        if (repeats(i)) {
            while (n < 128 && i + n < count && same(i, i + n)) {
                ++n;
            }
            packets.push_back(static_cast<unsigned char>(0x80 | (n - 1)));
            packets.insert(packets.end(), at(i), at(i) + bytesPerPixel);
        } else {
            while (n < 128 && i + n < count && !repeats(i + n)) {
                ++n;
            }
            packets.push_back(static_cast<unsigned char>(n - 1));
            packets.insert(packets.end(), at(i), at(i + n));
        }
        i += n;
    }
    return packets;
}
