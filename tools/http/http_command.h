#pragma once
// The command line of lumora-http, parsed, and the run of one request.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace lumora {

struct HttpCommand {
  std::string method;  // empty: GET, or POST with a body
  std::optional<std::string> body;
  std::vector<std::string> headers;  // "Name: value"
  bool follow_redirects = false;
  std::optional<std::string> user;  // "user:password"
  double max_time_seconds = 0;      // 0: no overall limit
  bool include_head = false;
  std::string url;
};

// Parses argv; returns an error text for a bad command line.
std::optional<std::string> ParseHttpCommand(const std::vector<std::string>& args,
                                            HttpCommand& command);

// Runs the request, writing the body (after the head with -i) to out_fd and
// errors to err. Returns the exit status: 0, 1 for an HTTP error status, 2
// for anything else.
int RunHttpCommand(const HttpCommand& command, int out_fd, std::ostream& err);

}  // namespace lumora
