#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The archive layout. Every integer is 32-bit signed little-endian.
//
//   volume 1:  title length, title, total size, file count, records..., 0
//   record:    name length (> 0), name, packed DOS date-time, segment
//   segment:   "EC2\0", blocks..., 0
//   block:     B > 0: B bytes of one zlib stream holding one chunk
//              B < 0: -B bytes of the chunk stored as is
//
// A chunk is at most 16 384 bytes of a file. When a file goes on in the next
// volume, its segment end is followed by the record "NEXT:DISK002" (length 12),
// and volume 2 begins directly with the rest of that file's segment.

namespace arkivo::backup {

inline constexpr int kChunkSize = 16384;
// One chunk plus 100 bytes of slack: a volume is closed at MaxSize - 16 484.
inline constexpr int kVolumeSlack = kChunkSize + 100;
// Longer names than this are taken as damage, not as a file record.
inline constexpr int kMaxNameLength = 4096;

inline constexpr char kSegmentTag[4] = {'E', 'C', '2', '\0'};
inline constexpr const char* kFileListName = "FILE:LIST";
inline constexpr const char* kNextDiskName = "NEXT:DISK";
inline constexpr int kNextDiskRecordLength = 12;

// "a.var" -> "a.002" for volume 2; a name without an extension gets one.
QString volumeName(const QString& firstVolume, int number);

// Names are stored as UTF-8 here; archives made on Windows carry their ANSI
// code page (Latin-1 for the Finnish letters), which is taken when the bytes
// are not valid UTF-8.
QByteArray encodeStoredText(const QString& text);
QString decodeStoredText(const QByteArray& bytes);

inline void putInt32(char* out, std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v);
    out[0] = char(u & 0xff);
    out[1] = char((u >> 8) & 0xff);
    out[2] = char((u >> 16) & 0xff);
    out[3] = char((u >> 24) & 0xff);
}

inline std::int32_t getInt32(const char* in) {
    auto b = reinterpret_cast<const unsigned char*>(in);
    return std::int32_t(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
                        std::uint32_t(b[3]) << 24);
}

} // namespace arkivo::backup
