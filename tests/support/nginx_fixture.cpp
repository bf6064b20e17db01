#include "support/nginx_fixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace lumora {

namespace {

int FreePort() {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof addr;
  ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  int port = ntohs(addr.sin_port);
  ::close(fd);
  return port;
}

bool Accepts(int port) {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = htons(static_cast<uint16_t>(port));
  bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
  ::close(fd);
  return ok;
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void Write(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string FindNginx() {
  for (const char* p : {"/usr/sbin/nginx", "/usr/local/sbin/nginx", "/usr/bin/nginx"})
    if (::access(p, X_OK) == 0) return p;
  return {};
}

}  // namespace

NginxServer::NginxServer(const std::string& conf_template, const Substitutions& substitutions) {
  namespace fs = std::filesystem;
  const char* source = std::getenv("LUMORA_SOURCE_DIR");
  const char* binary = std::getenv("LUMORA_BINARY_DIR");
  std::string nginx = FindNginx();
  if (!source || !binary || nginx.empty()) {
    failure_ = "nginx or the test environment is missing";
    return;
  }
  port_ = FreePort();
  root_ = std::string(binary) + "/nginx-test/" + std::to_string(port_);
  fs::remove_all(root_);
  fs::create_directories(root_ + "/tmp");
  fs::create_directories(root_ + "/www/chunked");
  fs::create_directories(root_ + "/www/private");
  Write(root_ + "/www/static.txt", "static body\n");
  Write(root_ + "/www/chunked/page.html", "before <!--# echo var=\"host\" --> after\n");
  Write(root_ + "/www/private/secret.txt", "the secret\n");
  Write(root_ + "/htpasswd", "Aladdin:{PLAIN}open sesame\n");

  std::string conf = Slurp(std::string(source) + "/" + conf_template);
  Substitutions all = {{"@PORT@", std::to_string(port_)}, {"@ROOT@", root_}};
  all.insert(all.end(), substitutions.begin(), substitutions.end());
  for (const auto& [key, value] : all) {
    for (size_t p; (p = conf.find(key)) != std::string::npos;) conf.replace(p, key.size(), value);
  }
  // The master may run as root; its worker then needs the right to read our files.
  if (::geteuid() == 0) conf = "user root;\n" + conf;
  const std::string conf_path = root_ + "/nginx.conf";
  Write(conf_path, conf);

  pid_t pid = ::fork();
  if (pid == 0) {
    ::execl(nginx.c_str(), nginx.c_str(), "-p", root_.c_str(), "-c", conf_path.c_str(),
            static_cast<char*>(nullptr));
    ::_exit(127);
  }
  pid_ = pid;
  auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!Accepts(port_)) {
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      failure_ = "nginx exited: " + Slurp(root_ + "/error.log");
      return;
    }
    if (std::chrono::steady_clock::now() > until) {
      failure_ = "nginx did not start listening";
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

NginxServer::~NginxServer() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  int status = 0;
  ::waitpid(pid_, &status, 0);
}

std::string NginxServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

}  // namespace lumora
