// Work spread over a few threads, each taking the next index until none is left.
#include "pad/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

void ParallelFor(size_t count, int threads, const std::function<void(size_t)>& body) {
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const size_t helpers = static_cast<size_t>(std::clamp(std::min(threads, cores), 1, 64) - 1);
  std::atomic<size_t> next{0};
  const auto work = [&] {
    for (size_t i; (i = next.fetch_add(1, std::memory_order_relaxed)) < count;) body(i);
  };
  std::vector<std::thread> started;
  for (size_t t = 0; t < std::min(helpers, count > 0 ? count - 1 : 0); ++t) {
    try {
      started.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // the threads started so far and this one do the rest
    }
  }
  work();
  for (std::thread& t : started) t.join();
}
