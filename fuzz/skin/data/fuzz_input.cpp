#include "fuzz_input.h"

#include "base/stream.h"
#include "skin/data/zlib_stream.h"

namespace lumora::fuzz {

std::string DeflateFast(std::string_view bytes) {
  TMemoryStream out;
  {
    TCompressionStream z(TCompressionLevel::clFastest, out);
    z.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    z.Finish();
  }
  return out.TakeData();
}

std::string BareContainer(std::string_view text) {
  std::string c("\x03\0\0\0\x01\x01\x01\0\0\0\0", 11);
  c.append(text);
  return c;
}

}  // namespace lumora::fuzz
