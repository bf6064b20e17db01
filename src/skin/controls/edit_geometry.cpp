#include "skin/controls/edit_geometry.h"

namespace lumora {

TskEditRects ComputeEditRects(int width, int height, bool buttonMode, bool useSkinFont,
                              const TskEditSkinGeometry* skin) {
  TskEditRects r;
  if (skin == nullptr) {
    if (buttonMode) r.Button = {width - height, 0, width, height};
    const int right = buttonMode ? r.Button.Left : width;
    r.Text = {2, 2, right - 2, height - 2};
    return r;
  }
  const int dw = width - skin->SkinRect.Width();
  const int dh = useSkinFont ? 0 : height - skin->SkinRect.Height();
  r.Text = skin->ClientRect;
  r.Text.Right += dw;
  r.Text.Bottom += dh;
  if (buttonMode) {
    r.Button = skin->ButtonRect;
    if (r.Button.Left >= skin->SkinRect.Width() - skin->FixedRight)
      r.Button = r.Button.Offset(dw, 0);
    r.Button.Bottom += dh;
  }
  return r;
}

}  // namespace lumora
