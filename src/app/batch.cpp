#include "app/batch.h"

#include <filesystem>
#include <iostream>
#include <iterator>

#include "app/error_text.h"
#include "base/stream.h"
#include "http/http_client.h"
#include "rewrite/round_trip.h"

namespace lumora {

namespace {

std::string ReadInput(const std::string& file) {
  if (file == "-") return std::string(std::istreambuf_iterator<char>(std::cin), {});
  return ReadFileBytes(file);
}

// Length of the valid UTF-8 sequence at text[i], or 0.
size_t ValidSequence(const std::string& text, size_t i) {
  auto b = [&](size_t k) { return static_cast<unsigned char>(text[i + k]); };
  unsigned char lead = b(0);
  size_t n = lead < 0x80         ? 1
             : (lead >> 5) == 6  ? 2
             : (lead >> 4) == 14 ? 3
             : (lead >> 3) == 30 ? 4
                                 : 0;
  if (n == 0 || i + n > text.size()) return 0;
  for (size_t k = 1; k < n; ++k)
    if ((b(k) & 0xC0) != 0x80) return 0;
  uint32_t cp = n == 1 ? lead : n == 2 ? (lead & 0x1F) : n == 3 ? (lead & 0x0F) : (lead & 0x07);
  for (size_t k = 1; k < n; ++k) cp = (cp << 6) | (b(k) & 0x3F);
  static const uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

}  // namespace

std::string NormalizeArticle(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 16);
  for (size_t i = 0; i < bytes.size();) {
    char c = bytes[i];
    if (c == '\r' || c == '\n') {
      out += "\r\n";
      i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
      continue;
    }
    size_t n = ValidSequence(bytes, i);
    if (n == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
    } else {
      out.append(bytes, i, n);
      i += n;
    }
  }
  return out;
}

int RunBatch(const BatchOptions& options, const std::string& endpoint_url, std::ostream& out,
             std::ostream& err) {
  TNetHTTP http;
  TRoundTripRewriter rewriter(http, endpoint_url);
  int status = 0;
  if (options.out_dir) std::filesystem::create_directories(*options.out_dir);
  const size_t count = options.files.size();
  for (size_t n = 0; n < count; ++n) {
    const std::string& file = options.files[n];
    if (count > 1) err << "[" << n + 1 << "/" << count << "] " << file << std::endl;
    try {
      const std::string source = NormalizeArticle(ReadInput(file));
      const std::string english = rewriter.TranslateToEnglish(source);
      const std::string chinese = rewriter.TranslateToChinese(english, options.line_breaks);
      const std::string article = options.prefix + chinese + options.suffix;
      if (options.out_dir) {
        std::string name =
            file == "-" ? "stdin.txt" : std::filesystem::path(file).filename().string();
        WriteFileBytes((std::filesystem::path(*options.out_dir) / name).string(), article);
      } else {
        out << article;
        out.flush();
      }
    } catch (const std::exception& e) {
      err << ErrorBoxText(e.what()) << std::endl;
      status = 1;
    }
  }
  return status;
}

}  // namespace lumora
