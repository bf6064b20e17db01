#pragma once
// A program run as a child process for a test: its standard error is read
// through a pipe, all the time, so the test can wait for a log line; the
// child is killed when the object goes.

#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <regex>
#include <string>
#include <thread>
#include <vector>

namespace lumora::testing {

class ChildProcess {
 public:
  // Runs program with args; standard output goes to stdout_path when given,
  // else it is inherited.
  ChildProcess(const std::string& program, std::vector<std::string> args,
               const std::string& stdout_path = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Waits until standard error matches pattern, ends, or the time is up; the
  // match is empty when it did not match. It stays valid until the next call.
  std::smatch WaitFor(const std::regex& pattern,
                      std::chrono::seconds limit = std::chrono::seconds(30));
  // Reaps the child and waits for the end of its standard error: its exit
  // status, or -1 when a signal ended it.
  int Wait();
  void Signal(int signal_number);
  pid_t Pid() const { return pid_; }
  // Standard error as read so far.
  std::string Stderr() const;

 private:
  pid_t pid_ = -1;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::string stderr_;
  bool closed_ = false;
  std::string seen_;  // what the last WaitFor matched in
  std::thread reader_;
};

// The directory of the running test binary, where the programs are built.
std::string ProgramDirectory();

}  // namespace lumora::testing
