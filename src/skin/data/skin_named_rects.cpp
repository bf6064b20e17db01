#include "skin/data/skin_named_rects.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "skin/data/skin_keys.h"

namespace lumora {

namespace {

// Keys whose rectangles are measured from the top-left of "skinrect"
// rather than from the picture.
constexpr std::array<std::string_view, 13> kRelativeKeys = {
    "clientrect",    "captionrect",    "checkimagearea", "textarea", "trackarea",
    "upbuttonrect",  "downbuttonrect", "buttonrect",     "textrect", "imagerect",
    "frametextrect", "itemtextrect",   "progressarea"};

bool IsRelativeKey(std::string_view key) {
  return std::find(kRelativeKeys.begin(), kRelativeKeys.end(), key) != kRelativeKeys.end();
}

// Collects the rectangle keys of one data object; every other kind of key
// is passed over.
class RectCollector : public TskKeyVisitor {
 public:
  struct Entry {
    std::string key;
    TRect rect;
  };
  std::vector<Entry> rects;

  void Integer(const char*, int32_t&, int32_t) override {}
  void Color(const char*, TColor&, TColor) override {}
  void Boolean(const char*, bool&) override {}
  void Point(const char*, TPoint&) override {}
  void Rect(const char* key, TRect& v) override { rects.push_back({key, v}); }
  void Text(const char*, std::string&, const char*) override {}
  void FontStyle(const char*, TFontStyles&) override {}
  void StretchType(const char*, TskStretchType&) override {}
  void Alignment(const char*, TAlignment&) override {}
  void MorphKind(const char*, TskMorphKind&) override {}
  void InactiveEffect(const char*, TskInactiveEffect&) override {}
  void Command(const char*, TskFrameCommand&) override {}
};

std::vector<RectCollector::Entry> RectsOf(TskKeyedData& data) {
  RectCollector c;
  data.VisitKeys(c);
  return c.rects;
}

void AddRects(std::vector<SkinNamedRect>& out, int picture, TskKeyedData& data, bool relativeKeys,
              const TRect& skinRect) {
  for (const RectCollector::Entry& e : RectsOf(data)) {
    if (e.rect.IsEmpty()) continue;
    const bool relative = relativeKeys && IsRelativeKey(e.key);
    const TRect r = relative ? e.rect.Offset(skinRect.Left, skinRect.Top) : e.rect;
    out.push_back({picture, data.IDName, e.key, r, relative});
  }
}

}  // namespace

std::vector<SkinNamedRect> NamedRectangles(const SkinDescription& d) {
  std::vector<SkinNamedRect> out;
  // The form's rectangles are all in main-picture pixels.
  AddRects(out, kMainPictureId, const_cast<TskFormInfo&>(d.FormInfo), false, {});
  if (d.PopupWindow.WindowPictureIndex >= 0)
    AddRects(out, d.PopupWindow.WindowPictureIndex,
             const_cast<TskDataSkinPopupWindow&>(d.PopupWindow), false, {});
  if (d.HintWindow.WindowPictureIndex >= 0)
    AddRects(out, d.HintWindow.WindowPictureIndex, const_cast<TskDataSkinHintWindow&>(d.HintWindow),
             false, {});
  std::vector<TskDataSkinObject*> objects;
  for (const auto& o : d.Objects) objects.push_back(o.get());
  if (d.SpareRollUpButton) objects.push_back(d.SpareRollUpButton.get());
  for (TskDataSkinObject* o : objects) {
    int picture = kMainPictureId;
    // Menu items always cut their looks from their own picture.
    const bool ownPicture = o->SkinRectInAPicture || dynamic_cast<TskDataSkinMenuItem*>(o) ||
                            dynamic_cast<TskDataSkinMainMenuItem*>(o);
    if (ownPicture) {
      if (o->ActivePictureIndex < 0) continue;
      picture = o->ActivePictureIndex;
    }
    AddRects(out, picture, *o, true, o->SkinRect);
  }
  for (const auto& c : d.Controls) {
    if (c->PictureIndex < 0) continue;
    AddRects(out, c->PictureIndex, *c, true, c->SkinRect);
  }
  return out;
}

}  // namespace lumora
