#include "skin/data/skin_data.h"

#include <QPointer>
#include <algorithm>

#include "platform/form_list.h"
#include "platform/messages.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_container.h"
#include "skin/data/skin_description.h"

namespace lumora {

TskSkinData::TskSkinData(QObject* owner) : TComponent(owner) {}

TskSkinData::~TskSkinData() {
  empty_ = true;
}

template <typename T>
void TskSkinData::Relink(T*& field, T* value) {
  if (field == value) return;
  if (field) RemoveFreeNotification(field);
  field = value;
  if (field) FreeNotification(field);
}

void TskSkinData::SetSkinnableForm(bool v) {
  if (v == skinnable_form_) return;
  skinnable_form_ = v;
  if (!Designing() && !Loading()) BroadcastSkinMessage(WM_SKINDATA_SKINNABLE);
}

void TskSkinData::SetCompressedStoredSkin(TskCompressedStoredSkin* v) {
  Relink(stored_skin_, v);
  if (!Designing() && stored_skin_) LoadStoredSkin(*stored_skin_);
}

void TskSkinData::SetResourceStrData(TskResourceStrData* v) {
  Relink(res_str_data_, v);
  if (!Designing()) BroadcastSkinMessage(WM_SKINDATA_STRINGS);
}

void TskSkinData::SetSkinList(TskCompressedSkinList* v) {
  Relink(skin_list_, v);
  if (!Designing()) LoadListItem();
}

void TskSkinData::SetSkinIndex(int v) {
  if (v == skin_index_) return;
  if (skin_list_ == nullptr) {
    skin_index_ = v;
    return;
  }
  if (v < 0 || v >= skin_list_->Skins().Count()) return;
  skin_index_ = v;
  if (!Designing()) LoadListItem();
}

void TskSkinData::LoadListItem() {
  if (skin_list_ && skin_index_ >= 0 && skin_index_ < skin_list_->Skins().Count())
    LoadStoredSkin(skin_list_->Skins().Items(skin_index_).StoredSkin());
}

void TskSkinData::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == stored_skin_) stored_skin_ = nullptr;
  if (component == res_str_data_) res_str_data_ = nullptr;
  if (component == skin_list_) skin_list_ = nullptr;
}

void TskSkinData::LoadStoredSkin(const TskCompressedStoredSkin& skin) {
  if (skin.IsEmpty()) return;
  empty_ = true;
  changing_ = true;
  try {
    BroadcastSkinMessage(WM_SKINDATA_CHANGING);
    ClearSkin();
    ReadSkin(skin);
  } catch (...) {
    // Half-read objects must not survive, and the frames must not stay in
    // the changing state.
    ClearSkin();
    BroadcastSkinMessage(WM_SKINDATA_LOADED);
    changing_ = false;
    BroadcastSkinMessage(WM_SKINDATA_CHANGED);
    throw;
  }
  BroadcastSkinMessage(WM_SKINDATA_LOADED);
  changing_ = false;
  BroadcastSkinMessage(WM_SKINDATA_CHANGED);
}

void TskSkinData::ReadSkin(const TskCompressedStoredSkin& skin) {
  TskSkinContainer c;
  {
    TMemoryStream m;
    skin.DecompressTo(m);
    m.SetPosition(0);
    if (!ReadSkinContainer(m, c)) return;  // a newer container: stay empty
  }
  picture_ = std::move(c.Picture);
  inactive_picture_ = std::move(c.InactivePicture);
  mask_ = std::move(c.Mask);
  active_pictures_ = std::move(c.ActivePictures);
  ReadDescription(c.Lines);
  empty_ = false;
}

void TskSkinData::ReadDescription(const TStringList& lines) {
  SkinDescription d = ReadSkinDescription(TskIniFile(lines));
  skin_name_ = std::move(d.SkinName);
  skin_author_ = std::move(d.SkinAuthor);
  author_email_ = std::move(d.AuthorEmail);
  author_url_ = std::move(d.AuthorURL);
  skin_comments_ = std::move(d.SkinComments);
  picture_name_ = std::move(d.PictureName);
  inactive_picture_name_ = std::move(d.InactivePictureName);
  mask_name_ = std::move(d.MaskName);
  active_picture_names_.Clear();
  for (std::string& name : d.ActivePictureNames) active_picture_names_.Add(std::move(name));
  form_info_ = d.FormInfo;
  popup_window_ = d.PopupWindow;
  hint_window_ = d.HintWindow;
  skin_colors_ = d.Colors;
  objects_ = std::move(d.Objects);
  controls_ = std::move(d.Controls);
}

void TskSkinData::ClearSkin() {
  FreeSkinObjects();
  picture_ = QImage();
  inactive_picture_ = QImage();
  mask_ = QImage();
  picture_name_.clear();
  mask_name_.clear();
  empty_ = true;
}

void TskSkinData::FreeSkinObjects() {
  objects_.clear();
  controls_.clear();
  active_pictures_.clear();
  popup_window_.WindowPictureIndex = -1;
  hint_window_.WindowPictureIndex = -1;
  active_picture_names_.Clear();
  skin_colors_.ResetDefaults();
}

int TskSkinData::ObjectIndexOf(std::string_view name) const {
  for (size_t i = 0; i < objects_.size(); ++i)
    if (objects_[i]->IDName == name) return static_cast<int>(i);
  return -1;
}

int TskSkinData::ControlIndexOf(std::string_view name) const {
  for (size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i]->IDName == name) return static_cast<int>(i);
  return -1;
}

TskDataSkinObject* TskSkinData::Object(int index) const {
  return index >= 0 && index < ObjectCount() ? objects_[static_cast<size_t>(index)].get() : nullptr;
}

TskDataSkinControl* TskSkinData::Control(int index) const {
  return index >= 0 && index < ControlCount() ? controls_[static_cast<size_t>(index)].get()
                                              : nullptr;
}

const QImage* TskSkinData::ActivePicture(int index) const {
  return index >= 0 && index < static_cast<int>(active_pictures_.size())
             ? &active_pictures_[static_cast<size_t>(index)]
             : nullptr;
}

void TskSkinData::BroadcastSkinMessage(int msg) {
  const auto wparam = reinterpret_cast<intptr_t>(this);
  // A receiver may close forms while it handles the message; guarded
  // pointers skip those.
  QPointer<QObject> owner = IsForm(Owner()) ? Owner() : nullptr;
  std::vector<QPointer<QObject>> forms;
  for (QObject* f : Forms()) forms.emplace_back(f);
  if (owner) SendMessage(owner, msg, wparam, kSkinMessageLParam);
  for (const QPointer<QObject>& f : forms)
    if (f && f != owner) SendMessage(f, msg, wparam, kSkinMessageLParam);
}

}  // namespace lumora
