#include "platform/media/mp3_length.h"

namespace {

std::uint32_t readBigEndian32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

}  // namespace

// The size is stored 7 bits per byte.
std::size_t id3v2Size(const std::uint8_t* data, std::size_t size) {
    if (size < 10 || data[0] != 'I' || data[1] != 'D' || data[2] != '3') return 0;
    const std::size_t body = std::size_t{data[6] & 0x7Fu} << 21 |
                             std::size_t{data[7] & 0x7Fu} << 14 |
                             std::size_t{data[8] & 0x7Fu} << 7 | (data[9] & 0x7Fu);
    const std::size_t footer = (data[5] & 0x10) != 0 ? 10 : 0;
    return 10 + body + footer;
}

bool startsWithMp3Frame(const std::uint8_t* data, std::size_t size) {
    // 11 sync bits, then version, layer and protection; then bit rate and sample rate.
    if (size < 4 || data[0] != 0xFF || (data[1] & 0xE0) != 0xE0) return false;
    const bool reservedVersion = ((data[1] >> 3) & 3) == 1;
    const bool layer3 = ((data[1] >> 1) & 3) == 1;
    const bool badBitRate = (data[2] >> 4) == 15;
    const bool reservedSampleRate = ((data[2] >> 2) & 3) == 3;
    return layer3 && !reservedVersion && !badBitRate && !reservedSampleRate;
}

bool isTruncatedMp3(const std::uint8_t* data, std::size_t size) {
    const std::size_t start = id3v2Size(data, size);
    if (start >= size || !startsWithMp3Frame(data + start, size - start)) return false;
    const std::uint8_t* frame = data + start;
    const std::size_t available = size - start;
    const bool mpeg1 = ((frame[1] >> 3) & 3) == 3;
    const bool mono = ((frame[3] >> 6) & 3) == 3;
    const bool crc = (frame[1] & 1) == 0;
    // The Xing header follows the frame header, its checksum and the side information.
    const std::size_t sideInfo = mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    const std::size_t at = 4 + (crc ? 2 : 0) + sideInfo;
    if (available < at + 16) return false;
    const std::uint8_t* tag = frame + at;
    const bool xing = tag[0] == 'X' && tag[1] == 'i' && tag[2] == 'n' && tag[3] == 'g';
    const bool info = tag[0] == 'I' && tag[1] == 'n' && tag[2] == 'f' && tag[3] == 'o';
    if (!xing && !info) return false;
    const std::uint32_t flags = readBigEndian32(tag + 4);
    if ((flags & 2) == 0) return false;  // no stream length stored
    const std::uint8_t* length = tag + ((flags & 1) != 0 ? 12 : 8);
    return available < readBigEndian32(length);
}
