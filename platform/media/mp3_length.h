// What the media layer reads of an MP3 file itself, before any decoder sees
// it: the ID3v2 tag in front of the stream, the header of the first frame, and
// the stream length an encoder writes into that frame (the Xing or Info
// header), which tells a file that was cut short from a complete one.
#pragma once

#include <cstddef>
#include <cstdint>

// The bytes of the ID3v2 tag at the start of the file, header and footer
// included, as the tag declares them (possibly more than the file holds);
// 0 when the file starts with no such tag.
std::size_t id3v2Size(const std::uint8_t* data, std::size_t size);

// True when the bytes start with a valid MPEG audio Layer III frame header.
bool startsWithMp3Frame(const std::uint8_t* data, std::size_t size);

// True when the file declares a longer stream than it holds. Files without
// such a header, and files that are no MP3 at all, are not judged here.
bool isTruncatedMp3(const std::uint8_t* data, std::size_t size);
