// picture_decoder.cpp: the worker threads and the pictures they have decoded.
#include "engine/graphics/picture_decoder.h"

#include "engine/graphics/texture.h"
#include "engine/platform/platform.h"

#include <algorithm>
#include <condition_variable>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace
{
enum JobStage
{
    JOB_QUEUED,
    JOB_RUNNING,
    JOB_DONE,
};

struct DecodeJob
{
    std::string path;
    uint32_t round = 0;
    JobStage stage = JOB_QUEUED;
    bool listed = true; // still waiting to be taken; false once taken or let go
    // Under way on a background worker alone, which busy processes may be starving.
    bool yielding = false;
    bool decoded = false;
    std::atomic<bool> stop{false}; // let go, or finished by another decoder: stop early
    std::vector<uint8_t> bytes; // the file as the decoder read it
    ImageRGBA image;
};

using JobPointer = std::shared_ptr<DecodeJob>;

// Two workers of each kind: with the main thread loading too, that keeps a two-core machine
// busy without crowding it out. Background workers decode while frames are played, at a
// priority that gives way to the frame loop; loading workers while a state loads, when no
// frame waits and a busy machine must not starve the load. The browser build has no threads:
// its pictures are decoded as they load.
#ifdef __EMSCRIPTEN__
constexpr unsigned MaxWorkers = 0;
#else
constexpr unsigned MaxWorkers = 2;
#endif

class DecoderPool
{
  public:
    ~DecoderPool()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
            for (const JobPointer& job : jobs_) job->stop = true;
        }
        WakeOf(true).notify_all();
        WakeOf(false).notify_all();
        for (std::thread& worker : workers_) worker.join();
    }

    void SetLoading(bool loading)
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            loading_ = loading;
        }
        WakeOf(!loading).notify_all();
    }

    void Request(const char* const* paths, size_t count)
    {
        std::map<std::string, size_t> wanted;
        for (size_t i = 0; i < count; ++i)
            if (paths[i]) ++wanted[paths[i]];
        std::lock_guard<std::mutex> lock(mutex_);
        for (const auto& [path, times] : wanted)
        {
            // Asked for again: it now belongs to this round.
            size_t have = 0;
            for (const JobPointer& job : jobs_)
                if (job->path == path && have < times)
                {
                    job->round = round_;
                    ++have;
                }
            for (size_t i = have; i < times; ++i)
            {
                auto job = std::make_shared<DecodeJob>();
                job->path = path;
                job->round = round_;
                jobs_.push_back(job);
            }
        }
        StartWorkers();
        WakeOf(!loading_).notify_all();
    }

    bool Take(const char* path, const std::vector<uint8_t>& bytes, ImageRGBA* image)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        auto found = std::find_if(jobs_.begin(), jobs_.end(),
                                  [&](const JobPointer& j) { return j->path == path; });
        if (found == jobs_.end()) return false;
        JobPointer job = *found;
        Unlist(found, false);
        if (job->stage == JOB_QUEUED) return false;
        // While a worker finishes this one, the caller decodes the next in line itself.
        while (job->stage != JOB_DONE)
        {
            if (JobPointer other = NextQueued())
                Run(lock, other, false);
            else if (job->yielding)
                return Race(lock, job, bytes, image);
            else
                done_.wait(lock);
        }
        return Result(*job, bytes, image);
    }

    uint32_t BeginRound()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return ++round_;
    }

    void DiscardBefore(uint32_t round)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (auto it = jobs_.begin(); it != jobs_.end();)
            it = (*it)->round < round ? Unlist(it, true) : std::next(it);
    }

    size_t Pending()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return static_cast<size_t>(std::count_if(jobs_.begin(), jobs_.end(), [](const JobPointer& j) {
            return j->stage != JOB_DONE;
        }));
    }

    size_t Ready()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return static_cast<size_t>(std::count_if(jobs_.begin(), jobs_.end(), [](const JobPointer& j) {
            return j->stage == JOB_DONE && j->decoded;
        }));
    }

  private:
    // Removes a job from the waiting list. One let go (`abandon`) that a worker is decoding
    // stops early; its result would be dropped anyway.
    std::list<JobPointer>::iterator Unlist(std::list<JobPointer>::iterator it, bool abandon)
    {
        DecodeJob& job = **it;
        job.listed = false;
        if (abandon) job.stop = true;
        if (job.stage == JOB_DONE && job.decoded) heldBytes_ -= job.image.pixels.size();
        return jobs_.erase(it);
    }

    // Called on the main thread, whose priority the loading workers keep.
    void StartWorkers()
    {
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        while (workers_.size() < 2 * std::min(MaxWorkers, cores))
        {
            const bool yielding = workers_.size() % 2 == 0;
            workers_.emplace_back([this, yielding] { Work(yielding); });
        }
    }

    void Work(bool yielding)
    {
        // Decoding ahead must not delay the frames of the state being played.
        if (yielding) PlatformLowerThreadPriority();
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;)
        {
            JobPointer job;
            WakeOf(yielding).wait(lock, [&] {
                return stopping_ || (job = NextFor(yielding)) != nullptr;
            });
            if (stopping_) return;
            Run(lock, job, yielding);
        }
    }

    // Each kind of worker is woken only when it may work: a background worker woken during a
    // load would hold the lock at its low priority, where a busy machine can leave it for long.
    std::condition_variable& WakeOf(bool yielding)
    {
        return yielding ? wakeBackground_ : wakeLoading_;
    }

    // Background workers rest while a state loads and loading workers while frames are
    // played. A loading worker with nothing queued decodes again what a background worker
    // has under way: at the same priority as the frames' busy neighbours, it is soon ahead.
    JobPointer NextFor(bool yielding)
    {
        if (loading_ == yielding) return nullptr;
        if (JobPointer job = NextQueued()) return job;
        if (yielding) return nullptr;
        for (const JobPointer& job : jobs_)
            if (job->stage == JOB_RUNNING && job->yielding) return job;
        return nullptr;
    }

    // Left with nothing to do but wait for a background worker, which busy processes can
    // starve for seconds, the caller decodes the picture too, from the bytes it read, at its
    // own priority. The first to finish is taken; the other stops at its next row.
    bool Race(std::unique_lock<std::mutex>& lock, const JobPointer& job,
              const std::vector<uint8_t>& bytes, ImageRGBA* image)
    {
        lock.unlock();
        ImageRGBA own;
        const bool decoded = DecodeImage(bytes, &own, BOTTOM_ROW_FIRST, &job->stop);
        lock.lock();
        if (decoded)
        {
            job->stop = true;
            *image = std::move(own);
            return true;
        }
        // Beaten by the worker, or the bytes do not decode (nor will they for the caller).
        return job->stage == JOB_DONE && Result(*job, bytes, image);
    }

    // A finished job's pixels, if they were decoded from exactly `bytes`.
    static bool Result(DecodeJob& job, const std::vector<uint8_t>& bytes, ImageRGBA* image)
    {
        if (!job.decoded || job.bytes != bytes) return false;
        *image = std::move(job.image);
        return true;
    }

    // Decodes a job with the lock let go meanwhile: a queued one, or one a background worker
    // has under way, in which case the first decoder to finish gives the result.
    void Run(std::unique_lock<std::mutex>& lock, const JobPointer& job, bool yielding)
    {
        job->yielding = yielding && job->stage == JOB_QUEUED;
        job->stage = JOB_RUNNING;
        lock.unlock();
        std::vector<uint8_t> bytes;
        ImageRGBA image;
        const bool decoded = ReadFileBytes(job->path.c_str(), &bytes) &&
                             DecodeImage(bytes, &image, BOTTOM_ROW_FIRST, &job->stop);
        lock.lock();
        if (job->stage == JOB_DONE) return;
        job->stage = JOB_DONE;
        job->stop = true;
        job->decoded = decoded;
        job->bytes = std::move(bytes);
        job->image = std::move(image);
        if (job->decoded && job->listed)
        {
            // Over the cap the pixels go; LoadTexture will decode the file itself.
            if (heldBytes_ + job->image.pixels.size() > MaxPicturesAheadBytes)
            {
                job->decoded = false;
                job->image = ImageRGBA();
            }
            else
                heldBytes_ += job->image.pixels.size();
        }
        done_.notify_all();
    }

    JobPointer NextQueued()
    {
        for (const JobPointer& job : jobs_)
            if (job->stage == JOB_QUEUED) return job;
        return nullptr;
    }

    std::mutex mutex_;
    // A job was queued for this kind of worker, its turn came, or the pool is stopping.
    std::condition_variable wakeBackground_, wakeLoading_;
    std::condition_variable done_; // a job was finished
    std::list<JobPointer> jobs_;   // listed jobs, in the order they were asked for
    std::vector<std::thread> workers_;
    size_t heldBytes_ = 0;
    uint32_t round_ = 0;
    bool loading_ = false;
    bool stopping_ = false;
};

DecoderPool& Pool()
{
    static DecoderPool pool;
    return pool;
}
} // namespace

void DecodePicturesAhead(const char* const* paths, size_t count)
{
    if (MaxWorkers > 0 && PicturesDrawn()) Pool().Request(paths, count);
}

bool TakePictureDecodedAhead(const char* path, const std::vector<uint8_t>& bytes,
                             ImageRGBA* image)
{
    return path && Pool().Take(path, bytes, image);
}

uint32_t BeginPictureRound() { return Pool().BeginRound(); }

void DiscardPicturesBefore(uint32_t round) { Pool().DiscardBefore(round); }

void DiscardAllPictures() { Pool().DiscardBefore(UINT32_MAX); }

void SetStateLoading(bool loading) { Pool().SetLoading(loading); }

size_t PicturesAheadPending() { return Pool().Pending(); }

size_t PicturesAheadReady() { return Pool().Ready(); }
