#include "support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

namespace lumora::testing {

ChildProcess::ChildProcess(const std::string& program, std::vector<std::string> args,
                           const std::string& stdout_path) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  pid_ = fork();
  if (pid_ == 0) {
    dup2(fds[1], 2);
    close(fds[0]);
    close(fds[1]);
    if (!stdout_path.empty()) {
      const int out = open(stdout_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (out < 0) _exit(126);
      dup2(out, 1);
      close(out);
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(fds[1]);
  // Read all the time, so a child that logs much never blocks on a full pipe.
  reader_ = std::thread([this, fd = fds[0]] {
    for (char buf[4096];;) {
      const ssize_t n = read(fd, buf, sizeof buf);
      std::lock_guard lock(mutex_);
      if (n <= 0) {
        closed_ = true;
        changed_.notify_all();
        break;
      }
      stderr_.append(buf, static_cast<size_t>(n));
      changed_.notify_all();
    }
    close(fd);
  });
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  reader_.join();
}

std::smatch ChildProcess::WaitFor(const std::regex& pattern, std::chrono::seconds limit) {
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, limit, [&] { return closed_ || std::regex_search(stderr_, pattern); });
  seen_ = stderr_;
  std::smatch m;
  std::regex_search(seen_, m, pattern);
  return m;
}

int ChildProcess::Wait() {
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return closed_; });
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void ChildProcess::Signal(int signal_number) {
  kill(pid_, signal_number);
}

std::string ChildProcess::Stderr() const {
  std::lock_guard lock(mutex_);
  return stderr_;
}

std::string ProgramDirectory() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

}  // namespace lumora::testing
