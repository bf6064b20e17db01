#pragma once
// How batch mode shows its progress on standard error. On a terminal one line
// is redrawn in place: a bar, the file count and the time left, estimated
// from the files done so far. Elsewhere (a log, a pipe) each file gets its
// own line, "[n/count] file". Other lines (scores, errors) go above the bar.

#include <chrono>
#include <functional>
#include <ostream>
#include <string>

namespace lumora {

class BatchProgress {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  BatchProgress(
      std::ostream& err, size_t count, bool terminal,
      Clock clock = [] { return std::chrono::steady_clock::now(); });

  // Before the file at index (from 0).
  void Begin(size_t index, const std::string& file);
  // A line of its own, such as a score or an error.
  void Line(const std::string& text);
  // After the last file: the bar shows every file done and its line ends.
  void Finish();

  // "about 1 min 20 s left" for a number of seconds.
  static std::string TimeLeft(double seconds);

 private:
  void Draw();

  std::ostream& err_;
  const size_t count_;
  const bool terminal_;
  Clock clock_;
  std::chrono::steady_clock::time_point start_;
  size_t done_ = 0;
  std::string file_;
  bool drawn_ = false;
};

}  // namespace lumora
