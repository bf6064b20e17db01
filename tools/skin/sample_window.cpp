// A small window assembled from a skin the way the skinned frame and
// controls assemble it: the frame strips cut to the mask, the caption
// buttons, two captioned group boxes with a scroll bar, an edit, a check
// box, buttons, a status bar and an open popup menu. It heads the preview
// sheet so that authors see the looks together.

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "base/exception.h"
#include "skin/data/skin_description.h"
#include "skin/draw/colour.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/nine_part.h"
#include "skin/draw/rect_routines.h"
#include "skin/draw/skin_font.h"
#include "skin_commands.h"

namespace lumora {

namespace {

const QImage* Picture(const TskSkinContainer& c, int index) {
  if (index < 0 || index >= static_cast<int>(c.ActivePictures.size())) return nullptr;
  return &c.ActivePictures[static_cast<size_t>(index)];
}

QImage Cut(const QImage& picture, const TRect& r) {
  return picture.copy(ToQRect(r));
}

// A look cut out with the colour of its bottom-left pixel transparent.
QImage Keyed(const QImage& picture, const TRect& r) {
  return StripFrameImage(Cut(picture, r), 1, 1);
}

void Text(QPainter& p, const QRect& r, const QString& text, const QFont& font, const QColor& colour,
          int flags = Qt::AlignLeft | Qt::AlignVCenter) {
  p.setFont(font);
  p.setPen(colour);
  p.drawText(r, flags | Qt::TextSingleLine, text);
}

template <typename T>
const T& Need(const SkinDescription& d, const char* name) {
  const T* c = dynamic_cast<const T*>(d.FindControl(name));
  if (c == nullptr) throw Exception(std::string("no [") + name + "] look for the sample window");
  return *c;
}

void ThreePartHorz(QPainter& p, const QImage& pic, const TskDataSkinCustomControl& c,
                   const TRect& look, int x, int y, int width) {
  QImage img;
  DrawThreePartHorz(pic, look, c.LTPoint.x, c.SkinRect.Width() - c.RTPoint.x, c.StretchEffect,
                    width, img);
  p.drawImage(x, y, img);
}

void GroupBox(QPainter& p, const QImage& pic, const TskDataSkinPanelControl& g,
              const TskDataSkinScrollBarControl& bar, const QRect& at, const QString& caption,
              const QStringList& lines, int thumbAt) {
  const TskNinePartSource s = NinePartSourceOf(g, g.SkinRect, g.ClientRect);
  const TskNinePartTarget t = NinePartTargetForSize(s, at.width(), at.height());
  QImage img;
  DrawNinePartImage(pic, s, t, NinePartStretchOf(g), true, img);
  p.drawImage(at.topLeft(), img);
  const int dw = at.width() - g.SkinRect.Width();
  const QRect cap = ToQRect(g.CaptionRect.Offset(at.left(), at.top())).adjusted(0, 0, dw, 0);
  Text(p, cap, caption, SkinFont(g.FontName, g.FontHeight, g.FontStyle), ToQColor(g.FontColor));
  const QRect client = ToQRect(t.client.Offset(at.left(), at.top()));
  // The vertical bar along the right of the client area, thumb included.
  const int bw = bar.SkinRect.Width();
  QImage track;
  DrawThreePartVert(pic, bar.SkinRect, bar.LTPoint.y, bar.SkinRect.Height() - bar.LBPoint.y,
                    bar.StretchEffect, client.height(), track);
  p.drawImage(client.right() + 1 - bw, client.top(), track);
  if (thumbAt >= 0) {
    QImage thumb;
    const int length = std::max(bar.ThumbMinPageSize, 40);
    DrawThreePartVert(pic, bar.ThumbRect, bar.ThumbOffset1, bar.ThumbOffset2,
                      bar.ThumbStretchEffect, length, thumb);
    const int ty = client.top() + bar.TrackArea.Top + thumbAt;
    p.drawImage(client.right() + 1 - bw, ty, thumb);
    if (!bar.GlyphRect.IsEmpty()) {
      const QImage glyph =
          bar.GlyphTransparent
              ? TransparentPiece(pic, bar.GlyphRect, ToQColor(bar.GlyphTransparentColor).rgb())
              : Keyed(pic, bar.GlyphRect);
      p.drawImage(client.right() + 1 - bw + (bw - glyph.width()) / 2,
                  ty + (length - glyph.height()) / 2, glyph);
    }
  }
  QFont body("Arial");
  body.setPixelSize(13);
  for (int i = 0; i < lines.size(); ++i)
    Text(p, QRect(client.left() + 6, client.top() + 5 + i * 19, client.width() - bw - 10, 19),
         lines[i], body, QColor(30, 34, 40));
}

}  // namespace

QImage DrawSampleWindow(const TskSkinContainer& c) {
  const SkinDescription d = ReadSkinDescription(c.Lines);
  const QImage& main = c.Picture;
  const QImage* controls = Picture(c, Need<TskDataSkinButtonControl>(d, "button").PictureIndex);
  if (main.isNull() || controls == nullptr) throw Exception("no pictures for the sample window");
  const TskFormInfo& f = d.FormInfo;
  const int W = 560, H = 372;
  QImage img(W, H, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);

  // Frame: four strips, the client tiled from the main picture, the mask.
  const TskNinePartSource fs{{0, 0, main.width(), main.height()},
                             f.LTPoint,
                             f.RTPoint,
                             f.LBPoint,
                             f.RBPoint,
                             f.ClientRect};
  const TskNinePartTarget ft = NinePartTargetForSize(fs, W, H);
  if (!c.Mask.isNull())
    if (auto region = RegionFromNinePartMask(c.Mask, fs, ft)) p.setClipRegion(*region);
  const TskFrameBorderImages strips = BuildFrameBorderImages(
      main, fs, ft, {f.LeftStretch, f.TopStretch, f.RightStretch, f.BottomStretch});
  const QRect client = ToQRect(ft.client);
  const QImage tile = Cut(main, f.ClientRect);
  p.setBrushOrigin(client.topLeft());
  p.fillRect(client, QBrush(tile));
  p.setBrushOrigin(0, 0);
  p.drawImage(0, 0, strips.top);
  p.drawImage(0, strips.top.height(), strips.left);
  p.drawImage(W - strips.right.width(), strips.top.height(), strips.right);
  p.drawImage(0, H - strips.bottom.height(), strips.bottom);

  const int dx = W - main.width();
  int x = f.ButtonsRect.Right + (f.ButtonsRect.Left > main.width() / 2 ? dx : 0);
  const char* buttons[] = {"closebutton", "maxbutton", "minbutton"};
  for (const char* name : buttons) {
    const auto* b = dynamic_cast<const TskDataSkinStdButton*>(d.FindObject(name));
    const QImage* own = b ? Picture(c, b->ActivePictureIndex) : nullptr;
    if (!own) continue;
    // The minimize button is shown under the mouse.
    const TRect& look = std::string(name) == "minbutton" ? b->ActiveSkinRect : b->SkinRect;
    x -= look.Width();
    p.drawImage(x, f.ButtonsRect.Top, Cut(*own, look));
  }
  int textLeft = f.CaptionRect.Left;
  if (const auto* sys = dynamic_cast<const TskDataSkinStdButton*>(d.FindObject("sysmenubutton")))
    if (const QImage* own = Picture(c, sys->ActivePictureIndex)) {
      const int y = f.CaptionRect.Top + (f.CaptionRect.Height() - sys->SkinRect.Height()) / 2;
      p.drawImage(f.CaptionRect.Left, y, Cut(*own, sys->SkinRect));
      textLeft = f.CaptionRect.Left + sys->SkinRect.Width();
    }
  if (const auto* cap = dynamic_cast<const TskDataSkinCaption*>(d.FindObject("caption")))
    Text(p,
         QRect(textLeft + cap->TextRect.Left, cap->SkinRect.Top + cap->TextRect.Top,
               x - textLeft - cap->TextRect.Left - 6, cap->TextRect.Height()),
         QString::fromUtf8("Lumora 伪原创 V1.0"),
         SkinFont(cap->FontName, cap->FontHeight, cap->FontStyle), ToQColor(cap->ActiveFontColor));
  p.setClipping(false);

  // Client: two group boxes, the option row and the status bar.
  const auto& group = Need<TskDataSkinPanelControl>(d, "groupbox");
  const auto& bar = Need<TskDataSkinScrollBarControl>(d, "vscrollbar");
  const auto& status = Need<TskDataSkinPanelControl>(d, "statusbar");
  const int cx = client.left(), cw = client.width();
  const int statusHeight = status.SkinRect.Height();
  const int rowHeight = 34;
  const int boxes = client.height() - statusHeight - rowHeight;
  GroupBox(p, *controls, group, bar, QRect(cx, client.top(), cw, boxes / 2),
           QString::fromUtf8("输入原文"),
           {QString::fromUtf8("机器翻译往返一次，文章便焕然一新。"),
            QString::fromUtf8("粘贴一篇中文文章，按下“伪原创”即可。")},
           -1);
  GroupBox(p, *controls, group, bar, QRect(cx, client.top() + boxes / 2, cw, boxes - boxes / 2),
           QString::fromUtf8("输出文章"),
           {QString::fromUtf8("本站讯：机器翻译的往返旅程，"),
            QString::fromUtf8("让文章以全新的面貌出现。<br>"), QString::fromUtf8("本站记者：XXX")},
           0);

  const int rowTop = client.top() + boxes;
  QFont label("Arial");
  label.setPixelSize(12);
  const auto& edit = Need<TskDataSkinEditControl>(d, "edit");
  const auto& check = Need<TskDataSkinCheckRadioControl>(d, "checkbox");
  const auto& button = Need<TskDataSkinButtonControl>(d, "button");
  const int eh = edit.SkinRect.Height(), ey = rowTop + (rowHeight - eh) / 2;
  Text(p, QRect(cx + 6, rowTop, 64, rowHeight), QString::fromUtf8("文章前缀："), label,
       QColor(60, 66, 78));
  ThreePartHorz(p, *controls, edit, edit.ActiveSkinRect, cx + 70, ey, 130);
  Text(p, QRect(cx + 70 + edit.ClientRect.Left + 2, ey, 120, eh), QString::fromUtf8("本站讯："),
       SkinFont(edit.FontName, 13, edit.FontStyle), ToQColor(edit.FontColor));
  const QImage mark = Keyed(*controls, check.CheckImageRect);
  const int chx = cx + 214;
  p.drawImage(chx, rowTop + (rowHeight - mark.height()) / 2, mark);
  Text(p, QRect(chx + mark.width() + 6, rowTop, 110, rowHeight), QString::fromUtf8("开启智能换行"),
       SkinFont(check.FontName, 13, check.FontStyle), ToQColor(check.FrameFontColor));
  const int bh = button.SkinRect.Height(), by = rowTop + (rowHeight - bh) / 2;
  const QFont bf = SkinFont(button.FontName, 13, button.FontStyle);
  const int b2 = cx + cw - 8 - 80, b1 = b2 - 8 - 80;
  ThreePartHorz(p, *controls, button, button.ActiveSkinRect, b1, by, 80);
  Text(p, QRect(b1, by, 80, bh), QString::fromUtf8("伪原创"), bf, ToQColor(button.ActiveFontColor),
       Qt::AlignCenter);
  ThreePartHorz(p, *controls, button, button.SkinRect, b2, by, 80);
  Text(p, QRect(b2, by, 80, bh), QString::fromUtf8("清空"), bf, ToQColor(button.FontColor),
       Qt::AlignCenter);

  const int sy = client.bottom() + 1 - statusHeight;
  ThreePartHorz(p, *controls, status, status.SkinRect, cx, sy, cw);
  Text(p, QRect(cx + 10, sy + 1, 300, statusHeight - 1), QString::fromUtf8("双向翻译完成"),
       SkinFont(status.FontName, 12, status.FontStyle), ToQColor(status.FontColor));

  // An open context menu over the output box.
  const auto* item = dynamic_cast<const TskDataSkinMenuItem*>(d.FindObject("menuitem"));
  const QImage* window = Picture(c, d.PopupWindow.WindowPictureIndex);
  const QImage* items = item ? Picture(c, item->ActivePictureIndex) : nullptr;
  if (item && window && items) {
    const TskDataSkinPopupWindow& pw = d.PopupWindow;
    const int ih = item->SkinRect.Height(), dh = item->DividerRect.Height();
    const int mw = 150, mh = 3 * ih + dh + window->height() - pw.ItemsRect.Height();
    const TskNinePartSource ms{{0, 0, window->width(), window->height()},
                               pw.LTPoint,
                               pw.RTPoint,
                               pw.LBPoint,
                               pw.RBPoint,
                               pw.ItemsRect};
    const TskNinePartTarget mt = NinePartTargetForSize(ms, mw, mh);
    QImage menu;
    DrawNinePartImage(*window, ms, mt,
                      {pw.LeftStretch, pw.TopStretch, pw.RightStretch, pw.BottomStretch,
                       pw.StretchEffect, pw.StretchType},
                      true, menu);
    const int mx = cx + 250, my = client.top() + boxes / 2 + 30;
    // A soft shadow under the menu, as the window system casts it.
    for (int i = 1; i <= 4; ++i) p.fillRect(QRect(mx + i, my + i + 1, mw, mh), QColor(0, 0, 0, 10));
    p.save();
    const QImage* mask = Picture(c, pw.MaskPictureIndex);
    if (mask)
      if (auto region = RegionFromNinePartMask(*mask, ms, mt))
        p.setClipRegion(region->translated(mx, my));
    p.drawImage(mx, my, menu);
    const QFont mf = SkinFont(item->FontName, 13, item->FontStyle);
    int iy = my + mt.client.Top;
    const int il = mx + mt.client.Left, iw = mt.client.Width();
    auto entry = [&](const QString& text, bool hot, bool enabled) {
      QImage look;
      DrawThreePartHorz(*items, hot ? item->ActiveSkinRect : item->SkinRect, item->ItemLeftOffset,
                        item->ItemRightOffset, item->StretchEffect, iw, look);
      p.drawImage(il, iy, look);
      const TColor colour = !enabled ? item->UnEnabledFontColor
                            : hot    ? item->ActiveFontColor
                                     : item->FontColor;
      Text(p, QRect(il + item->TextRect.Left, iy, iw - item->TextRect.Left, ih), text, mf,
           ToQColor(colour));
      iy += ih;
    };
    entry(QString::fromUtf8("全选"), true, true);
    entry(QString::fromUtf8("复制"), false, true);
    QImage divider;
    DrawThreePartHorz(*items, item->DividerRect, item->DividerLeftOffset, item->DividerRightOffset,
                      item->DividerStretchEffect, iw, divider);
    p.drawImage(il, iy, divider);
    iy += dh;
    entry(QString::fromUtf8("粘贴"), false, false);
    p.restore();
  }
  return img;
}

}  // namespace lumora
