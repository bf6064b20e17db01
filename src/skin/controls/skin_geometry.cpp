#include "skin/controls/skin_geometry.h"

#include "skin/data/skin_data.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/rect_routines.h"

namespace lumora {

TskSizingMode SizingModeOf(const TRect& skinRect, TPoint rt, TPoint lb, TPoint rb) {
  if (IsNullRect(skinRect)) return smNone;
  if (rb.x != 0 && rb.y != 0) return smNinePart;
  if (rt.x != 0 || rt.y != 0) return smHorizontal;
  if (lb.x != 0 || lb.y != 0) return smVertical;
  return smFixed;
}

TskControlFrame ReadControlFrame(const TskSkinData& skin, const TskDataSkinControl& data) {
  TskControlFrame f;
  const auto* custom = dynamic_cast<const TskDataSkinCustomControl*>(&data);
  if (custom == nullptr) return f;
  f.Picture = skin.ActivePicture(custom->PictureIndex);
  f.MaskPicture = skin.ActivePicture(custom->MaskPictureIndex);
  if (f.Picture != nullptr && f.Picture->isNull()) f.Picture = nullptr;
  if (f.MaskPicture != nullptr && f.MaskPicture->isNull()) f.MaskPicture = nullptr;
  f.SkinRect = custom->SkinRect;
  f.LTPoint = custom->LTPoint;
  f.RTPoint = custom->RTPoint;
  f.LBPoint = custom->LBPoint;
  f.RBPoint = custom->RBPoint;
  f.ClientRect = custom->ClientRect;
  f.LeftStretch = custom->LeftStretch;
  f.TopStretch = custom->TopStretch;
  f.RightStretch = custom->RightStretch;
  f.BottomStretch = custom->BottomStretch;
  f.StretchEffect = custom->StretchEffect;
  f.StretchType = custom->StretchType;
  f.SizingMode = SizingModeOf(f.SkinRect, f.RTPoint, f.LBPoint, f.RBPoint);
  f.NewLTPoint = f.LTPoint;
  f.NewRTPoint = f.RTPoint;
  f.NewLBPoint = f.LBPoint;
  f.NewRBPoint = f.RBPoint;
  f.NewClRect = f.ClientRect;
  return f;
}

void CalcSkinSize(TskControlFrame& f, int& width, int& height) {
  const int sw = RectWidth(f.SkinRect), sh = RectHeight(f.SkinRect);
  switch (f.SizingMode) {
    case smNone:
      return;
    case smFixed:
      width = sw;
      height = sh;
      f.NewClRect = f.ClientRect;
      return;
    default:
      break;
  }
  f.NewLTPoint = f.LTPoint;
  if (f.SizingMode == smHorizontal) height = sh;
  if (f.SizingMode == smVertical) width = sw;
  const int dw = width - sw, dh = height - sh;
  f.NewClRect = f.ClientRect;
  if (f.SizingMode != smVertical) {
    f.NewRTPoint = {f.RTPoint.x + dw, f.RTPoint.y};
    f.NewClRect.Right += dw;
  }
  if (f.SizingMode != smHorizontal) {
    f.NewLBPoint = {f.LBPoint.x, f.LBPoint.y + dh};
    f.NewClRect.Bottom += dh;
  }
  if (f.SizingMode == smNinePart) f.NewRBPoint = {f.RBPoint.x + dw, f.RBPoint.y + dh};
}

namespace {

bool Inside(const TRect& r, const TRect& zone) {
  return r.Left >= zone.Left && r.Top >= zone.Top && r.Right <= zone.Right &&
         r.Bottom <= zone.Bottom;
}

TRect MapNinePart(const TskControlFrame& f, const TRect& r, int dw, int dh) {
  const int sw = RectWidth(f.SkinRect), sh = RectHeight(f.SkinRect);
  const TRect lt{0, 0, f.LTPoint.x, f.LTPoint.y};
  const TRect lb{0, f.LBPoint.y, f.LBPoint.x, sh};
  const TRect rt{f.RTPoint.x, 0, sw, f.RTPoint.y};
  const TRect rb{f.RBPoint.x, f.RBPoint.y, sw, sh};
  if (Inside(r, lt)) return r;
  if (Inside(r, rt)) return r.Offset(dw, 0);
  if (Inside(r, lb)) return r.Offset(0, dh);
  if (Inside(r, rb)) return r.Offset(dw, dh);
  const TPoint a{r.Left, r.Top}, b{r.Right, r.Bottom};
  auto in = [](TPoint p, const TRect& z) { return PointInRectInclusive(p, z); };
  TRect out = r;
  if (in(a, lt) && in(b, rb)) {
    out.Right += dw;
    out.Bottom += dh;
  } else if (in(a, lt) && in(b, rt)) {
    out.Right += dw;
  } else if (in(a, lb) && in(b, rb)) {
    out.Right += dw;
    out = out.Offset(0, dh);
  } else if (in(a, lt) && in(b, lb)) {
    out.Bottom += dh;
  } else if (in(a, rt) && in(b, rb)) {
    out = out.Offset(dw, 0);
    out.Bottom += dh;
  }
  return out;
}

}  // namespace

TRect MapSkinRect(const TskControlFrame& f, const TRect& r, int width, int height) {
  const int dw = width - RectWidth(f.SkinRect), dh = height - RectHeight(f.SkinRect);
  switch (f.SizingMode) {
    case smNinePart:
      return MapNinePart(f, r, dw, dh);
    case smHorizontal:
      if (r.Left <= f.LTPoint.x && r.Right >= f.RTPoint.x)
        return {r.Left, r.Top, r.Right + dw, r.Bottom};
      if (r.Left >= f.RTPoint.x && r.Right > f.RTPoint.x) return r.Offset(dw, 0);
      return r;
    case smVertical:
      if (r.Top <= f.LTPoint.y && r.Bottom >= f.LBPoint.y)
        return {r.Left, r.Top, r.Right, r.Bottom + dh};
      if (r.Top >= f.LBPoint.y && r.Bottom > f.LBPoint.y) return r.Offset(0, dh);
      return r;
    default:
      return r;
  }
}

TskNinePartSource NinePartSource(const TskControlFrame& f) {
  return NinePartSourceOf(f, f.SkinRect, f.ClientRect);
}

TskNinePartTarget NinePartTarget(const TskControlFrame& f, int width, int height) {
  return {width, height, f.NewLTPoint, f.NewRTPoint, f.NewLBPoint, f.NewRBPoint, f.NewClRect};
}

QImage BuildFrameImage(const TskControlFrame& f, const TRect& look, int width, int height,
                       bool drawCentre) {
  if (f.Picture == nullptr || IsNullRect(look) || width < 1 || height < 1) return {};
  QImage out;
  const int sw = RectWidth(f.SkinRect), sh = RectHeight(f.SkinRect);
  switch (f.SizingMode) {
    case smFixed:
      return f.Picture->copy(ToQRect(look));
    case smNinePart: {
      TskNinePartSource source = NinePartSource(f);
      source.skinRect = look;
      DrawNinePartImage(*f.Picture, source, NinePartTarget(f, width, height), NinePartStretchOf(f),
                        drawCentre, out);
      return out;
    }
    case smHorizontal:
      DrawThreePartHorz(*f.Picture, look, f.LTPoint.x, sw - f.RTPoint.x, f.StretchEffect, width,
                        out);
      return out;
    case smVertical:
      DrawThreePartVert(*f.Picture, look, f.LTPoint.y, sh - f.LBPoint.y, f.StretchEffect, height,
                        out);
      return out;
    case smNone:
      break;
  }
  return {};
}

std::optional<QRegion> FrameRegion(const TskControlFrame& f, int width, int height) {
  if (f.MaskPicture == nullptr) return std::nullopt;
  switch (f.SizingMode) {
    case smFixed:
      return RegionFromMaskBitmap(*f.MaskPicture, 0, 0);
    case smNinePart:
    case smHorizontal:
    case smVertical:
      return RegionFromNinePartMask(*f.MaskPicture, NinePartSource(f),
                                    NinePartTarget(f, width, height));
    case smNone:
      break;
  }
  return std::nullopt;
}

QImage ClientTexture(const TskControlFrame& f) {
  if (f.Picture == nullptr || IsNullRect(f.ClientRect)) return {};
  const TRect r = f.ClientRect.Offset(f.SkinRect.Left, f.SkinRect.Top);
  return f.Picture->copy(ToQRect(r));
}

}  // namespace lumora
