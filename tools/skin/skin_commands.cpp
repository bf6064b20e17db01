#include "skin_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <set>

#include "base/exception.h"
#include "base/stream.h"
#include "skin/data/bmp_image.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_named_rects.h"
#include "skin/data/skin_values.h"

namespace lumora {

namespace {

constexpr char kUsage[] =
    "usage: lumora-skin pack DIR/skin.ini OUT\n"
    "       lumora-skin unpack [FILE] DIR\n"
    "       lumora-skin info [FILE]\n"
    "       lumora-skin preview [FILE] OUT.png\n"
    "Without FILE the skin built into the program is used.\n";

std::string Trimmed(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return std::string(s.substr(b, e - b));
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// Sets keys of [PICTURES] in place, keeping every other line (comments
// included); keys that are missing are added at the end of the section.
void RewritePictureKeys(TStringList& lines, const std::map<std::string, std::string>& values) {
  std::set<std::string> done;
  int sectionEnd = -1;
  bool inPictures = false;
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string t = Trimmed(lines[i]);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
      if (inPictures) break;
      inPictures = SameText(Trimmed(std::string_view(t).substr(1, t.size() - 2)), "PICTURES");
      if (inPictures) sectionEnd = i + 1;
      continue;
    }
    if (!inPictures) continue;
    sectionEnd = i + 1;
    const size_t eq = t.find('=');
    if (t.empty() || t[0] == ';' || eq == std::string::npos) continue;
    const std::string key = Trimmed(std::string_view(t).substr(0, eq));
    for (const auto& [k, v] : values) {
      if (SameText(k, key) && !done.count(k)) {
        lines[i] = k + "=" + v;
        done.insert(k);
      }
    }
  }
  if (sectionEnd < 0) {
    lines.Add("[PICTURES]");
    sectionEnd = lines.Count();
  }
  for (const auto& [k, v] : values)
    if (!done.count(k)) lines.Insert(sectionEnd++, k + "=" + v);
}

// A picture name from a description is only written as a plain file name
// inside the target folder.
bool IsSafeFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\:") == std::string::npos &&
         std::none_of(name.begin(), name.end(),
                      [](char c) { return static_cast<unsigned char>(c) < ' '; });
}

std::string BitsOf(const QImage& img) {
  if (img.format() == QImage::Format_Indexed8) {
    const int colours = img.colorCount();
    return colours <= 2 ? "1 bit" : colours <= 16 ? "4 bits" : "8 bits";
  }
  return img.hasAlphaChannel() ? "32 bits" : "24 bits";
}

void WritePictureLine(std::ostream& out, const std::string& what, const std::string& name,
                      const QImage& img) {
  out << what << ": ";
  if (img.isNull()) {
    out << "none\n";
    return;
  }
  out << (name.empty() ? "(unnamed)" : name) << " " << img.width() << " x " << img.height() << ", "
      << BitsOf(img) << "\n";
}

// Resolves [FILE] for the commands that take one.
void LoadSkinArgument(const std::vector<std::string>& args, size_t fileIndex, bool hasFile,
                      std::string_view builtinBlock, TskCompressedStoredSkin& skin,
                      std::string& source) {
  if (hasFile) {
    source = args[fileIndex];
    LoadCompressedSkinFile(source, skin);
    return;
  }
  source = "the built-in skin";
  TMemoryStream& block = skin.CompressedStream();
  block.Clear();
  block.WriteBuffer(builtinBlock.data(), static_cast<int64_t>(builtinBlock.size()));
  if (skin.IsEmpty()) throw Exception("this program has no built-in skin");
}

}  // namespace

void LoadCompressedSkinFile(const std::string& path, TskCompressedStoredSkin& skin) {
  TMemoryStream file;
  try {
    file.LoadFromFile(path);
  } catch (const Exception&) {
    throw Exception("cannot open " + path);
  }
  const std::string_view data = file.Data();
  if (data.size() < 8) throw Exception(path + " is not a compressed skin file (too short)");
  int32_t version = 0, length = 0;
  std::memcpy(&version, data.data(), 4);
  std::memcpy(&length, data.data() + 4, 4);
  if (version > kCompressedSkinFileVersion)
    throw Exception(path + " is a compressed skin file of version " + std::to_string(version) +
                    "; only versions up to 3 are read");
  if (length <= 0 || static_cast<uint64_t>(length) > data.size() - 8)
    throw Exception(path + " is damaged: its skin block of " + std::to_string(length) +
                    " bytes does not fit in the file");
  file.SetPosition(0);
  skin.ReadCompressedSkinStream(file);
  if (skin.IsEmpty()) throw Exception(path + " holds no skin");
}

TskSkinContainer OpenSkinContainer(const TskCompressedStoredSkin& skin) {
  TMemoryStream inflated;
  skin.DecompressTo(inflated);
  inflated.SetPosition(0);
  TskSkinContainer c;
  if (!ReadSkinContainer(inflated, c))
    throw Exception("the skin container has version " + std::to_string(c.Version) +
                    "; only versions up to 3 are read");
  return c;
}

void PackSkin(const std::string& iniPath, const std::string& outPath) {
  if (!QFileInfo::exists(QString::fromStdString(iniPath)))
    throw Exception("cannot open " + iniPath);
  TskCompressedStoredSkin skin;
  skin.BuildFromDescriptionFile(iniPath);
  if (skin.IsEmpty())
    throw Exception(iniPath +
                    " lacks one of the sections [VERSION], [PICTURES], [FORMINFO], "
                    "[SKINOBJECTS], [SKINCONTROLS]");
  // A description that the skin data component would refuse is not packed.
  TskSkinData check;
  check.LoadStoredSkin(skin);
  TMemoryStream out;
  skin.WriteCompressedSkinStream(out);
  try {
    out.SaveToFile(outPath);
  } catch (const Exception&) {
    throw Exception("cannot write " + outPath);
  }
}

void UnpackSkin(const TskSkinContainer& c, const std::string& dir) {
  if (!QDir().mkpath(QString::fromStdString(dir))) throw Exception("cannot create " + dir);
  const std::string base = dir.empty() || dir.back() == '/' ? dir : dir + "/";
  const TskIniFile ini(c.Lines);
  std::map<std::string, std::string> rewritten;
  std::set<std::string> used;
  auto place = [&](const QImage& img, const std::string& key, const std::string& fallback) {
    if (img.isNull()) return;
    std::string name = ini.ReadString("PICTURES", key, "");
    if (!IsSafeFileName(name) || used.count(name)) {
      name = fallback;
      for (int n = 2; used.count(name); ++n) name = std::to_string(n) + "-" + fallback;
      rewritten[key] = name;
    }
    used.insert(name);
    SaveBitmapFile(base + name, img);
  };
  place(c.Picture, "picture", "main.bmp");
  place(c.InactivePicture, "inactivepicture", "inactive.bmp");
  place(c.Mask, "mask", "mask.bmp");
  const int count = static_cast<int>(c.ActivePictures.size());
  if (ReadSkinInteger(ini, "PICTURES", "activepicturescount", 0) != count)
    rewritten["activepicturescount"] = std::to_string(count);
  for (int i = 0; i < count; ++i)
    place(c.ActivePictures[static_cast<size_t>(i)], std::to_string(i),
          "active" + std::to_string(i) + ".bmp");
  TStringList lines = c.Lines;
  if (!rewritten.empty()) RewritePictureKeys(lines, rewritten);
  lines.SaveToFile(base + "skin.ini");
}

void WriteSkinInfo(const TskCompressedStoredSkin& skin, std::ostream& out) {
  const TskSkinContainer c = OpenSkinContainer(skin);
  TskSkinData data;
  data.LoadStoredSkin(skin);
  out << "version: " << c.Version << "\n";
  out << "compressed block: " << skin.CompressedStream().Length() << " bytes\n";
  if (!data.SkinName().empty()) out << "skin name: " << data.SkinName() << "\n";
  WritePictureLine(out, "picture", data.PictureName(), c.Picture);
  WritePictureLine(out, "inactive picture", data.InActivePictureName(), c.InactivePicture);
  WritePictureLine(out, "mask", data.MaskName(), c.Mask);
  out << "active pictures: " << c.ActivePictures.size() << "\n";
  const TStringList& names = data.ActivePictureNames();
  for (size_t i = 0; i < c.ActivePictures.size(); ++i) {
    const std::string name = static_cast<int>(i) < names.Count() ? names[static_cast<int>(i)] : "";
    WritePictureLine(out, "  " + std::to_string(i), name, c.ActivePictures[i]);
  }
  out << "description: " << c.Lines.Count() << " lines\n";
  out << "skin objects: " << data.ObjectCount() << "\n";
  for (int i = 0; i < data.ObjectCount(); ++i)
    out << "  " << i << " " << data.Object(i)->IDName << " " << data.Object(i)->ClassName() << "\n";
  out << "skin controls: " << data.ControlCount() << "\n";
  for (int i = 0; i < data.ControlCount(); ++i)
    out << "  " << i << " " << data.Control(i)->IDName << " " << data.Control(i)->ClassName()
        << "\n";
}

int RunSkinTool(const std::vector<std::string>& args, std::string_view builtinBlock,
                std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return kSkinToolUsage;
  }
  const std::string& command = args[0];
  const size_t n = args.size();
  try {
    if (command == "pack" && n == 3) {
      PackSkin(args[1], args[2]);
      out << "packed " << args[1] << " into " << args[2] << "\n";
      return kSkinToolOk;
    }
    if ((command == "unpack" || command == "preview") && (n == 2 || n == 3)) {
      TskCompressedStoredSkin skin;
      std::string source;
      LoadSkinArgument(args, 1, n == 3, builtinBlock, skin, source);
      TskSkinContainer c;
      try {
        c = OpenSkinContainer(skin);
      } catch (const Exception& e) {
        throw Exception(source + " is damaged: " + e.Message());
      }
      const std::string& target = args[n - 1];
      if (command == "unpack") {
        UnpackSkin(c, target);
        out << "unpacked " << source << " into " << target << "\n";
      } else {
        QImage sheet;
        try {
          sheet = DrawPreviewSheet(c);
        } catch (const Exception& e) {
          throw Exception(source + " is damaged: " + e.Message());
        }
        if (!sheet.save(QString::fromStdString(target), "PNG"))
          throw Exception("cannot write " + target);
        out << "wrote the preview of " << source << " to " << target << "\n";
      }
      return kSkinToolOk;
    }
    if (command == "info" && (n == 1 || n == 2)) {
      TskCompressedStoredSkin skin;
      std::string source;
      LoadSkinArgument(args, 1, n == 2, builtinBlock, skin, source);
      try {
        WriteSkinInfo(skin, out);
      } catch (const Exception& e) {
        throw Exception(source + " is damaged: " + e.Message());
      }
      return kSkinToolOk;
    }
  } catch (const Exception& e) {
    err << "lumora-skin: " << e.Message() << "\n";
    return kSkinToolBadSkin;
  }
  err << kUsage;
  return kSkinToolUsage;
}

}  // namespace lumora
