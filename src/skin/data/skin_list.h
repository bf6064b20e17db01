#pragma once
// TskCompressedSkinList: a component holding several stored skins as a
// collection of TskSkinListItem, each with its own TskCompressedStoredSkin.
// An item's "Skin" byte-block property is the compressed skin file format.

#include <memory>
#include <string>
#include <vector>

#include "platform/component.h"
#include "skin/data/stored_skin.h"

namespace lumora {

class TskCompressedSkinList;

class TskSkinListItem {
 public:
  // index: the item's position in its collection at creation, which names
  // it "skSkin<index>". list: the component whose state the file-name
  // setters consult (may be null).
  TskSkinListItem(TskCompressedSkinList* list, int index);

  const std::string& Name() const { return name_; }
  void SetName(std::string v) { name_ = std::move(v); }
  const std::string& DisplayName() const { return name_; }
  const std::string& Description() const { return skin_.Description(); }
  void SetDescription(std::string v) { skin_.SetDescription(std::move(v)); }
  // As TskCompressedStoredSkin's setters, judged by the list's state.
  const std::string& FileName() const { return skin_.FileName(); }
  void SetFileName(const std::string& value);
  const std::string& CompressedFileName() const { return skin_.CompressedFileName(); }
  void SetCompressedFileName(const std::string& value);

  TskCompressedStoredSkin& StoredSkin() { return skin_; }
  const TskCompressedStoredSkin& StoredSkin() const { return skin_; }

  // The "Skin" property value (compressed skin file format).
  std::string SkinData() const;
  void SetSkinData(const std::string& bytes);

  void Assign(const TskSkinListItem& other);

 private:
  TskCompressedSkinList* list_;
  std::string name_;
  TskCompressedStoredSkin skin_;
};

class TskSkinListItems {
 public:
  explicit TskSkinListItems(TskCompressedSkinList* list) : list_(list) {}
  int Count() const { return static_cast<int>(items_.size()); }
  TskSkinListItem& Items(int i) { return *items_.at(static_cast<size_t>(i)); }
  const TskSkinListItem& Items(int i) const { return *items_.at(static_cast<size_t>(i)); }
  TskSkinListItem& Add();
  void Delete(int i);
  void Clear() { items_.clear(); }
  // Copies every item, its stored block included.
  void Assign(const TskSkinListItems& other);

 private:
  TskCompressedSkinList* list_;
  std::vector<std::unique_ptr<TskSkinListItem>> items_;
};

class TskCompressedSkinList : public TComponent {
 public:
  explicit TskCompressedSkinList(QObject* owner = nullptr) : TComponent(owner), skins_(this) {}
  TskSkinListItems& Skins() { return skins_; }
  const TskSkinListItems& Skins() const { return skins_; }
  void SetSkins(const TskSkinListItems& value) { skins_.Assign(value); }

 private:
  TskSkinListItems skins_;
};

}  // namespace lumora
