#include "layout_codec.h"

#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace layout {

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

std::string volumeName(const std::string& firstVolume, int number) {
    const size_t slash = firstVolume.rfind('/');
    size_t dot = firstVolume.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        dot = firstVolume.size();
    char digits[8];
    std::snprintf(digits, sizeof digits, ".%03d", number);
    return firstVolume.substr(0, dot) + digits;
}

namespace {

struct Cursor {
    Bytes bytes;
    size_t pos = 0;
    int32_t int32() {
        if (pos + 4 > bytes.size())
            throw std::runtime_error("truncated");
        const auto* b = reinterpret_cast<const unsigned char*>(bytes.data() + pos);
        pos += 4;
        return int32_t(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
    }
    Bytes take(size_t n) {
        if (pos + n > bytes.size())
            throw std::runtime_error("truncated");
        Bytes r = bytes.substr(pos, n);
        pos += n;
        return r;
    }
};

Bytes inflateChunk(const Bytes& in) {
    Bytes out(16384, '\0');
    uLongf outLen = out.size();
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &outLen, reinterpret_cast<const Bytef*>(in.data()),
                   uLong(in.size())) != Z_OK)
        throw std::runtime_error("bad zlib stream");
    out.resize(outLen);
    return out;
}

void segment(Cursor& c, Record& r) {
    if (c.take(4) != std::string("EC2\0", 4))
        throw std::runtime_error("no EC2 tag");
    for (;;) {
        const int32_t b = c.int32();
        if (b == 0)
            return;
        if (b > 16384 || b < -16384)
            throw std::runtime_error("block too long");
        r.blockLengths.push_back(b);
        const Bytes data = c.take(size_t(b < 0 ? -b : b));
        r.data += b < 0 ? data : inflateChunk(data);
    }
}

} // namespace

Archive read(const std::string& firstVolume) {
    Archive a;
    Cursor c{readFile(firstVolume)};
    a.title = c.take(size_t(c.int32()));
    a.totalSize = c.int32();
    a.fileCount = c.int32();
    for (;;) {
        const int32_t n = c.int32();
        if (n == 0)
            return a;
        if (n < 0 || n > 4096)
            throw std::runtime_error("bad name length");
        const std::string name = c.take(size_t(n));
        if (name.rfind("NEXT:DISK", 0) == 0) {
            const int number = std::stoi(name.substr(9, 3));
            if (number != a.volumes + 1)
                throw std::runtime_error("volumes out of order");
            a.volumes = number;
            c = Cursor{readFile(volumeName(firstVolume, number))};
            segment(c, a.records.back());
            continue;
        }
        Record r;
        r.name = name;
        r.dosTime = uint32_t(c.int32());
        segment(c, r);
        a.records.push_back(std::move(r));
    }
}

void Writer::int32(int32_t v) {
    const auto u = uint32_t(v);
    const char b[4] = {char(u & 0xff), char((u >> 8) & 0xff), char((u >> 16) & 0xff), char((u >> 24) & 0xff)};
    out.append(b, 4);
}

void Writer::header(const std::string& title, int32_t total, int32_t count) {
    int32(int32_t(title.size()));
    raw(title);
    int32(total);
    int32(count);
}

void Writer::recordStart(const std::string& name, uint32_t dosTime) {
    int32(int32_t(name.size()));
    raw(name);
    int32(int32_t(dosTime));
}

Bytes zlibCompress(const Bytes& data, int level) {
    Bytes out(compressBound(uLong(data.size())), '\0');
    uLongf len = out.size();
    compress2(reinterpret_cast<Bytef*>(out.data()), &len, reinterpret_cast<const Bytef*>(data.data()),
              uLong(data.size()), level);
    out.resize(len);
    return out;
}

void Writer::compressedBlock(const Bytes& chunk, int level) {
    const Bytes z = zlibCompress(chunk, level);
    int32(int32_t(z.size()));
    raw(z);
}

void Writer::storedBlock(const Bytes& chunk) {
    int32(-int32_t(chunk.size()));
    raw(chunk);
}

void Writer::nextDisk(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "NEXT:DISK%03d", number);
    int32(12);
    raw(name);
}

} // namespace layout
