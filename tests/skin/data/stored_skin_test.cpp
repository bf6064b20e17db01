#include "skin/data/stored_skin.h"

#include <gtest/gtest.h>

#include "base/exception.h"
#include "skin/data/bmp_image.h"
#include "skin/data/skin_container.h"
#include "skin/data/skin_list.h"
#include "skin/data/zlib_stream.h"
#include "test_skin.h"

namespace lumora {
namespace {

using testing::TestContainer;
using testing::TestDescription;
using testing::TestPicture;

void ExpectSameImage(const QImage& a, const QImage& b, const char* what) {
  ASSERT_EQ(a.isNull(), b.isNull()) << what;
  if (a.isNull()) return;
  ASSERT_EQ(a.size(), b.size()) << what;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      ASSERT_EQ(a.pixel(x, y), b.pixel(x, y)) << what << " at " << x << "," << y;
}

void ExpectSameContainer(const TskSkinContainer& a, const TskSkinContainer& b) {
  ExpectSameImage(a.Picture, b.Picture, "picture");
  ExpectSameImage(a.InactivePicture, b.InactivePicture, "inactive picture");
  ExpectSameImage(a.Mask, b.Mask, "mask");
  ASSERT_EQ(a.ActivePictures.size(), b.ActivePictures.size());
  for (size_t i = 0; i < a.ActivePictures.size(); ++i)
    ExpectSameImage(a.ActivePictures[i], b.ActivePictures[i], "active picture");
  EXPECT_EQ(a.Lines.Items(), b.Lines.Items());
}

TskSkinContainer Inflated(const TskCompressedStoredSkin& skin) {
  TMemoryStream m;
  skin.DecompressTo(m);
  m.SetPosition(0);
  TskSkinContainer c;
  EXPECT_TRUE(ReadSkinContainer(m, c));
  return c;
}

std::string Int32(int32_t v) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[i] = static_cast<char>(static_cast<uint32_t>(v) >> (8 * i));
  return s;
}

std::string Bmp(const QImage& img) {
  TMemoryStream m;
  WriteBitmapImage(m, img);
  return std::string(m.Data());
}

TEST(SkinContainer, LayoutHasFlagsOnlyBeforeTheThreeFramePictures) {
  TskSkinContainer c;
  c.Picture = TestPicture(4, 3, 1);  // inactive picture and mask absent
  c.ActivePictures = {TestPicture(2, 2, 2)};
  c.Lines.SetText("[VERSION]\r\n");
  TMemoryStream m;
  WriteSkinContainer(m, c);
  std::string expected = Int32(3) + '\0' + Bmp(c.Picture) + '\1' + '\1' + Int32(1) +
                         Bmp(c.ActivePictures[0]) + "[VERSION]\r\n";
  EXPECT_EQ(std::string(m.Data()), expected);
}

TEST(SkinContainer, CountZeroIsFollowedByTheText) {
  std::string bytes = Int32(3) + "\1\1\1" + Int32(0) + "[A]\r\nk=v\r\n";
  TMemoryStream m(bytes);
  TskSkinContainer c;
  ASSERT_TRUE(ReadSkinContainer(m, c));
  EXPECT_TRUE(c.Picture.isNull());
  EXPECT_TRUE(c.ActivePictures.empty());
  EXPECT_EQ(c.Lines.Text(), "[A]\r\nk=v\r\n");
}

TEST(SkinContainer, VersionsUpToThreeReadAndFourRejected) {
  QImage main = TestPicture(6, 4, 1), extra = TestPicture(3, 3, 9), active = TestPicture(5, 2, 4);
  struct Row {
    int32_t version;
    bool extra_pair;
    bool accepted;
    const char* what;
  } rows[] = {
      {1, false, true, "version 1: no extra pictures"},
      {2, true, true, "version 2: two extra pairs skipped"},
      {3, false, true, "version 3: as written"},
      {4, false, false, "version 4 rejected"},
      {-1, false, true, "negative versions are below 3"},
  };
  for (const Row& r : rows) {
    std::string bytes = Int32(r.version) + '\0' + Bmp(main) + '\1' + '\1';
    if (r.extra_pair) bytes += '\0' + Bmp(extra) + '\1';
    bytes += Int32(1) + Bmp(active) + "[X]\r\n";
    TMemoryStream m(bytes);
    TskSkinContainer c;
    ASSERT_EQ(ReadSkinContainer(m, c), r.accepted) << r.what;
    EXPECT_EQ(c.Version, r.version) << r.what;
    if (!r.accepted) {
      EXPECT_TRUE(c.Picture.isNull()) << r.what;
      continue;
    }
    ExpectSameImage(c.Picture, main, r.what);
    ASSERT_EQ(c.ActivePictures.size(), 1u) << r.what;
    ExpectSameImage(c.ActivePictures[0], active, r.what);  // lands at index 0
    EXPECT_EQ(c.Lines.Text(), "[X]\r\n") << r.what;
  }
}

TEST(SkinContainer, DamagedContainersRaise) {
  std::string good;
  {
    TMemoryStream m;
    WriteSkinContainer(m, TestContainer());
    good = std::string(m.Data());
  }
  struct Row {
    std::string bytes;
    const char* what;
  } rows[] = {
      {good.substr(0, 3), "cut in the version"},
      {good.substr(0, 4), "cut before the first flag"},
      {good.substr(0, 200), "cut inside the main picture"},
      {Int32(3) + "\1\1\1" + Int32(1000000000), "huge picture count"},
      {Int32(3) + "\1\1\1", "no picture count"},
  };
  for (const Row& r : rows) {
    TMemoryStream m(r.bytes);
    TskSkinContainer c;
    EXPECT_THROW(ReadSkinContainer(m, c), EStreamError) << r.what;
  }
}

TEST(CompressedStoredSkin, BuildsFromDescriptionFileAndPictures) {
  std::string path = testing::WriteTestSkinFiles(testing::TempDir());
  TskCompressedStoredSkin skin;
  skin.BuildFromDescriptionFile(path);
  ASSERT_FALSE(skin.IsEmpty());
  std::string_view block = skin.CompressedStream().Data();
  EXPECT_EQ(static_cast<unsigned char>(block[0]), 0x78);
  EXPECT_EQ(static_cast<unsigned char>(block[1]), 0xDA);
  ExpectSameContainer(Inflated(skin), TestContainer());
}

TEST(CompressedStoredSkin, DescriptionLackingARequiredSectionChangesNothing) {
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
    std::string dir = testing::TempDir();
    testing::WriteTestSkinFiles(dir);
    TStringList lines = TestDescription();
    for (int i = 0; i < lines.Count(); ++i)
      if (lines[i] == std::string("[") + section + "]") lines[i] = "[renamed]";
    lines.SaveToFile(dir + "other.ini");
    TskCompressedStoredSkin skin;
    skin.CompressedStream().WriteString("old");
    skin.BuildFromDescriptionFile(dir + "other.ini");
    EXPECT_EQ(skin.CompressedStream().Data(), "old") << section;
  }
}

TEST(CompressedStoredSkin, MissingPictureRaisesAfterClearingTheBlock) {
  std::string dir = testing::TempDir();
  std::string path = testing::WriteTestSkinFiles(dir);
  std::remove((dir + "a1.bmp").c_str());
  TskCompressedStoredSkin skin;
  skin.CompressedStream().WriteString("old");
  EXPECT_THROW(skin.BuildFromDescriptionFile(path), EFOpenError);
  EXPECT_TRUE(skin.IsEmpty());
}

TEST(CompressedStoredSkin, RoundTripsThroughFileStreamAndProperty) {
  std::string dir = testing::TempDir();
  TskCompressedStoredSkin a;
  a.BuildFromDescriptionFile(testing::WriteTestSkinFiles(dir));
  const std::string block(a.CompressedStream().Data());

  TMemoryStream file;
  a.WriteCompressedSkinStream(file);
  EXPECT_EQ(std::string(file.Data()), Int32(3) + Int32(static_cast<int32_t>(block.size())) + block);
  WriteFileBytes(dir + "skin.skn", file.Data());

  TskCompressedStoredSkin b;
  b.ReadCompressedSkinFile(dir + "skin.skn");
  EXPECT_EQ(b.CompressedStream().Data(), block);

  TskCompressedStoredSkin c;
  c.ReadCompressedSkinStream(file);  // reads from position 0 whatever the position
  EXPECT_EQ(c.CompressedStream().Data(), block);
  ExpectSameContainer(Inflated(c), TestContainer());

  TMemoryStream prop;
  a.WriteCompressedDataProperty(prop);
  EXPECT_EQ(std::string(prop.Data().substr(0, 16)), std::string("\x0e"
                                                                "CompressedData\x0a"));
  prop.SetPosition(0);
  TskCompressedStoredSkin d;
  d.ReadCompressedDataProperty(prop);
  EXPECT_EQ(d.CompressedStream().Data(), block);
}

TEST(CompressedStoredSkin, CompressedSkinFileVersionAndLengthChecks) {
  struct Row {
    std::string bytes;
    bool raises;
    const char* what;
  } rows[] = {
      {Int32(4) + Int32(3) + "abc", false, "version 4 leaves the block empty"},
      {Int32(3) + Int32(10) + "abc", true, "length past the end"},
      {Int32(3) + Int32(-1) + "abc", true, "negative length"},
      {Int32(3), true, "no length"},
  };
  for (const Row& r : rows) {
    TMemoryStream m(r.bytes);
    TskCompressedStoredSkin skin;
    skin.CompressedStream().WriteString("old");
    if (r.raises)
      EXPECT_THROW(skin.ReadCompressedSkinStream(m), EStreamError) << r.what;
    else
      skin.ReadCompressedSkinStream(m);
    EXPECT_TRUE(skin.IsEmpty()) << r.what;
  }
}

TEST(CompressedStoredSkin, FileNameLoadsOnlyWhileDesigning) {
  std::string dir = testing::TempDir();
  std::string path = testing::WriteTestSkinFiles(dir);
  TskCompressedStoredSkin skin;
  skin.SetFileName(path);  // at run time: stored as given
  EXPECT_EQ(skin.FileName(), path);
  EXPECT_TRUE(skin.IsEmpty());

  skin.SetDesigning(true);
  skin.BeginLoading();
  skin.SetFileName(path);  // loading a stored description: as given
  EXPECT_TRUE(skin.IsEmpty());
  skin.EndLoading();

  skin.SetFileName(path);
  EXPECT_EQ(skin.FileName(), "skin.ini");
  EXPECT_FALSE(skin.IsEmpty());

  TMemoryStream file;
  skin.WriteCompressedSkinStream(file);
  WriteFileBytes(dir + "x.skn", file.Data());
  TskCompressedStoredSkin other;
  other.SetDesigning(true);
  other.SetCompressedFileName(dir + "x.skn");
  EXPECT_EQ(other.CompressedFileName(), "x.skn");
  EXPECT_EQ(other.CompressedStream().Data(), skin.CompressedStream().Data());
}

TEST(CompressedStoredSkin, PropertyWithAnotherNameOrLengthPastTheEndRaises) {
  TskCompressedStoredSkin skin;
  TMemoryStream wrong(std::string("\x0e"
                                  "CompressedDatX\x0a") +
                      Int32(1) + "x");
  EXPECT_THROW(skin.ReadCompressedDataProperty(wrong), EStreamError);
  TMemoryStream past(std::string("\x0e"
                                 "CompressedData\x0a") +
                     Int32(100) + "short");
  skin.CompressedStream().WriteString("old");
  EXPECT_THROW(skin.ReadCompressedDataProperty(past), EStreamError);
  EXPECT_TRUE(skin.IsEmpty());
}

TEST(CompressedStoredSkin, CorruptBlockRaisesOnDecompress) {
  TskCompressedStoredSkin skin;
  skin.CompressedStream().WriteString("\x78\xda garbage that is not deflate data");
  TMemoryStream m;
  EXPECT_THROW(skin.DecompressTo(m), EDecompressionError);
}

TEST(SkinList, ItemsAreNamedByTheirIndexAtCreation) {
  TskCompressedSkinList list;
  EXPECT_EQ(list.Skins().Add().Name(), "skSkin0");
  EXPECT_EQ(list.Skins().Add().Name(), "skSkin1");
  list.Skins().Delete(0);
  EXPECT_EQ(list.Skins().Add().Name(), "skSkin1");  // the index at creation, not unique
  EXPECT_EQ(list.Skins().Items(0).DisplayName(), "skSkin1");
}

TEST(SkinList, SkinPropertyAndAssignCopyTheBlock) {
  std::string dir = testing::TempDir();
  std::string path = testing::WriteTestSkinFiles(dir);
  TskCompressedSkinList list;
  list.SetDesigning(true);
  TskSkinListItem& item = list.Skins().Add();
  item.SetFileName(path);
  EXPECT_EQ(item.FileName(), "skin.ini");
  ASSERT_FALSE(item.StoredSkin().IsEmpty());

  std::string value = item.SkinData();
  TskCompressedSkinList other;
  other.Skins().Add().SetSkinData(value);
  EXPECT_EQ(other.Skins().Items(0).StoredSkin().CompressedStream().Data(),
            item.StoredSkin().CompressedStream().Data());

  // The list's state decides for its items: not designing, nothing loads.
  TskCompressedSkinList runtime;
  TskSkinListItem& plain = runtime.Skins().Add();
  plain.SetFileName(path);
  EXPECT_EQ(plain.FileName(), path);
  EXPECT_TRUE(plain.StoredSkin().IsEmpty());

  TskCompressedSkinList copy;
  copy.SetSkins(list.Skins());
  ASSERT_EQ(copy.Skins().Count(), 1);
  EXPECT_EQ(copy.Skins().Items(0).Name(), "skSkin0");
  EXPECT_EQ(copy.Skins().Items(0).FileName(), "skin.ini");
  EXPECT_EQ(copy.Skins().Items(0).StoredSkin().CompressedStream().Data(),
            item.StoredSkin().CompressedStream().Data());
}

}  // namespace
}  // namespace lumora
