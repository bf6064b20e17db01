#include "app/batch_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>

#include "base/exception.h"

namespace lumora {

namespace fs = std::filesystem;

namespace {

// The inputs a path must not be: an input is met by the same file (when both
// exist) or by the same path once made absolute and normal. Each input is
// looked at once, so a run of many files is not quadratic in file checks.
class InputIndex {
 public:
  explicit InputIndex(const std::vector<std::string>& files) {
    for (const std::string& input : files) {
      if (input == "-") continue;
      struct stat st {};
      if (::stat(input.c_str(), &st) == 0) by_file_.emplace(FileKey{st.st_dev, st.st_ino}, input);
      std::error_code ec;
      const fs::path canonical = fs::weakly_canonical(input, ec);
      if (!ec) by_path_.emplace(canonical.string(), input);
    }
  }
  // The input that path names, if any.
  const std::string* Find(const std::string& path) const {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
      auto it = by_file_.find(FileKey{st.st_dev, st.st_ino});
      if (it != by_file_.end()) return &it->second;
    }
    std::error_code ec;
    const fs::path canonical = fs::weakly_canonical(path, ec);
    if (ec) return nullptr;
    auto it = by_path_.find(canonical.string());
    return it == by_path_.end() ? nullptr : &it->second;
  }

 private:
  using FileKey = std::pair<dev_t, ino_t>;
  std::map<FileKey, std::string> by_file_;
  std::map<std::string, std::string> by_path_;
};

// Two names for one file, as InputIndex tells them apart.
bool SameFile(const std::string& a, const std::string& b) {
  return InputIndex({b}).Find(a) != nullptr;
}

[[noreturn]] void RaiseWriteError(const std::string& path, int error) {
  throw Exception("Cannot write file " + path + ": " + std::strerror(error));
}

}  // namespace

std::vector<std::string> BatchOutputPaths(const BatchOptions& options) {
  std::vector<std::string> paths;
  for (const std::string& file : options.files) {
    if (!options.out_dir) {
      paths.emplace_back();
      continue;
    }
    const std::string name = file == "-" ? "stdin.txt" : fs::path(file).filename().string();
    paths.push_back((fs::path(*options.out_dir) / name).string());
  }
  return paths;
}

std::optional<std::string> RefuseBatchOutputs(const BatchOptions& options) {
  const std::vector<std::string> outputs = BatchOutputPaths(options);
  const InputIndex inputs(options.files);
  if (options.report) {
    if (const std::string* input = inputs.Find(*options.report))
      return "Refusing to write the report over the input " + *input;
    for (const std::string& output : outputs) {
      if (!output.empty() && SameFile(*options.report, output))
        return "The report and a rewrite would both be written to " + output;
    }
  }
  if (!options.out_dir) return std::nullopt;
  std::map<std::string, size_t> first_of;
  for (size_t n = 0; n < outputs.size(); ++n) {
    if (const std::string* input = inputs.Find(outputs[n]))
      return "Refusing to write over the input " + *input + "; choose another --out folder";
    std::error_code ec;
    const std::string key = fs::weakly_canonical(outputs[n], ec).string();
    auto [it, fresh] = first_of.emplace(key, n);
    if (!fresh)
      return "Inputs " + options.files[it->second] + " and " + options.files[n] +
             " would both be written to " + outputs[n];
  }
  return std::nullopt;
}

void WriteFileWhole(const std::string& path, std::string_view text) {
  WriteFileWhole(path, {text});
}

void WriteFileWhole(const std::string& path, std::initializer_list<std::string_view> pieces) {
  const fs::path target(path);
  std::string temp =
      (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
  if (target.parent_path().empty()) temp = "." + target.filename().string() + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) RaiseWriteError(path, errno);
  auto fail = [&](int error) {
    ::unlink(temp.c_str());
    RaiseWriteError(path, error);
  };
  for (const std::string_view text : pieces) {
    for (size_t done = 0; done < text.size();) {
      const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        const int error = n < 0 ? errno : ENOSPC;
        ::close(fd);
        fail(error);
      }
      done += static_cast<size_t>(n);
    }
  }
  // mkstemp makes the file private; an output gets the modes a new file gets.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  if (::fsync(fd) != 0) {
    const int error = errno;
    ::close(fd);
    fail(error);
  }
  if (::close(fd) != 0) fail(errno);
  if (::rename(temp.c_str(), path.c_str()) != 0) fail(errno);
}

void WriteStreamChecked(std::ostream& out, std::initializer_list<std::string_view> pieces,
                        const std::string& name) {
  for (const std::string_view text : pieces)
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  if (!out) throw Exception("Cannot write to " + name);
}

}  // namespace lumora
