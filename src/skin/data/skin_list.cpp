#include "skin/data/skin_list.h"

#include "base/text.h"

namespace lumora {

TskSkinListItem::TskSkinListItem(TskCompressedSkinList* list, int index)
    : list_(list), name_(Format("skSkin%d", index)) {}

void TskSkinListItem::SetFileName(const std::string& value) {
  if (list_ && list_->Designing() && !list_->Loading()) {
    skin_.BuildFromDescriptionFile(value);
    skin_.SetFileName(ExtractFileName(value));
  } else {
    skin_.SetFileName(value);
  }
}

void TskSkinListItem::SetCompressedFileName(const std::string& value) {
  if (list_ && list_->Designing() && !list_->Loading()) {
    skin_.ReadCompressedSkinFile(value);
    skin_.SetCompressedFileName(ExtractFileName(value));
  } else {
    skin_.SetCompressedFileName(value);
  }
}

std::string TskSkinListItem::SkinData() const {
  TMemoryStream m;
  skin_.WriteCompressedSkinStream(m);
  return m.TakeData();
}

void TskSkinListItem::SetSkinData(const std::string& bytes) {
  TMemoryStream m(bytes);
  skin_.ReadCompressedSkinStream(m);
}

void TskSkinListItem::Assign(const TskSkinListItem& other) {
  name_ = other.name_;
  skin_.SetDescription(other.skin_.Description());
  skin_.SetFileName(other.skin_.FileName());
  skin_.SetCompressedFileName(other.skin_.CompressedFileName());
  TMemoryStream& block = skin_.CompressedStream();
  block.Clear();
  block.WriteString(other.skin_.CompressedStream().Data());
  block.SetPosition(0);
}

TskSkinListItem& TskSkinListItems::Add() {
  items_.push_back(std::make_unique<TskSkinListItem>(list_, Count()));
  return *items_.back();
}

void TskSkinListItems::Delete(int i) {
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
}

void TskSkinListItems::Assign(const TskSkinListItems& other) {
  if (&other == this) return;
  items_.clear();
  for (int i = 0; i < other.Count(); ++i) Add().Assign(other.Items(i));
}

}  // namespace lumora
