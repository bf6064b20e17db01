#pragma once
// TskSkinData: the loaded skin that every skinned frame and control reads.
// It takes the skin out of a TskCompressedStoredSkin, reads the description
// into its data objects, answers look-ups by name and tells every form
// when the skin is about to change and when it has changed.
//
// Broadcasts (platform/messages.h) go synchronously to the owner form
// first, then to every other registered form in creation order, with this
// component in wParam and 1000 in lParam:
//   WM_SKINDATA_CHANGING  Empty and Changing already true; old objects alive
//   WM_SKINDATA_LOADED    new skin read (Empty false unless rejected)
//   WM_SKINDATA_CHANGED   Changing false again
//   WM_SKINDATA_STRINGS   ResourceStrData was set
//   WM_SKINDATA_SKINNABLE SkinnableForm changed

#include <QImage>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/string_list.h"
#include "platform/component.h"
#include "skin/data/control_data.h"
#include "skin/data/resource_strings.h"
#include "skin/data/skin_limits.h"
#include "skin/data/skin_list.h"
#include "skin/data/skin_objects.h"
#include "skin/data/skin_window_data.h"
#include "skin/data/stored_skin.h"

namespace lumora {

constexpr intptr_t kSkinMessageLParam = 1000;

class TskSkinData : public TComponent {
 public:
  explicit TskSkinData(QObject* owner = nullptr);
  ~TskSkinData() override;

  // Whether skinned frames using this component draw the skinned frame.
  bool SkinnableForm() const { return skinnable_form_; }
  void SetSkinnableForm(bool v);
  // Whether morphing and animations may run (only while a skin is loaded).
  bool EnableSkinEffects() const { return enable_skin_effects_; }
  void SetEnableSkinEffects(bool v) { enable_skin_effects_ = v; }
  bool SkinEffectsActive() const { return enable_skin_effects_ && !empty_; }

  // Setting a non-null stored skin outside a designer loads it at once.
  TskCompressedStoredSkin* CompressedStoredSkin() const { return stored_skin_; }
  void SetCompressedStoredSkin(TskCompressedStoredSkin* v);
  // Setting it (outside a designer) broadcasts WM_SKINDATA_STRINGS.
  TskResourceStrData* ResourceStrData() const { return res_str_data_; }
  void SetResourceStrData(TskResourceStrData* v);
  // Setting a list outside a designer loads item SkinIndex when it exists.
  TskCompressedSkinList* SkinList() const { return skin_list_; }
  void SetSkinList(TskCompressedSkinList* v);
  // With a list, only 0..count-1 is taken, and it loads that item.
  int SkinIndex() const { return skin_index_; }
  void SetSkinIndex(int v);

  // Replaces the loaded skin (nothing happens for an empty stored skin).
  // On any error the skin is cleared, the LOADED and CHANGED messages are
  // still sent, and the error is passed on: EDecompressionError for a
  // corrupt block, EStreamError for damaged contents, EConvertError for a
  // malformed point or rectangle.
  void LoadStoredSkin(const TskCompressedStoredSkin& skin);
  void ClearSkin();
  void FreeSkinObjects();
  // Positions by exact, case-sensitive IDName; -1 when absent.
  int ObjectIndexOf(std::string_view name) const;
  int ControlIndexOf(std::string_view name) const;
  void BroadcastSkinMessage(int msg);

  bool Empty() const { return empty_; }
  bool Changing() const { return changing_; }

  // Bitmaps; null images when absent.
  const QImage& Picture() const { return picture_; }
  const QImage& InActivePicture() const { return inactive_picture_; }
  const QImage& MaskPicture() const { return mask_; }
  const std::vector<QImage>& ActivePictures() const { return active_pictures_; }
  // Picture index n of the description; null for -1 or out of range.
  const QImage* ActivePicture(int index) const;

  const std::string& PictureName() const { return picture_name_; }
  const std::string& InActivePictureName() const { return inactive_picture_name_; }
  const std::string& MaskName() const { return mask_name_; }
  const TStringList& ActivePictureNames() const { return active_picture_names_; }

  const std::string& SkinName() const { return skin_name_; }
  const std::string& SkinAuthor() const { return skin_author_; }
  const std::string& AuthorEmail() const { return author_email_; }
  const std::string& AuthorURL() const { return author_url_; }
  const std::string& SkinComments() const { return skin_comments_; }

  const TskFormInfo& FormInfo() const { return form_info_; }
  const TskDataSkinPopupWindow& PopupWindow() const { return popup_window_; }
  const TskDataSkinHintWindow& HintWindow() const { return hint_window_; }
  const TskSkinColors& SkinColors() const { return skin_colors_; }

  int ObjectCount() const { return static_cast<int>(objects_.size()); }
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  // The object at a position from ObjectIndexOf / ControlIndexOf; null when
  // out of range.
  TskDataSkinObject* Object(int index) const;
  TskDataSkinControl* Control(int index) const;
  const std::vector<std::unique_ptr<TskDataSkinObject>>& Objects() const { return objects_; }
  const std::vector<std::unique_ptr<TskDataSkinControl>>& Controls() const { return controls_; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void ReadSkin(const TskCompressedStoredSkin& skin);
  void ReadDescription(const TStringList& lines);
  void LoadListItem();
  template <typename T>
  void Relink(T*& field, T* value);

  bool skinnable_form_ = true;
  bool enable_skin_effects_ = true;
  TskCompressedStoredSkin* stored_skin_ = nullptr;
  TskResourceStrData* res_str_data_ = nullptr;
  TskCompressedSkinList* skin_list_ = nullptr;
  int skin_index_ = 0;

  bool empty_ = true;
  bool changing_ = false;
  QImage picture_, inactive_picture_, mask_;
  std::vector<QImage> active_pictures_;
  std::string picture_name_, inactive_picture_name_, mask_name_;
  TStringList active_picture_names_;
  std::string skin_name_, skin_author_, author_email_, author_url_, skin_comments_;
  TskFormInfo form_info_;
  TskDataSkinPopupWindow popup_window_;
  TskDataSkinHintWindow hint_window_;
  TskSkinColors skin_colors_;
  std::vector<std::unique_ptr<TskDataSkinObject>> objects_;
  std::vector<std::unique_ptr<TskDataSkinControl>> controls_;
};

}  // namespace lumora
