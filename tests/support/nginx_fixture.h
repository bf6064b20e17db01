#pragma once
// A real nginx on a free loopback port, with its own configuration and files
// in the build tree: for interoperability tests of the HTTP client, and as
// the load balancer in front of several translation services.

#include <string>
#include <utility>
#include <vector>

namespace lumora {

class NginxServer {
 public:
  using Substitutions = std::vector<std::pair<std::string, std::string>>;

  // Starts nginx with the configuration template conf_template (a path in
  // the source tree) in which @PORT@ and @ROOT@ are filled in, and then the
  // given substitutions. Running() tells whether it came up (nginx may be
  // missing).
  explicit NginxServer(const std::string& conf_template = "tests/http/data/nginx_test.conf.in",
                       const Substitutions& substitutions = {});
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
