// lumora-skin's commands on the built-in skin and on damaged files.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>
#include <sstream>

#include "base/stream.h"
#include "skin/builtin/builtin_skin.h"
#include "skin/data/bmp_image.h"
#include "skin/data/skin_container.h"
#include "skin/data/stored_skin.h"
#include "skin_commands.h"

namespace lumora {
namespace {

struct Result {
  int status;
  std::string out, err;
};

Result RunTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunSkinTool(args, BuiltinSkinBlock(), out, err);
  return {status, out.str(), err.str()};
}

class SkinTool : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_.path().toStdString() + "/" + name; }
  std::string WriteFile(const std::string& name, const std::string& bytes) const {
    TMemoryStream s(bytes);
    s.SaveToFile(Path(name));
    return Path(name);
  }
  // A compressed skin file around any block.
  std::string WriteSkinFile(const std::string& name, int32_t version, const std::string& block,
                            int32_t length) const {
    std::string bytes(8, '\0');
    std::memcpy(bytes.data(), &version, 4);
    std::memcpy(bytes.data() + 4, &length, 4);
    return WriteFile(name, bytes + block);
  }
  std::string BuiltinFile() const {
    const std::string_view b = BuiltinSkinBlock();
    return WriteSkinFile("builtin.skn", 3, std::string(b), static_cast<int32_t>(b.size()));
  }
  QTemporaryDir dir_;
};

TEST_F(SkinTool, InfoListsTheBuiltinSkin) {
  const Result r = RunTool({"info"});
  ASSERT_EQ(r.status, kSkinToolOk) << r.err;
  for (const char* line :
       {"version: 3\n", "skin objects: 11\n", "skin controls: 72\n", "picture: main.bmp 300 x 120",
        "  0 closebutton TskDataSkinStdButton\n", "  0 button TskDataSkinButtonControl\n",
        "  16 vscrollbar TskDataSkinScrollBarControl\n", "  21 groupbox TskDataSkinPanelControl\n",
        "  22 stdlabel TskDataSkinStdLabelControl\n", "  47 richedit TskDataSkinRichEdit\n",
        "inactive picture: none\n"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line;
  EXPECT_EQ(r.out.find(" appmenu "), std::string::npos);
  EXPECT_NE(r.out.find("  66 menupagepanel TskDataSkinPanelControl\n"), std::string::npos);
}

TEST_F(SkinTool, InfoOfAFileMatchesTheBuiltinSkin) {
  const Result file = RunTool({"info", BuiltinFile()});
  ASSERT_EQ(file.status, kSkinToolOk) << file.err;
  EXPECT_EQ(file.out, RunTool({"info"}).out);
}

TEST_F(SkinTool, UnpackThenPackReproducesTheSkin) {
  const std::string unpacked = Path("unpacked");
  const Result u = RunTool({"unpack", unpacked});
  ASSERT_EQ(u.status, kSkinToolOk) << u.err;
  for (const char* f : {"skin.ini", "main.bmp", "mask.bmp", "controls.bmp", "pwmask.bmp"})
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(unpacked + "/" + f))) << f;
  const std::string packed = Path("repacked.skn");
  const Result p = RunTool({"pack", unpacked + "/skin.ini", packed});
  ASSERT_EQ(p.status, kSkinToolOk) << p.err;
  const Result again = RunTool({"info", packed});
  ASSERT_EQ(again.status, kSkinToolOk) << again.err;
  EXPECT_EQ(again.out, RunTool({"info"}).out);

  // The pictures come back pixel for pixel.
  TskCompressedStoredSkin a, b;
  LoadCompressedSkinFile(BuiltinFile(), a);
  LoadCompressedSkinFile(packed, b);
  const TskSkinContainer ca = OpenSkinContainer(a), cb = OpenSkinContainer(b);
  EXPECT_TRUE(ca.Picture == cb.Picture);
  EXPECT_TRUE(ca.Mask == cb.Mask);
  ASSERT_EQ(ca.ActivePictures.size(), cb.ActivePictures.size());
  for (size_t i = 0; i < ca.ActivePictures.size(); ++i)
    EXPECT_TRUE(ca.ActivePictures[i] == cb.ActivePictures[i]) << i;
}

TEST_F(SkinTool, UnpackKeepsPictureNamesInsideTheFolder) {
  TskSkinContainer c;
  c.Picture = QImage(4, 3, QImage::Format_RGB32);
  c.Picture.fill(Qt::red);
  c.ActivePictures = {QImage(2, 2, QImage::Format_RGB32), QImage(3, 3, QImage::Format_RGB32)};
  c.ActivePictures[0].fill(Qt::green);
  c.ActivePictures[1].fill(Qt::blue);
  c.Lines.SetText(
      "; kept\r\n[VERSION]\r\n[PICTURES]\r\npicture=../escape.bmp\r\nmask=\r\n"
      "activepicturescount=2\r\n0=same.bmp\r\n1=same.bmp\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n"
      "[SKINCONTROLS]\r\n");
  TskCompressedStoredSkin skin;
  skin.CompressContainer(c);
  TMemoryStream file;
  skin.WriteCompressedSkinStream(file);
  file.SaveToFile(Path("names.skn"));

  const std::string out = Path("inner/out");
  const Result u = RunTool({"unpack", Path("names.skn"), out});
  ASSERT_EQ(u.status, kSkinToolOk) << u.err;
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(Path("inner/escape.bmp"))));
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(out + "/main.bmp")));
  // Packing the folder again gives both active pictures, not one twice.
  const Result p = RunTool({"pack", out + "/skin.ini", Path("names2.skn")});
  ASSERT_EQ(p.status, kSkinToolOk) << p.err;
  TskCompressedStoredSkin back;
  LoadCompressedSkinFile(Path("names2.skn"), back);
  const TskSkinContainer cb = OpenSkinContainer(back);
  ASSERT_EQ(cb.ActivePictures.size(), 2u);
  EXPECT_EQ(cb.ActivePictures[1].pixelColor(0, 0), QColor(Qt::blue));
  EXPECT_EQ(cb.Picture.pixelColor(0, 0), QColor(Qt::red));
  EXPECT_EQ(cb.Lines[0], "; kept");
}

TEST_F(SkinTool, PreviewDrawsEveryPicture) {
  const std::string png = Path("preview.png");
  const Result r = RunTool({"preview", png});
  ASSERT_EQ(r.status, kSkinToolOk) << r.err;
  const QImage sheet(QString::fromStdString(png));
  ASSERT_FALSE(sheet.isNull());
  EXPECT_GT(sheet.width(), 600);
  // The close button's hot look (red) is on the sheet.
  bool red = false;
  for (int y = 0; y < sheet.height() && !red; ++y)
    for (int x = 0; x < sheet.width() && !red; ++x)
      red = sheet.pixelColor(x, y) == QColor(212, 56, 44);
  EXPECT_TRUE(red);
}

TEST_F(SkinTool, SampleWindowIsCutToTheWindowShape) {
  TskCompressedStoredSkin skin;
  LoadCompressedSkinFile(BuiltinFile(), skin);
  const QImage sample = DrawSampleWindow(OpenSkinContainer(skin));
  ASSERT_FALSE(sample.isNull());
  // The rounded top corners are outside the mask; the bottom corners and
  // the middle belong to the window.
  EXPECT_EQ(qAlpha(sample.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(sample.pixel(sample.width() - 1, 0)), 0);
  EXPECT_EQ(qAlpha(sample.pixel(0, sample.height() - 1)), 255);
  EXPECT_EQ(qAlpha(sample.pixel(sample.width() / 2, sample.height() / 2)), 255);
}

TEST_F(SkinTool, DamagedFilesGiveAMessageAndStatusTwo) {
  const std::string_view b = BuiltinSkinBlock();
  const std::string block(b);
  struct Case {
    const char* what;
    std::string path;
  } cases[] = {
      {"missing file", Path("absent.skn")},
      {"empty file", WriteFile("empty.skn", "")},
      {"too short", WriteFile("short.skn", "\3\0\0")},
      {"version 4", WriteSkinFile("v4.skn", 4, block, static_cast<int32_t>(block.size()))},
      {"length past the end",
       WriteSkinFile("long.skn", 3, block, static_cast<int32_t>(block.size() + 10))},
      {"negative length", WriteSkinFile("neg.skn", 3, block, -5)},
      {"truncated block", WriteSkinFile("cut.skn", 3, block.substr(0, block.size() / 2),
                                        static_cast<int32_t>(block.size() / 2))},
      // All of the container inflates; only the end of the zlib stream is missing.
      {"block cut in its last bytes", WriteSkinFile("tail.skn", 3, block.substr(0, block.size() - 3),
                                                    static_cast<int32_t>(block.size() - 3))},
      {"not zlib", WriteSkinFile("junk.skn", 3, std::string(200, 'x'), 200)},
  };
  for (const Case& c : cases) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"info", c.path},
          std::vector<std::string>{"unpack", c.path, Path("out")},
          std::vector<std::string>{"preview", c.path, Path("p.png")}}) {
      const Result r = RunTool(args);
      EXPECT_EQ(r.status, kSkinToolBadSkin) << c.what << " " << args[0];
      EXPECT_NE(r.err.find(c.path), std::string::npos) << c.what << ": " << r.err;
      EXPECT_TRUE(r.out.empty()) << c.what;
    }
  }
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(Path("p.png"))));
}

TEST(SkinToolProgram, PrintsNothingButItsOwnOutput) {
  // Without a runtime directory Qt would note it on every run.
  QProcess tool;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  tool.setProcessEnvironment(env);
  tool.start(QStringLiteral(LUMORA_TEST_BINARY_DIR "/bin/lumora-skin"), {QStringLiteral("info")});
  ASSERT_TRUE(tool.waitForFinished(60000));
  EXPECT_EQ(tool.exitCode(), 0);
  EXPECT_EQ(tool.readAllStandardError(), QByteArray());
  EXPECT_TRUE(tool.readAllStandardOutput().contains("Lumora Light"));
}

TEST_F(SkinTool, MalformedDescriptionIsReportedAsDamage) {
  TskSkinContainer c;
  c.Lines.SetText(
      "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\nclientrect=1,2\r\n[SKINOBJECTS]\r\n"
      "[SKINCONTROLS]\r\n");
  TskCompressedStoredSkin skin;
  skin.CompressContainer(c);
  TMemoryStream file;
  skin.WriteCompressedSkinStream(file);
  file.SaveToFile(Path("bad.skn"));
  const Result r = RunTool({"info", Path("bad.skn")});
  EXPECT_EQ(r.status, kSkinToolBadSkin);
  EXPECT_NE(r.err.find("damaged"), std::string::npos) << r.err;
}

TEST_F(SkinTool, PackRefusesIncompleteDescriptions) {
  const Result missing = RunTool({"pack", Path("nothing/skin.ini"), Path("o.skn")});
  EXPECT_EQ(missing.status, kSkinToolBadSkin);
  WriteFile("partial.ini", "[VERSION]\r\n[PICTURES]\r\n");
  const Result partial = RunTool({"pack", Path("partial.ini"), Path("o.skn")});
  EXPECT_EQ(partial.status, kSkinToolBadSkin);
  EXPECT_NE(partial.err.find("[SKINCONTROLS]"), std::string::npos) << partial.err;
  WriteFile("nopicture.ini",
            "[VERSION]\r\n[PICTURES]\r\npicture=gone.bmp\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n"
            "[SKINCONTROLS]\r\n");
  EXPECT_EQ(RunTool({"pack", Path("nopicture.ini"), Path("o.skn")}).status, kSkinToolBadSkin);
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(Path("o.skn"))));
}

TEST_F(SkinTool, WrongCommandLinesShowTheUsage) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"unknown"}, {"info", "a", "b"}, {"pack", "only"}}) {
    const Result r = RunTool(args);
    EXPECT_EQ(r.status, kSkinToolUsage);
    EXPECT_NE(r.err.find("usage:"), std::string::npos);
  }
}

}  // namespace
}  // namespace lumora
