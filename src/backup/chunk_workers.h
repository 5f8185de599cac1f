#pragma once

#include "backup/archive_format.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Compresses and inflates chunks, each one its own zlib stream, on a few
// worker threads. The caller keeps the order: it submits jobs in archive order
// and waits for them in the same order. It does not read or write any file.

namespace arkivo::backup {

struct ChunkJob {
    enum class Kind { Deflate, Inflate };
    Kind kind = Kind::Deflate;
    int level = 1;

    char in[kChunkSize];
    int inSize = 0;
    char out[kChunkSize];
    int outSize = 0;

    // Deflate: true when the stream ended within the output area (else the
    // chunk is stored). Inflate: true when the stream ended, its Adler-32
    // matched and the chunk fit in kChunkSize bytes.
    bool fitted = false;
    bool failed = false; // a zlib error other than "output area too small"
    bool done = false;   // guarded by the workers' mutex

    // The block as it goes into the archive: length B and its bytes.
    int blockLength() const { return fitted ? outSize : -inSize; }
    const char* blockData() const { return fitted ? out : in; }
};

// One deflate or inflate stream kept for reuse (reset between chunks gives the
// same bytes as a fresh initialisation).
class ChunkCodec {
public:
    ChunkCodec();
    ~ChunkCodec();
    ChunkCodec(const ChunkCodec&) = delete;
    ChunkCodec& operator=(const ChunkCodec&) = delete;
    void run(ChunkJob& job);

private:
    void deflateChunk(ChunkJob& job);
    void inflateChunk(ChunkJob& job);
    struct Streams;
    std::unique_ptr<Streams> m;
};

class ChunkWorkers {
public:
    // threads <= 1 runs every job on the caller's thread at submit().
    explicit ChunkWorkers(int threads);
    ~ChunkWorkers();
    ChunkWorkers(const ChunkWorkers&) = delete;
    ChunkWorkers& operator=(const ChunkWorkers&) = delete;

    void submit(ChunkJob* job);
    void wait(ChunkJob* job);
    bool threaded() const { return !m_threads.empty(); }

    // One worker per core, at least one.
    static int defaultThreads();

private:
    void workerLoop();

    ChunkCodec m_inline;
    std::mutex m_mutex;
    std::condition_variable m_work;
    std::condition_variable m_finished;
    std::deque<ChunkJob*> m_queue;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};

} // namespace arkivo::backup
