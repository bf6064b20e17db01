#pragma once
// A few threads kept for the life of the program to share out one request's
// work (the paragraphs of a long text, the clauses of a long paragraph).
// Kept rather than started per request, so that the language model answers
// each thread remembers (language_model_cache.h) serve the next request too.

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

namespace lumora {

class HelperThreads {
 public:
  // One thread fewer than the processors, at least one and at most three.
  static HelperThreads& Shared();

  explicit HelperThreads(size_t threads);
  ~HelperThreads();
  HelperThreads(const HelperThreads&) = delete;
  HelperThreads& operator=(const HelperThreads&) = delete;

  // Runs every item and returns when all are done: the first on the calling
  // thread, the others on helpers, or on the calling thread when no helper
  // has taken them yet (so a helper may call RunAll too). The first exception
  // an item throws is thrown again here.
  void RunAll(std::span<const std::function<void()>> work);

 private:
  struct Task {
    const std::function<void()>* work;
    bool taken = false;
    bool done = false;
    std::exception_ptr error;
  };
  void Loop();
  static void Run(Task& task);

  std::mutex mutex_;
  std::condition_variable queued_;
  std::condition_variable finished_;
  std::deque<Task*> queue_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace lumora
