#pragma once
// A real nginx on a free loopback port, with its own configuration and files
// in the build tree, for interoperability tests of the HTTP client.

#include <string>

namespace lumora {

class NginxServer {
 public:
  // Starts nginx; Running() tells whether it came up (nginx may be missing).
  NginxServer();
  ~NginxServer();
  NginxServer(const NginxServer&) = delete;
  NginxServer& operator=(const NginxServer&) = delete;

  bool Running() const { return pid_ > 0; }
  const std::string& Failure() const { return failure_; }
  int Port() const { return port_; }
  std::string Url(const std::string& path) const;
  // Where the served files live.
  const std::string& Root() const { return root_; }

 private:
  int pid_ = -1;
  int port_ = 0;
  std::string root_;
  std::string failure_;
};

}  // namespace lumora
