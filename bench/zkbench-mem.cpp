// zkbench-mem: the engine's resident memory after initialisation with a system
// dictionary (VmRSS before and after ZkCRecInitializesFrom), and the load time.
//
//   zkbench-mem DICTIONARY
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "recog.h"

namespace {

long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kib = 0;
      status >> kib;
      return kib;
    }
    std::getline(status, key);
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zkbench-mem DICTIONARY\n");
    return 2;
  }
  const long before = ResidentKiB();
  const auto start = std::chrono::steady_clock::now();
  const int r = ZkCRecInitializesFrom(argv[1], "/nonexistent/Crecs.upt");
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (r != 0) {
    std::fprintf(stderr, "zkbench-mem: engine initialisation failed (%d) with %s\n", r, argv[1]);
    return 1;
  }
  const long after = ResidentKiB();
  std::printf("engine resident memory: %ld KiB after initialisation (%ld KiB before, +%ld KiB); loaded in %.1f ms\n",
              after, before, after - before, ms);
  ZkCRecEnd();
  return 0;
}
