#include "skin/data/skin_keys.h"

#include "skin/data/skin_values.h"

namespace lumora {

void TskKeyReader::Integer(const char* key, int32_t& v, int32_t fallback) {
  const std::string* s = Find(key);
  v = s ? ParseSkinInteger(*s, fallback) : fallback;
}

void TskKeyReader::Color(const char* key, TColor& v, TColor fallback) {
  const std::string* s = Find(key);
  v = s ? ParseSkinColor(*s, fallback) : fallback;
}

void TskKeyReader::Boolean(const char* key, bool& v) {
  const std::string* s = Find(key);
  v = s && ParseSkinBoolean(*s);
}

void TskKeyReader::Point(const char* key, TPoint& v) {
  const std::string* s = Find(key);
  v = s ? ParseSkinPoint(*s) : TPoint{};
}

void TskKeyReader::Rect(const char* key, TRect& v) {
  const std::string* s = Find(key);
  v = s ? ParseSkinRect(*s) : TRect{};
}

void TskKeyReader::Text(const char* key, std::string& v, const char* fallback) {
  const std::string* s = Find(key);
  v = s ? *s : std::string(fallback);
}

void TskKeyReader::FontStyle(const char* key, TFontStyles& v) {
  const std::string* s = Find(key);
  v = s ? ParseFontStyle(*s) : 0;
}

void TskKeyReader::StretchType(const char* key, TskStretchType& v) {
  const std::string* s = Find(key);
  v = s ? ParseStretchType(*s) : stFull;
}

void TskKeyReader::Alignment(const char* key, TAlignment& v) {
  const std::string* s = Find(key);
  v = s ? ParseAlignment(*s) : taCenter;
}

void TskKeyReader::MorphKind(const char* key, TskMorphKind& v) {
  const std::string* s = Find(key);
  v = s ? ParseMorphKind(*s) : mkDefault;
}

void TskKeyReader::InactiveEffect(const char* key, TskInactiveEffect& v) {
  const std::string* s = Find(key);
  v = s ? ParseInactiveEffect(*s) : ieBrightness;
}

void TskKeyReader::Command(const char* key, TskFrameCommand& v) {
  const std::string* s = Find(key);
  v = s ? ParseCommand(*s) : cmDefault;
}

void TskKeyWriter::Integer(const char* key, int32_t& v, int32_t) {
  Put(key, std::to_string(v));
}
void TskKeyWriter::Color(const char* key, TColor& v, TColor) {
  Put(key, FormatSkinColor(v));
}
void TskKeyWriter::Boolean(const char* key, bool& v) {
  Put(key, v ? "1" : "0");
}
void TskKeyWriter::Point(const char* key, TPoint& v) {
  Put(key, FormatSkinPoint(v));
}
void TskKeyWriter::Rect(const char* key, TRect& v) {
  Put(key, FormatSkinRect(v));
}
void TskKeyWriter::Text(const char* key, std::string& v, const char*) {
  Put(key, v);
}
void TskKeyWriter::FontStyle(const char* key, TFontStyles& v) {
  Put(key, FormatFontStyle(v));
}
void TskKeyWriter::StretchType(const char* key, TskStretchType& v) {
  Put(key, StretchTypeName(v));
}
void TskKeyWriter::Alignment(const char* key, TAlignment& v) {
  Put(key, AlignmentName(v));
}
void TskKeyWriter::MorphKind(const char* key, TskMorphKind& v) {
  Put(key, MorphKindName(v));
}
void TskKeyWriter::InactiveEffect(const char* key, TskInactiveEffect& v) {
  Put(key, InactiveEffectName(v));
}
void TskKeyWriter::Command(const char* key, TskFrameCommand& v) {
  Put(key, CommandName(v));
}

}  // namespace lumora

namespace lumora {

void TskKeyedData::ReadData(const TskIniFile& ini) {
  TskKeyReader reader(ini, IDName);
  VisitKeys(reader);
}

void TskKeyedData::WriteData(TskIniFile& ini) const {
  ini.EraseSection(IDName);
  TskKeyWriter writer(ini, IDName);
  // The writer only reads the fields it is handed.
  const_cast<TskKeyedData*>(this)->VisitKeys(writer);
}

}  // namespace lumora
