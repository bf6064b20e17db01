// Start-up to the first painted window, beside a bare Qt window, and a batch
// rewrite of a 5,000-character article including process start. Medians of
// several runs on the offscreen platform. Prints figures; never fails.
//
//   app_startup_bench [RUNS=9]
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/stream.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string SelfDir() {
  char path[4096];
  ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  std::string p(path, n > 0 ? static_cast<size_t>(n) : 0);
  return p.substr(0, p.rfind('/'));
}

// Milliseconds from fork to the child's first line on standard output.
double MsToFirstLine(const std::vector<std::string>& argv) {
  int pipe_fd[2];
  if (::pipe(pipe_fd) != 0) return -1;
  auto start = Clock::now();
  pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(pipe_fd[1], 1);
    ::close(pipe_fd[0]);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  ::close(pipe_fd[1]);
  char c;
  double ms = -1;
  if (::read(pipe_fd[0], &c, 1) == 1)
    ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  ::close(pipe_fd[0]);
  ::waitpid(pid, nullptr, 0);
  return ms;
}

// Milliseconds for a whole process run, its output discarded.
double MsToExit(const std::vector<std::string>& argv) {
  auto start = Clock::now();
  pid_t pid = ::fork();
  if (pid == 0) {
    FILE* null = std::freopen("/dev/null", "w", stdout);
    (void)null;
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// About 5,000 characters of article text from the examples, repeated.
std::string Article(const std::string& source_dir) {
  std::string text;
  for (const char* name :
       {"economy_news.txt", "phone_launch.txt", "city_tourism.txt", "healthy_food.txt"}) {
    try {
      text += lumora::ReadFileBytes(source_dir + "/examples/" + name);
    } catch (const std::exception&) {
    }
  }
  if (text.empty()) text = "今年前三季度，我国经济运行总体平稳，主要指标保持在合理区间。\n";
  std::string out;
  size_t chars = 0;
  for (size_t i = 0; chars < 5000; i = (i + 1) % text.size()) {
    out += text[i];
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++chars;
  }
  while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xC0) == 0x80) out.pop_back();
  if (!out.empty() && static_cast<unsigned char>(out.back()) >= 0xC0) out.pop_back();
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const std::string dir = SelfDir();
  const std::string source = LUMORA_SOURCE_DIR;
  const std::string article_path = "/tmp/lumora_bench_article.txt";
  lumora::WriteFileBytes(article_path, Article(source));

  std::vector<double> bare, app, batch;
  for (int i = 0; i < runs; ++i) {
    bare.push_back(MsToFirstLine({dir + "/bare_window_baseline"}));
    app.push_back(MsToFirstLine({dir + "/lumora", "--quit-after-first-paint"}));
    batch.push_back(MsToExit({dir + "/lumora", "--rewrite", article_path}));
  }
  double b = Median(bare), a = Median(app), r = Median(batch);
  std::printf("first paint: bare Qt window %.1f ms, lumora %.1f ms (%.2f x baseline)\n", b, a,
              a / b);
  std::printf("batch rewrite of 5,000 characters incl. process start: %.1f ms\n", r);
  return 0;
}
