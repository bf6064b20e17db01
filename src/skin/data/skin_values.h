#pragma once
// The value formats of the skin description: one parser per kind for a
// value text that is present, the matching formatter that writes it back,
// and readers that take a key from the INI with the key's default.
//
// Missing keys give the default; integers, colours and picture indexes that
// do not parse give the default too; enumeration words compare exactly and
// case-sensitively. Points and rectangles are digit-scanned: "," ends a
// number, every other non-digit is dropped ("-5" reads 5); a needed number
// without digits raises EConvertError.

#include <string>
#include <string_view>

#include "base/geometry.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_types.h"

namespace lumora {

int32_t ParseSkinInteger(std::string_view value, int32_t fallback);
// 32-bit colour; a value outside 32 bits gives the fallback.
TColor ParseSkinColor(std::string_view value, TColor fallback);
// True only for a value whose integer reading is 1.
bool ParseSkinBoolean(std::string_view value);
TPoint ParseSkinPoint(std::string_view value);
TRect ParseSkinRect(std::string_view value);
TFontStyles ParseFontStyle(std::string_view value);
TskStretchType ParseStretchType(std::string_view value);
TAlignment ParseAlignment(std::string_view value);
TskMorphKind ParseMorphKind(std::string_view value);
TskInactiveEffect ParseInactiveEffect(std::string_view value);
TskFrameCommand ParseCommand(std::string_view value);

std::string FormatSkinColor(TColor c);  // signed decimal, as the skin stores it
std::string FormatSkinPoint(TPoint p);
std::string FormatSkinRect(const TRect& r);
std::string FormatFontStyle(TFontStyles s);
const char* StretchTypeName(TskStretchType v);
const char* AlignmentName(TAlignment v);
const char* MorphKindName(TskMorphKind v);
const char* InactiveEffectName(TskInactiveEffect v);
const char* CommandName(TskFrameCommand v);

// Readers over the INI: section and key, with the key's default.
int32_t ReadSkinInteger(const TskIniFile& ini, std::string_view section, std::string_view key,
                        int32_t fallback);
TColor ReadSkinColor(const TskIniFile& ini, std::string_view section, std::string_view key,
                     TColor fallback);
bool ReadSkinBoolean(const TskIniFile& ini, std::string_view section, std::string_view key);
TPoint ReadSkinPoint(const TskIniFile& ini, std::string_view section, std::string_view key);
TRect ReadSkinRect(const TskIniFile& ini, std::string_view section, std::string_view key);

}  // namespace lumora
