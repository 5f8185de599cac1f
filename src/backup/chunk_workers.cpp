#include "backup/chunk_workers.h"

#include <zlib.h>

#include <cstring>

namespace arkivo::backup {

struct ChunkCodec::Streams {
    z_stream deflater{};
    int deflateLevel = 0;
    bool deflateReady = false;
    z_stream inflater{};
    bool inflateReady = false;
};

ChunkCodec::ChunkCodec() : m(std::make_unique<Streams>()) {}

ChunkCodec::~ChunkCodec() {
    if (m->deflateReady)
        deflateEnd(&m->deflater);
    if (m->inflateReady)
        inflateEnd(&m->inflater);
}

void ChunkCodec::run(ChunkJob& job) {
    job.fitted = false;
    job.failed = false;
    job.outSize = 0;
    if (job.kind == ChunkJob::Kind::Deflate)
        deflateChunk(job);
    else
        inflateChunk(job);
}

void ChunkCodec::deflateChunk(ChunkJob& job) {
    z_stream& s = m->deflater;
    if (m->deflateReady && m->deflateLevel != job.level) {
        deflateEnd(&s);
        m->deflateReady = false;
    }
    if (!m->deflateReady) {
        s = z_stream{};
        if (deflateInit(&s, job.level) != Z_OK) {
            job.failed = true;
            return;
        }
        m->deflateReady = true;
        m->deflateLevel = job.level;
    } else if (deflateReset(&s) != Z_OK) {
        job.failed = true;
        return;
    }
    s.next_in = reinterpret_cast<Bytef*>(job.in);
    s.avail_in = uInt(job.inSize);
    s.next_out = reinterpret_cast<Bytef*>(job.out);
    s.avail_out = kChunkSize;
    const int rc = deflate(&s, Z_FINISH);
    if (rc == Z_STREAM_END) {
        job.fitted = true;
        job.outSize = int(kChunkSize - s.avail_out);
    } else if (rc != Z_OK && rc != Z_BUF_ERROR) {
        job.failed = true;
    }
}

void ChunkCodec::inflateChunk(ChunkJob& job) {
    z_stream& s = m->inflater;
    if (!m->inflateReady) {
        s = z_stream{};
        if (inflateInit(&s) != Z_OK) {
            job.failed = true;
            return;
        }
        m->inflateReady = true;
    } else if (inflateReset(&s) != Z_OK) {
        job.failed = true;
        return;
    }
    s.next_in = reinterpret_cast<Bytef*>(job.in);
    s.avail_in = uInt(job.inSize);
    s.next_out = reinterpret_cast<Bytef*>(job.out);
    s.avail_out = kChunkSize;
    const int rc = inflate(&s, Z_NO_FLUSH);
    job.outSize = int(kChunkSize - s.avail_out);
    // Anything short of a whole stream (bad data, a wrong Adler-32, a chunk that
    // would not fit in 16 384 bytes, a cut-off stream) is a damaged block.
    job.fitted = rc == Z_STREAM_END;
    job.failed = !job.fitted;
}

ChunkWorkers::ChunkWorkers(int threads) {
    for (int i = 0; i < threads && threads > 1; ++i)
        m_threads.emplace_back([this] { workerLoop(); });
}

ChunkWorkers::~ChunkWorkers() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_work.notify_all();
    for (auto& t : m_threads)
        t.join();
}

int ChunkWorkers::defaultThreads() {
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : int(n);
}

void ChunkWorkers::submit(ChunkJob* job) {
    if (m_threads.empty()) {
        m_inline.run(*job);
        job->done = true;
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        job->done = false;
        m_queue.push_back(job);
    }
    m_work.notify_one();
}

void ChunkWorkers::wait(ChunkJob* job) {
    if (m_threads.empty())
        return;
    std::unique_lock lock(m_mutex);
    m_finished.wait(lock, [job] { return job->done; });
}

void ChunkWorkers::workerLoop() {
    ChunkCodec codec;
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_work.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_queue.empty())
            return;
        ChunkJob* job = m_queue.front();
        m_queue.pop_front();
        lock.unlock();
        codec.run(*job);
        lock.lock();
        job->done = true;
        m_finished.notify_all();
    }
}

} // namespace arkivo::backup
