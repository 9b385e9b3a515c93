// Work spread over a few threads: a free-written row reads its characters and their
// alternatives independently of each other, and a second core halves the wait.
#pragma once

#include <cstddef>
#include <functional>

// Calls body(i) once for every i below count, on up to `threads` threads (the calling
// thread among them, no more than the machine has cores); returns when all are done.
// Falls back to the calling thread alone when no other thread can be started. The
// helper threads are kept for later calls; calls from several threads take turns.
// body must not throw.
void ParallelFor(size_t count, int threads, const std::function<void(size_t)>& body);
