// The helper pool: every index once, whatever the count and the threads asked for,
// call after call with the same kept helpers.
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "pad/parallel_for.h"

TEST(ParallelFor, EveryIndexOnceCallAfterCall) {
  const struct {
    size_t count;
    int threads;
  } cases[] = {{0, 2}, {1, 2}, {2, 2}, {97, 2}, {97, 1}, {97, 0}, {500, 8}, {3, 64}};
  for (int round = 0; round < 20; ++round)
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << "round " << round << ", " << c.count << " on " << c.threads);
      std::vector<std::atomic<int>> seen(c.count);
      ParallelFor(c.count, c.threads, [&](size_t i) { seen[i].fetch_add(1); });
      for (size_t i = 0; i < c.count; ++i) ASSERT_EQ(seen[i].load(), 1) << i;
    }
}
