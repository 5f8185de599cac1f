#pragma once

// A second, independent reader and writer of the archive layout, written from
// the layout alone (little-endian 32-bit integers, "EC2\0" segments, positive
// zlib or negative stored blocks, "NEXT:DISKnnn" continuations). Tests use it
// to check the engine's archives and to make archives the engine must read,
// damaged ones included.

#include <cstdint>
#include <string>
#include <vector>

namespace layout {

using Bytes = std::string;

struct Record {
    std::string name;
    uint32_t dosTime = 0;
    Bytes data;                        // whole file data, volumes joined
    std::vector<int32_t> blockLengths; // as stored, in order, all volumes
};

struct Archive {
    std::string title;
    int32_t totalSize = 0;
    int32_t fileCount = 0;
    std::vector<Record> records;
    int volumes = 1;
};

Bytes readFile(const std::string& path);
void writeFile(const std::string& path, const Bytes& bytes);

// Reads an archive and its following volumes; throws std::runtime_error on damage.
Archive read(const std::string& firstVolume);

// The volume name: the first volume's extension replaced by a three-digit number.
std::string volumeName(const std::string& firstVolume, int number);

// Writes archives block by block, as a test wants them.
class Writer {
public:
    void int32(int32_t v);
    void raw(const Bytes& b) { out += b; }
    void header(const std::string& title, int32_t total, int32_t count);
    void recordStart(const std::string& name, uint32_t dosTime);
    void segmentStart() { raw(std::string("EC2\0", 4)); }
    void compressedBlock(const Bytes& chunk, int level = 6);
    void storedBlock(const Bytes& chunk);
    void segmentEnd() { int32(0); }
    void nextDisk(int number);
    void end() { int32(0); }
    Bytes out;
};

Bytes zlibCompress(const Bytes& data, int level);

} // namespace layout
