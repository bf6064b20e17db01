// Writes a seed corpus for http_response_fuzz into the folder given: one
// file per way a server may frame its answer.
#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: http_response_fuzz_seeds DIR\n");
    return 2;
  }
  // Piece size, flags, then the reply.
  const std::string seeds[] = {
      std::string("\0\0", 2) + "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello",
      std::string("\3\0", 2) +
          "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1a\r\nabcdefghijklmnopqrstuvwxyz\r\n"
          "3;x=y\r\nabc\r\n0\r\nTrailer: 1\r\n\r\n",
      std::string("\0\0", 2) + "HTTP/1.0 200 OK\r\nServer: x\r\n continued\r\n\r\nuntil close",
      std::string("\0\1", 2) +
          "HTTP/1.1 302 Found\r\nLocation: /next\r\nContent-Length: 0\r\n\r\n"
          "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok",
      std::string("\1\0", 2) + "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 204 No Content\r\n\r\n",
      std::string("\0\4", 2) +
          "HTTP/1.1 500 Oops\r\nContent-Length: 4\r\nSet-Cookie: a=b; Path=/\r\n\r\nbody",
      std::string("\0\2", 2) + "HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\n",
      std::string("\0\0", 2) +
          "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"r\"\r\n"
          "Expires: 3600\r\nContent-Length: 0\r\n\r\n",
  };
  int n = 0;
  for (const std::string& seed : seeds) {
    std::ofstream out(std::string(argv[1]) + "/seed" + std::to_string(n++), std::ios::binary);
    out << seed;
    if (!out) return 1;
  }
  return 0;
}
