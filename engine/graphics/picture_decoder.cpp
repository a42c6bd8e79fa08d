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
    bool decoded = false;
    std::atomic<bool> abandoned{false}; // let go while being decoded: stop early
    std::vector<uint8_t> bytes; // the file as the worker read it
    ImageRGBA image;
};

using JobPointer = std::shared_ptr<DecodeJob>;

// Two workers: with the main thread loading too, that keeps a two-core machine busy without
// crowding it out. The browser build has no threads: its pictures are decoded as they load.
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
            for (const JobPointer& job : jobs_) job->abandoned = true;
        }
        wake_.notify_all();
        for (std::thread& worker : workers_) worker.join();
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
        wake_.notify_all();
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
                Run(lock, other);
            else
                done_.wait(lock);
        }
        if (!job->decoded || job->bytes != bytes) return false;
        *image = std::move(job->image);
        return true;
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
        if (abandon) job.abandoned = true;
        if (job.stage == JOB_DONE && job.decoded) heldBytes_ -= job.image.pixels.size();
        return jobs_.erase(it);
    }

    void StartWorkers()
    {
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        while (workers_.size() < std::min(MaxWorkers, cores))
            workers_.emplace_back([this] { Work(); });
    }

    void Work()
    {
        // Decoding ahead must not delay the frames of the state being played.
        PlatformLowerThreadPriority();
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;)
        {
            JobPointer job;
            wake_.wait(lock, [&] { return stopping_ || (job = NextQueued()) != nullptr; });
            if (stopping_) return;
            Run(lock, job);
        }
    }

    // Decodes a queued job with the lock let go meanwhile.
    void Run(std::unique_lock<std::mutex>& lock, const JobPointer& job)
    {
        job->stage = JOB_RUNNING;
        lock.unlock();
        job->decoded = ReadFileBytes(job->path.c_str(), &job->bytes) &&
                       DecodeImage(job->bytes, &job->image, BOTTOM_ROW_FIRST, &job->abandoned);
        lock.lock();
        job->stage = JOB_DONE;
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
    std::condition_variable wake_; // a job was queued, or the pool is stopping
    std::condition_variable done_; // a job was finished
    std::list<JobPointer> jobs_;   // listed jobs, in the order they were asked for
    std::vector<std::thread> workers_;
    size_t heldBytes_ = 0;
    uint32_t round_ = 0;
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

size_t PicturesAheadPending() { return Pool().Pending(); }

size_t PicturesAheadReady() { return Pool().Ready(); }
