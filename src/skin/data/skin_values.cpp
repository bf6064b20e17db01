#include "skin/data/skin_values.h"

#include <vector>

#include "base/text.h"

namespace lumora {

namespace {

// Splits at "," keeping only the digits of each piece; stops once enough
// numbers are found.
std::vector<std::string> DigitScan(std::string_view value, size_t needed) {
  std::vector<std::string> numbers(1);
  for (char c : value) {
    if (c == ',') {
      if (numbers.size() == needed) break;
      numbers.emplace_back();
    } else if (c >= '0' && c <= '9') {
      numbers.back().push_back(c);
    }
  }
  numbers.resize(needed);
  return numbers;
}

template <typename E, size_t N>
E WordIndex(std::string_view value, const char* const (&words)[N], E other) {
  for (size_t i = 0; i < N; ++i)
    if (value == words[i]) return static_cast<E>(i);
  return other;
}

constexpr const char* kMorphWords[] = {"mkdefault",       "mkgradient",  "mkleftgradient",
                                       "mkrightgradient", "mkleftslide", "mkrightslide",
                                       "mkpush"};
constexpr const char* kEffectWords[] = {"iebrightness", "iedarkness",  "iegrayscale",
                                        "ienoise",      "iesplitblur", "ieinvert"};
constexpr const char* kCommandWords[] = {"cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
                                         "cmdefault", "cmrollup",   "cmminimizetotray"};
constexpr const char* kStyleWords[] = {"fsbold", "fsitalic", "fsunderline", "fsstrikeout"};

}  // namespace

int32_t ParseSkinInteger(std::string_view value, int32_t fallback) {
  return StrToIntDef(value, fallback);
}

TColor ParseSkinColor(std::string_view value, TColor fallback) {
  auto v = ParseInt64(value);
  if (!v || *v < INT32_MIN || *v > static_cast<int64_t>(UINT32_MAX)) return fallback;
  return static_cast<TColor>(static_cast<uint32_t>(*v));
}

bool ParseSkinBoolean(std::string_view value) {
  return StrToIntDef(value, 0) == 1;
}

TPoint ParseSkinPoint(std::string_view value) {
  auto n = DigitScan(value, 2);
  return {StrToInt(n[0]), StrToInt(n[1])};
}

TRect ParseSkinRect(std::string_view value) {
  auto n = DigitScan(value, 4);
  return {StrToInt(n[0]), StrToInt(n[1]), StrToInt(n[2]), StrToInt(n[3])};
}

TFontStyles ParseFontStyle(std::string_view value) {
  TFontStyles s = 0;
  for (int i = 0; i < 4; ++i)
    if (value.find(kStyleWords[i]) != std::string_view::npos) s |= static_cast<TFontStyles>(1 << i);
  return s;
}

TskStretchType ParseStretchType(std::string_view value) {
  if (value == "stfull") return stFull;
  if (value == "stvert") return stVert;
  return stHorz;
}

TAlignment ParseAlignment(std::string_view value) {
  if (value == "tacenter") return taCenter;
  if (value == "taleftjustify") return taLeftJustify;
  return taRightJustify;
}

TskMorphKind ParseMorphKind(std::string_view value) {
  return WordIndex(value, kMorphWords, mkDefault);
}

TskInactiveEffect ParseInactiveEffect(std::string_view value) {
  return WordIndex(value, kEffectWords, ieGrayscale);
}

TskFrameCommand ParseCommand(std::string_view value) {
  return WordIndex(value, kCommandWords, cmMinimizeToTray);
}

std::string FormatSkinColor(TColor c) {
  return std::to_string(static_cast<int32_t>(c));
}

std::string FormatSkinPoint(TPoint p) {
  return Format("%d,%d", p.x, p.y);
}

std::string FormatSkinRect(const TRect& r) {
  return Format("%d,%d,%d,%d", r.Left, r.Top, r.Right, r.Bottom);
}

std::string FormatFontStyle(TFontStyles s) {
  std::string out;
  for (int i = 0; i < 4; ++i) {
    if (!(s & (1 << i))) continue;
    if (!out.empty()) out += ",";
    out += kStyleWords[i];
  }
  return out;
}

const char* StretchTypeName(TskStretchType v) {
  return v == stFull ? "stfull" : v == stVert ? "stvert" : "sthorz";
}

const char* AlignmentName(TAlignment v) {
  return v == taCenter ? "tacenter" : v == taLeftJustify ? "taleftjustify" : "tarightjustify";
}

const char* MorphKindName(TskMorphKind v) {
  return v >= 0 && v < 7 ? kMorphWords[v] : kMorphWords[0];
}

const char* InactiveEffectName(TskInactiveEffect v) {
  return v >= 0 && v < 6 ? kEffectWords[v] : kEffectWords[2];
}

const char* CommandName(TskFrameCommand v) {
  return v >= 0 && v < 7 ? kCommandWords[v] : kCommandWords[6];
}

int32_t ReadSkinInteger(const TskIniFile& ini, std::string_view section, std::string_view key,
                        int32_t fallback) {
  const std::string* v = ini.Find(section, key);
  return v ? ParseSkinInteger(*v, fallback) : fallback;
}

TColor ReadSkinColor(const TskIniFile& ini, std::string_view section, std::string_view key,
                     TColor fallback) {
  const std::string* v = ini.Find(section, key);
  return v ? ParseSkinColor(*v, fallback) : fallback;
}

bool ReadSkinBoolean(const TskIniFile& ini, std::string_view section, std::string_view key) {
  const std::string* v = ini.Find(section, key);
  return v && ParseSkinBoolean(*v);
}

TPoint ReadSkinPoint(const TskIniFile& ini, std::string_view section, std::string_view key) {
  const std::string* v = ini.Find(section, key);
  return v ? ParseSkinPoint(*v) : TPoint{};
}

TRect ReadSkinRect(const TskIniFile& ini, std::string_view section, std::string_view key) {
  const std::string* v = ini.Find(section, key);
  return v ? ParseSkinRect(*v) : TRect{};
}

}  // namespace lumora
