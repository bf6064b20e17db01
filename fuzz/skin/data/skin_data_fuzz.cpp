// Feeds hostile bytes through the stored-skin reading path: inflating,
// the container, the bitmaps, the description and every data class. Our
// own exceptions are the expected outcome of bad input; anything else (a
// crash, a sanitizer report, a foreign exception) is a finding.

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/exception.h"
#include "fuzz_input.h"
#include "skin/data/skin_data.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const auto mode = static_cast<fuzz::Mode>(data[0] % fuzz::kModeCount);
  std::string_view payload(reinterpret_cast<const char*>(data + 1), size - 1);
  TskCompressedStoredSkin stored;
  try {
    switch (mode) {
      case fuzz::kCompressedBlock:
        stored.CompressedStream().WriteString(payload);
        break;
      case fuzz::kContainer:
        stored.CompressedStream().WriteString(fuzz::DeflateFast(payload));
        break;
      case fuzz::kDescription:
        stored.CompressedStream().WriteString(fuzz::DeflateFast(fuzz::BareContainer(payload)));
        break;
      default: {
        TMemoryStream file{std::string(payload)};
        stored.ReadCompressedSkinStream(file);
        break;
      }
    }
    TskSkinData skin;
    try {
      skin.LoadStoredSkin(stored);
    } catch (const Exception&) {
      // A failed load must leave a cleared, settled component.
      if (!skin.Empty() || skin.Changing() || skin.ControlCount() || skin.ObjectCount())
        __builtin_trap();
      return 0;
    }
    // Look-ups and the write operations run over whatever was read.
    skin.ControlIndexOf("button");
    skin.ObjectIndexOf("caption");
    TskIniFile out;
    for (const auto& c : skin.Controls()) c->WriteData(out);
    for (const auto& o : skin.Objects()) o->WriteData(out);
  } catch (const Exception&) {
  }
  return 0;
}
