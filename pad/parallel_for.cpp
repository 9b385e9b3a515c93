// Work spread over a few threads, each taking the next index until none is left.
// The helper threads are started on first use and kept: starting one costs a tenth
// of a row's reading, and a kept one finds its caches warm.
#include "pad/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

class HelperPool {
 public:
  ~HelperPool() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : helpers_) t.join();
  }

  void Run(size_t count, int threads, const std::function<void(size_t)>& body) {
    std::lock_guard<std::mutex> batch(batchMutex_);  // one batch at a time
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const size_t wanted = std::min(static_cast<size_t>(std::clamp(std::min(threads, cores), 1, 64) - 1),
                                   count > 0 ? count - 1 : 0);
    std::unique_lock<std::mutex> lock(mutex_);
    while (helpers_.size() < wanted) {
      try {
        const size_t index = helpers_.size();
        helpers_.emplace_back([this, index] { Serve(index); });
      } catch (const std::system_error&) {
        break;  // the helpers started so far and this thread do the rest
      }
    }
    body_ = &body;
    count_ = count;
    next_.store(0, std::memory_order_relaxed);
    taking_ = std::min(wanted, helpers_.size());
    finished_ = 0;
    ++batch_;
    lock.unlock();
    wake_.notify_all();
    Work();
    lock.lock();
    done_.wait(lock, [this] { return finished_ == taking_; });
    body_ = nullptr;
  }

 private:
  void Work() {
    for (size_t i; (i = next_.fetch_add(1, std::memory_order_relaxed)) < count_;) (*body_)(i);
  }

  void Serve(size_t index) {
    uint64_t seen = 0;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return stopping_ || batch_ != seen; });
      if (stopping_) return;
      seen = batch_;
      if (index >= taking_) continue;  // not needed for this batch
      lock.unlock();
      Work();
      lock.lock();
      if (++finished_ == taking_) done_.notify_one();
    }
  }

  std::mutex batchMutex_;
  std::mutex mutex_;
  std::condition_variable wake_, done_;
  std::vector<std::thread> helpers_;
  const std::function<void(size_t)>* body_ = nullptr;
  size_t count_ = 0;
  std::atomic<size_t> next_{0};
  size_t taking_ = 0;    // helpers taking part in the batch
  size_t finished_ = 0;  // of which have run out of work
  uint64_t batch_ = 0;
  bool stopping_ = false;
};

}  // namespace

void ParallelFor(size_t count, int threads, const std::function<void(size_t)>& body) {
  static HelperPool pool;
  pool.Run(count, threads, body);
}
