#pragma once
// Batch mode: rewrites files without a window, prefix + rewritten article +
// suffix for each, with the same error texts as the error box.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace lumora {

struct BatchOptions {
  std::vector<std::string> files;  // "-" is standard input
  std::optional<std::string> out_dir;
  std::string prefix = "本站讯：";
  std::string suffix = "本站记者：XXX";
  bool line_breaks = true;
};

// Rewrites every file through the endpoint; one failing file does not stop
// the others. Returns 0, or 1 when any file failed.
int RunBatch(const BatchOptions& options, const std::string& endpoint_url, std::ostream& out,
             std::ostream& err);

// Article text as the window would hand it over: valid UTF-8 (bad bytes
// become U+FFFD) with CR LF line ends.
std::string NormalizeArticle(const std::string& bytes);

}  // namespace lumora
