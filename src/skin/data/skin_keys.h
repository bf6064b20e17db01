#pragma once
// One list of keys per data class, walked by a visitor: the reader fills
// the fields from a section (missing keys take their defaults), the writer
// puts every field back. Reading and writing thus follow one order.

#include <string>

#include "base/geometry.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_types.h"

namespace lumora {

class TskKeyVisitor {
 public:
  virtual ~TskKeyVisitor() = default;
  virtual void Integer(const char* key, int32_t& v, int32_t fallback = 0) = 0;
  virtual void Color(const char* key, TColor& v, TColor fallback = 0) = 0;
  void PictureIndex(const char* key, int32_t& v, int32_t fallback = -1) {
    Integer(key, v, fallback);
  }
  virtual void Boolean(const char* key, bool& v) = 0;
  virtual void Point(const char* key, TPoint& v) = 0;
  virtual void Rect(const char* key, TRect& v) = 0;
  virtual void Text(const char* key, std::string& v, const char* fallback = "") = 0;
  virtual void FontStyle(const char* key, TFontStyles& v) = 0;
  virtual void StretchType(const char* key, TskStretchType& v) = 0;
  virtual void Alignment(const char* key, TAlignment& v) = 0;
  virtual void MorphKind(const char* key, TskMorphKind& v) = 0;
  virtual void InactiveEffect(const char* key, TskInactiveEffect& v) = 0;
  virtual void Command(const char* key, TskFrameCommand& v) = 0;
};

// Fills fields from one section of ini. Point and rectangle errors raise
// EConvertError.
class TskKeyReader : public TskKeyVisitor {
 public:
  TskKeyReader(const TskIniFile& ini, std::string section)
      : ini_(ini), section_(std::move(section)) {}
  void Integer(const char* key, int32_t& v, int32_t fallback) override;
  void Color(const char* key, TColor& v, TColor fallback) override;
  void Boolean(const char* key, bool& v) override;
  void Point(const char* key, TPoint& v) override;
  void Rect(const char* key, TRect& v) override;
  void Text(const char* key, std::string& v, const char* fallback) override;
  void FontStyle(const char* key, TFontStyles& v) override;
  void StretchType(const char* key, TskStretchType& v) override;
  void Alignment(const char* key, TAlignment& v) override;
  void MorphKind(const char* key, TskMorphKind& v) override;
  void InactiveEffect(const char* key, TskInactiveEffect& v) override;
  void Command(const char* key, TskFrameCommand& v) override;

 private:
  const std::string* Find(const char* key) const { return ini_.Find(section_, key); }
  const TskIniFile& ini_;
  std::string section_;
};

// Writes every field into one section of ini (the fields are not changed).
class TskKeyWriter : public TskKeyVisitor {
 public:
  TskKeyWriter(TskIniFile& ini, std::string section) : ini_(ini), section_(std::move(section)) {}
  void Integer(const char* key, int32_t& v, int32_t fallback) override;
  void Color(const char* key, TColor& v, TColor fallback) override;
  void Boolean(const char* key, bool& v) override;
  void Point(const char* key, TPoint& v) override;
  void Rect(const char* key, TRect& v) override;
  void Text(const char* key, std::string& v, const char* fallback) override;
  void FontStyle(const char* key, TFontStyles& v) override;
  void StretchType(const char* key, TskStretchType& v) override;
  void Alignment(const char* key, TAlignment& v) override;
  void MorphKind(const char* key, TskMorphKind& v) override;
  void InactiveEffect(const char* key, TskInactiveEffect& v) override;
  void Command(const char* key, TskFrameCommand& v) override;

 private:
  void Put(const char* key, const std::string& value) { ini_.WriteString(section_, key, value); }
  TskIniFile& ini_;
  std::string section_;
};

}  // namespace lumora

namespace lumora {

// Base of every data object that a description section fills: its name
// (the section it reads), the key list, and read and write over an INI.
class TskKeyedData {
 public:
  explicit TskKeyedData(std::string id_name) : IDName(std::move(id_name)) {}
  virtual ~TskKeyedData() = default;

  // Reads the keys of the class and its ancestors from section IDName.
  // Malformed points and rectangles raise EConvertError.
  virtual void ReadData(const TskIniFile& ini);
  // Erases section IDName in ini and writes every key back.
  virtual void WriteData(TskIniFile& ini) const;
  // The data class name, e.g. "TskDataSkinPanelControl".
  virtual const char* ClassName() const = 0;
  // Walks the keys: the ancestors' first, then the class's own.
  virtual void VisitKeys(TskKeyVisitor& v) = 0;

  std::string IDName;
};

}  // namespace lumora
