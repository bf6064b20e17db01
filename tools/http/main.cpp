// lumora-http: one HTTP request from the command line through TNetHTTP.
#include <iostream>

#include "http_command.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  lumora::HttpCommand command;
  if (auto error = lumora::ParseHttpCommand(args, command)) {
    std::cerr << "lumora-http: " << *error << "\n"
              << "usage: lumora-http [-X METHOD] [-d @FILE|TEXT] [-H 'Name: value']... [-L]\n"
                 "                   [-u USER:PASS] [--max-time SECONDS] [-i] URL\n";
    return 2;
  }
  return lumora::RunHttpCommand(command, 1, std::cerr);
}
