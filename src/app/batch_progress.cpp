#include "app/batch_progress.h"

#include <cmath>

namespace lumora {

namespace {

constexpr int kBarWidth = 24;
constexpr const char* kClearLine = "\r\033[K";

}  // namespace

BatchProgress::BatchProgress(std::ostream& err, size_t count, bool terminal, Clock clock)
    : err_(err), count_(count), terminal_(terminal), clock_(std::move(clock)), start_(clock_()) {}

std::string BatchProgress::TimeLeft(double seconds) {
  const long s = std::lround(std::ceil(seconds));
  if (s < 60) return "about " + std::to_string(s) + " s left";
  if (s < 3600)
    return "about " + std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s left";
  return "about " + std::to_string(s / 3600) + " h " + std::to_string(s % 3600 / 60) + " min left";
}

void BatchProgress::Begin(size_t index, const std::string& file) {
  done_ = index;
  file_ = file;
  if (count_ < 2) return;
  if (!terminal_) {
    err_ << "[" << index + 1 << "/" << count_ << "] " << file << std::endl;
    return;
  }
  Draw();
}

void BatchProgress::Line(const std::string& text) {
  if (terminal_ && drawn_) err_ << kClearLine;
  err_ << text << "\n";
  if (terminal_ && drawn_) Draw();
  err_.flush();
}

void BatchProgress::Finish() {
  done_ = count_;
  file_.clear();
  if (!terminal_ || count_ < 2) return;
  Draw();
  err_ << std::endl;
  drawn_ = false;
}

void BatchProgress::Draw() {
  const int filled = static_cast<int>(kBarWidth * done_ / count_);
  std::string line = kClearLine;
  line += "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "] ";
  line += std::to_string(done_) + "/" + std::to_string(count_) + " files";
  const double elapsed = std::chrono::duration<double>(clock_() - start_).count();
  if (done_ == count_) {
    line += ", done";
  } else {
    line += done_ ? ", " + TimeLeft(elapsed / done_ * (count_ - done_)) : ", estimating";
    line += "  " + file_;
  }
  err_ << line << std::flush;
  drawn_ = true;
}

}  // namespace lumora
