#include "translate/helper_threads.h"

#include <algorithm>

namespace lumora {

HelperThreads& HelperThreads::Shared() {
  static HelperThreads shared(std::clamp<size_t>(std::thread::hardware_concurrency(), 2, 4) - 1);
  return shared;
}

HelperThreads::HelperThreads(size_t threads) {
  for (size_t i = 0; i < threads; ++i) threads_.emplace_back([this] { Loop(); });
}

HelperThreads::~HelperThreads() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  queued_.notify_all();
  for (std::thread& t : threads_) t.join();
}

void HelperThreads::Run(Task& task) {
  try {
    (*task.work)();
  } catch (...) {
    task.error = std::current_exception();
  }
}

void HelperThreads::Loop() {
  std::unique_lock lock(mutex_);
  while (true) {
    queued_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
    if (queue_.empty()) return;
    Task* task = queue_.front();
    queue_.pop_front();
    task->taken = true;
    lock.unlock();
    Run(*task);
    lock.lock();
    task->done = true;
    finished_.notify_all();
  }
}

void HelperThreads::RunAll(std::span<const std::function<void()>> work) {
  if (work.empty()) return;
  std::vector<Task> tasks(work.size());
  for (size_t i = 0; i < work.size(); ++i) tasks[i].work = &work[i];
  {
    const std::lock_guard lock(mutex_);
    for (size_t i = 1; i < tasks.size(); ++i) queue_.push_back(&tasks[i]);
  }
  queued_.notify_all();
  Run(tasks[0]);
  for (size_t i = 1; i < tasks.size(); ++i) {
    std::unique_lock lock(mutex_);
    if (!tasks[i].taken) {
      // Not begun: done here, which also keeps a helper waiting on its own
      // items from waiting for ever.
      queue_.erase(std::find(queue_.begin(), queue_.end(), &tasks[i]));
      tasks[i].taken = true;
      lock.unlock();
      Run(tasks[i]);
      continue;
    }
    finished_.wait(lock, [&] { return tasks[i].done; });
  }
  for (const Task& t : tasks) {
    if (t.error) std::rethrow_exception(t.error);
  }
}

}  // namespace lumora
