#include "skin/data/skin_data.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <memory>
#include <set>

#include "base/exception.h"
#include "platform/form_list.h"
#include "platform/messages.h"
#include "skin/data/skin_container.h"
#include "skin/data/zlib_stream.h"
#include "support/skin_entries.h"
#include "test_skin.h"

namespace lumora {
namespace {

struct Received {
  QWidget* form;
  int msg;
  intptr_t wparam, lparam;
  bool empty, changing;
  int controls;
};

// A form that records every skin message with the sender's state.
class RecordingForm : public QWidget {
 public:
  RecordingForm(std::vector<Received>* log, TskSkinData** sender) : log_(log), sender_(sender) {
    RegisterForm(this);
  }
  ~RecordingForm() override { UnregisterForm(this); }

 protected:
  bool event(QEvent* e) override {
    if (TMessageEvent* m = AsMessage(e)) {
      TskSkinData* s = *sender_;
      log_->push_back(
          {this, m->Msg(), m->WParam(), m->LParam(), s->Empty(), s->Changing(), s->ControlCount()});
      return true;
    }
    return QWidget::event(e);
  }

 private:
  std::vector<Received>* log_;
  TskSkinData** sender_;
};

void Store(TskCompressedStoredSkin& skin, const TskSkinContainer& c) {
  skin.CompressContainer(c);
}

class SkinDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sender_ = nullptr;
    // Created in the order b, owner, c: the owner is not first in the list.
    b_ = std::make_unique<RecordingForm>(&log_, &sender_);
    owner_ = std::make_unique<RecordingForm>(&log_, &sender_);
    c_ = std::make_unique<RecordingForm>(&log_, &sender_);
    data_ = std::make_unique<TskSkinData>(owner_.get());
    sender_ = data_.get();
    Store(skin_, testing::TestContainer());
  }
  void TearDown() override {
    data_.reset();
    c_.reset();
    owner_.reset();
    b_.reset();
  }

  std::vector<int> Messages() const {
    std::vector<int> m;
    for (const auto& r : log_) m.push_back(r.msg);
    return m;
  }

  std::vector<Received> log_;
  TskSkinData* sender_;
  std::unique_ptr<RecordingForm> b_, owner_, c_;
  std::unique_ptr<TskSkinData> data_;
  TskCompressedStoredSkin skin_;
};

TEST_F(SkinDataTest, LoadsPicturesDescriptionAndObjects) {
  data_->LoadStoredSkin(skin_);
  ASSERT_FALSE(data_->Empty());
  EXPECT_FALSE(data_->Changing());
  TskSkinContainer c = testing::TestContainer();
  EXPECT_EQ(data_->Picture().size(), c.Picture.size());
  EXPECT_EQ(data_->Picture().pixel(7, 3), c.Picture.pixel(7, 3));
  EXPECT_TRUE(data_->InActivePicture().isNull());
  EXPECT_EQ(data_->MaskPicture().pixel(4, 4), c.Mask.pixel(4, 4));
  ASSERT_EQ(data_->ActivePictures().size(), 2u);
  EXPECT_EQ(data_->ActivePicture(1)->size(), QSize(33, 21));
  EXPECT_EQ(data_->ActivePicture(-1), nullptr);
  EXPECT_EQ(data_->ActivePicture(2), nullptr);

  EXPECT_EQ(data_->SkinName(), "Test Skin");
  EXPECT_EQ(data_->AuthorURL(), "http://example.org/");
  EXPECT_EQ(data_->MaskName(), "mask.bmp");
  EXPECT_EQ(data_->ActivePictureNames().Items(), (std::vector<std::string>{"a0.bmp", "a1.bmp"}));
  EXPECT_EQ(data_->FormInfo().ButtonsRect, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(data_->SkinColors().cBtnFace, 0xFF00000Fu);  // missing section: system colours

  ASSERT_EQ(data_->ObjectCount(), 2);
  EXPECT_EQ(data_->ObjectIndexOf("caption"), 1);
  auto* close = test::FindSkinObject<TskDataSkinStdButton>(*data_, "closebutton");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->Command, cmClose);

  // The appmenu entry is skipped: positions follow the created objects.
  ASSERT_EQ(data_->ControlCount(), 2);
  EXPECT_EQ(data_->ControlIndexOf("button"), 0);
  EXPECT_EQ(data_->ControlIndexOf("groupbox"), 1);
  EXPECT_EQ(data_->ControlIndexOf("Button"), -1);  // case-sensitive
  EXPECT_EQ(data_->ControlIndexOf("appmenu"), -1);
  EXPECT_EQ(data_->Control(5), nullptr);
  auto* group = test::FindSkinControl<TskDataSkinPanelControl>(*data_, "groupbox");
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->CaptionRect, (TRect{2, 1, 56, 16}));
}

TEST_F(SkinDataTest, BroadcastServesTheOwnerOnceAndFirst) {
  data_->LoadStoredSkin(skin_);
  ASSERT_EQ(log_.size(), 9u);
  QWidget* order[] = {owner_.get(), b_.get(), c_.get()};
  int msgs[] = {WM_SKINDATA_CHANGING, WM_SKINDATA_LOADED, WM_SKINDATA_CHANGED};
  for (size_t i = 0; i < log_.size(); ++i) {
    EXPECT_EQ(log_[i].form, order[i % 3]) << i;
    EXPECT_EQ(log_[i].msg, msgs[i / 3]) << i;
    EXPECT_EQ(log_[i].wparam, reinterpret_cast<intptr_t>(data_.get()));
    EXPECT_EQ(log_[i].lparam, 1000);
  }
  // CHANGING: empty and changing; LOADED: filled, still changing; CHANGED: done.
  EXPECT_TRUE(log_[0].empty && log_[0].changing);
  EXPECT_TRUE(!log_[3].empty && log_[3].changing);
  EXPECT_TRUE(!log_[6].empty && !log_[6].changing);
}

TEST_F(SkinDataTest, OldObjectsLiveDuringChangingAndGoRightAfter) {
  data_->LoadStoredSkin(skin_);
  log_.clear();
  data_->LoadStoredSkin(skin_);
  EXPECT_EQ(log_[0].controls, 2);  // still there for the receivers
  EXPECT_TRUE(log_[0].empty);
}

TEST_F(SkinDataTest, EmptyStoredSkinSendsNothingAndKeepsTheSkin) {
  data_->LoadStoredSkin(skin_);
  log_.clear();
  TskCompressedStoredSkin empty;
  data_->SetCompressedStoredSkin(&empty);
  EXPECT_TRUE(log_.empty());
  EXPECT_FALSE(data_->Empty());
  EXPECT_EQ(data_->ControlCount(), 2);
}

TEST_F(SkinDataTest, NewerContainerLeavesTheSkinEmptyButCompletesTheChange) {
  TMemoryStream container;
  std::string four("\x04\0\0\0\1\1\1\0\0\0\0", 11);
  container.WriteString(four);
  TskCompressedStoredSkin newer;
  DeflateWholeStream(container, newer.CompressedStream());
  data_->LoadStoredSkin(skin_);
  log_.clear();
  data_->LoadStoredSkin(newer);
  EXPECT_TRUE(data_->Empty());
  EXPECT_FALSE(data_->Changing());
  EXPECT_EQ(data_->ControlCount(), 0);
  EXPECT_EQ(Messages().size(), 9u);
  EXPECT_EQ(Messages().back(), WM_SKINDATA_CHANGED);
}

TEST_F(SkinDataTest, ErrorsInTheMiddleClearTheSkinAndEndTheChange) {
  struct Row {
    std::function<void(TskCompressedStoredSkin&)> make;
    const char* what;
  } rows[] = {
      {[](TskCompressedStoredSkin& s) {
         // The first of two keys answers, so the malformed one is read.
         TskSkinContainer c = testing::TestContainer();
         for (int i = 0; i < c.Lines.Count(); ++i)
           if (c.Lines[i] == "[button]") c.Lines.Insert(i + 1, "skinrect=1,2,3");
         Store(s, c);
       },
       "malformed rectangle"},
      {[](TskCompressedStoredSkin& s) { s.CompressedStream().WriteString("\x78\xda not deflate"); },
       "corrupt block"},
      {[](TskCompressedStoredSkin& s) {
         TMemoryStream whole;
         WriteSkinContainer(whole, testing::TestContainer());
         TMemoryStream cut(std::string(whole.Data().substr(0, 300)));
         DeflateWholeStream(cut, s.CompressedStream());
       },
       "truncated container"},
      {[](TskCompressedStoredSkin& s) {
         // Cut inside the zlib trailer: everything inflates, the stream never ends.
         TskCompressedStoredSkin whole;
         Store(whole, testing::TestContainer());
         const std::string_view block = whole.CompressedStream().Data();
         s.CompressedStream().WriteString(block.substr(0, block.size() - 2));
       },
       "block that ends before its end of stream"},
  };
  for (const Row& r : rows) {
    data_->LoadStoredSkin(skin_);
    TskCompressedStoredSkin bad;
    r.make(bad);
    log_.clear();
    EXPECT_THROW(data_->LoadStoredSkin(bad), Exception) << r.what;
    EXPECT_TRUE(data_->Empty()) << r.what;
    EXPECT_FALSE(data_->Changing()) << r.what;
    EXPECT_EQ(data_->ControlCount(), 0) << r.what;
    EXPECT_EQ(data_->ObjectCount(), 0) << r.what;
    EXPECT_TRUE(data_->Picture().isNull()) << r.what;
    ASSERT_EQ(Messages().size(), 9u) << r.what;
    EXPECT_EQ(Messages()[3], WM_SKINDATA_LOADED) << r.what;
    EXPECT_EQ(Messages()[8], WM_SKINDATA_CHANGED) << r.what;
  }
}

TEST_F(SkinDataTest, SkinListIndexRules) {
  TskCompressedSkinList list;
  for (const char* name : {"one", "two", "three"}) {
    TskSkinContainer c = testing::TestContainer();
    for (int i = 0; i < c.Lines.Count(); ++i)
      if (c.Lines[i].rfind("skinname=", 0) == 0) c.Lines[i] = std::string("skinname=") + name;
    Store(list.Skins().Add().StoredSkin(), c);
  }
  data_->SetSkinList(&list);
  EXPECT_EQ(data_->SkinName(), "one");  // index 0 loaded with the list
  log_.clear();
  data_->SetSkinIndex(3);
  data_->SetSkinIndex(-1);
  EXPECT_EQ(data_->SkinIndex(), 0);
  EXPECT_TRUE(log_.empty());
  data_->SetSkinIndex(2);
  EXPECT_EQ(data_->SkinIndex(), 2);
  EXPECT_EQ(data_->SkinName(), "three");
  log_.clear();
  data_->SetSkinIndex(2);  // unchanged: nothing
  EXPECT_TRUE(log_.empty());
}

TEST_F(SkinDataTest, IndexWithoutListIsStoredAsGiven) {
  data_->SetSkinIndex(7);
  EXPECT_EQ(data_->SkinIndex(), 7);
  EXPECT_TRUE(log_.empty());
}

TEST_F(SkinDataTest, RemovalClearsReferences) {
  auto stored = std::make_unique<TskCompressedStoredSkin>();
  Store(*stored, testing::TestContainer());
  auto strings = std::make_unique<TskResourceStrData>();
  auto list = std::make_unique<TskCompressedSkinList>();
  data_->SetCompressedStoredSkin(stored.get());
  data_->SetResourceStrData(strings.get());
  data_->SetSkinList(list.get());
  stored.reset();
  strings.reset();
  list.reset();
  EXPECT_EQ(data_->CompressedStoredSkin(), nullptr);
  EXPECT_EQ(data_->ResourceStrData(), nullptr);
  EXPECT_EQ(data_->SkinList(), nullptr);
  EXPECT_FALSE(data_->Empty());  // the loaded skin stays
}

TEST_F(SkinDataTest, SettingStoredSkinLoadsOnlyOutsideTheDesigner) {
  data_->SetDesigning(true);
  data_->SetCompressedStoredSkin(&skin_);
  EXPECT_TRUE(data_->Empty());
  data_->SetDesigning(false);
  data_->SetCompressedStoredSkin(nullptr);
  data_->SetCompressedStoredSkin(&skin_);
  EXPECT_FALSE(data_->Empty());
}

TEST_F(SkinDataTest, PropertyBroadcasts) {
  data_->SetSkinnableForm(true);  // unchanged
  EXPECT_TRUE(log_.empty());
  data_->SetSkinnableForm(false);
  data_->BeginLoading();
  data_->SetSkinnableForm(true);  // while loading a description: no message
  data_->EndLoading();
  TskResourceStrData strings;
  data_->SetResourceStrData(&strings);
  EXPECT_EQ(Messages(),
            (std::vector<int>{WM_SKINDATA_SKINNABLE, WM_SKINDATA_SKINNABLE, WM_SKINDATA_SKINNABLE,
                              WM_SKINDATA_STRINGS, WM_SKINDATA_STRINGS, WM_SKINDATA_STRINGS}));
}

TEST_F(SkinDataTest, ClearSkinResetsColoursAndIndexes) {
  EXPECT_EQ(data_->SkinColors().cBtnFace, 0u);  // new component
  data_->LoadStoredSkin(skin_);
  data_->ClearSkin();
  EXPECT_TRUE(data_->Empty());
  EXPECT_EQ(data_->SkinColors().cBtnFace, 0xFF00000Fu);
  EXPECT_EQ(data_->PopupWindow().WindowPictureIndex, -1);
  EXPECT_EQ(data_->HintWindow().WindowPictureIndex, -1);
  EXPECT_TRUE(data_->ActivePictureNames().Empty());
  EXPECT_EQ(data_->MaskName(), "");
}

TEST_F(SkinDataTest, ReceiverClosingAFormDoesNotBreakTheBroadcast) {
  // A receiver that deletes the last form while handling the first message.
  class Closer : public QWidget {
   public:
    std::unique_ptr<RecordingForm>* victim;
    bool event(QEvent* e) override {
      if (AsMessage(e)) {
        victim->reset();
        return true;
      }
      return QWidget::event(e);
    }
  };
  Closer closer;
  closer.victim = &c_;
  RegisterForm(&closer);
  TskSkinData other(&closer);
  sender_ = &other;
  other.LoadStoredSkin(skin_);
  UnregisterForm(&closer);
  EXPECT_EQ(c_, nullptr);
  EXPECT_EQ(Messages().size(), 6u);  // b and the owner, three times each
}

TEST_F(SkinDataTest, HugePictureCountKeepsBoundedNames) {
  TskSkinContainer c = testing::TestContainer();
  for (int i = 0; i < c.Lines.Count(); ++i)
    if (c.Lines[i].rfind("activepicturescount=", 0) == 0)
      c.Lines[i] = "activepicturescount=2147483647";
  TskCompressedStoredSkin huge;
  Store(huge, c);
  data_->LoadStoredSkin(huge);
  EXPECT_EQ(data_->ActivePictureNames().Count(), kMaxActivePictureNames);
  EXPECT_EQ(data_->ActivePictureNames()[1], "a1.bmp");
  EXPECT_EQ(data_->ActivePictures().size(), 2u);  // the container decides the pictures
}

TEST(ResourceStrData, DefaultTable) {
  TskResourceStrData strings;
  const TStringList& lines = strings.ResStrings();
  ASSERT_EQ(lines.Count(), 130);
  EXPECT_EQ(lines[0], "MI_MINCAPTION=Mi&nimize");
  EXPECT_EQ(lines[17], "EDIT_SELECTALL=Select All");
  EXPECT_EQ(lines[18].substr(0, 12), "MSG_BTN_YES=");
  EXPECT_EQ(lines[129].substr(0, 14), "DBNAV_REFRESH=");
  std::set<std::string> keys;
  for (int i = 0; i < lines.Count(); ++i) {
    keys.insert(lines.Names(i));
    EXPECT_FALSE(lines.ValueFromIndex(i).empty()) << lines[i];
  }
  EXPECT_EQ(keys.size(), 130u);
  EXPECT_EQ(strings.CharSet(), 1);
}

TEST(ResourceStrData, LookUpIgnoresCase) {
  TskResourceStrData strings;
  EXPECT_EQ(strings.GetResString("mi_closecaption"), "&Close");
  EXPECT_EQ(strings.GetResString("NO_SUCH_KEY"), "");
  TStringList custom;
  custom.SetText("no equals line\r\nA=first=with equals\r\na=second\r\n");
  strings.SetResStrings(custom);
  EXPECT_EQ(strings.GetResString("A"), "first=with equals");
  EXPECT_EQ(strings.GetResString("no equals line"), "");
}

}  // namespace
}  // namespace lumora
