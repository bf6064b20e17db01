#include "app/main_window_classes.h"

#include <QAction>
#include <algorithm>
#include <map>

#include "app/error_box.h"
#include "app/main_window.h"
#include "platform/align.h"
#include "platform/form_reader.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_radio_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_font.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_rich_edit.h"
#include "skin/controls/skin_scroll_bar.h"
#include "skin/controls/skin_status_bar.h"
#include "skin/data/stored_skin.h"
#include "skin/draw/colour.h"
#include "skin/form/control_menus.h"

namespace lumora {

namespace {

using P = TDescriptionProperty;

[[noreturn]] void Unknown(const P& p) {
  throw EReadError("Window description, " + p.Where() + ": unknown value " + p.text);
}

// The stored names of an enumerated setting.
template <class E>
E Enum(const P& p, std::initializer_list<std::pair<const char*, E>> names) {
  for (const auto& [name, value] : names)
    if (p.Identifier() == name) return value;
  Unknown(p);
}

TColor Colour(const P& p) {
  return Enum<TColor>(p, {{"clBlack", 0x000000},
                          {"clBlue", 0xFF0000},
                          {"clWindowText", SystemColour(8)},
                          {"clBtnFace", SystemColour(scBtnFace)},
                          {"clBtnShadow", SystemColour(scBtnShadow)},
                          {"clBtnText", SystemColour(scBtnText)}});
}

TFontStyles FontStyles(const P& p) {
  TFontStyles styles = 0;
  for (const std::string& s : p.Set()) {
    if (s == "fsBold")
      styles |= fsBold;
    else if (s == "fsItalic")
      styles |= fsItalic;
    else if (s == "fsUnderline")
      styles |= fsUnderline;
    else if (s == "fsStrikeOut")
      styles |= fsStrikeOut;
    else
      throw EReadError("Window description, " + p.Where() + ": unknown font style " + s);
  }
  return styles;
}

// Font families a stored name stands for here; the Windows fonts are not
// installed, their look-alikes usually are.
QStringList Families(const std::string& name) {
  QStringList families{QString::fromStdString(name)};
  if (name == "宋体")
    families << "SimSun"
             << "WenQuanYi Zen Hei"
             << "Noto Sans CJK SC";
  return families;
}

// Name, Height, Style and Color of a font setting, on a TskFont.
template <class T>
void FontSettings(TComponentClassOf<T>& cls, const std::string& prefix,
                  std::function<TskFont(T&)> get, std::function<void(T&, const TskFont&)> set) {
  cls.Property(prefix + ".Name", [get, set](T& t, const P& p) {
    TskFont f = get(t);
    f.Name = p.String();
    set(t, f);
  });
  cls.Property(prefix + ".Height", [get, set](T& t, const P& p) {
    TskFont f = get(t);
    f.Height = p.Integer();
    set(t, f);
  });
  cls.Property(prefix + ".Style", [get, set](T& t, const P& p) {
    TskFont f = get(t);
    f.Style = FontStyles(p);
    set(t, f);
  });
  cls.Property(prefix + ".Color", [get, set](T& t, const P& p) {
    TskFont f = get(t);
    f.Color = Colour(p);
    set(t, f);
  });
}

// A widget's own font (Font.*): the platform font and text colour.
template <class T>
void WidgetFont(TComponentClassOf<T>& cls) {
  cls.Property("Font.Name", [](T& w, const P& p) {
    QFont f = w.font();
    f.setFamilies(Families(p.String()));
    w.setFont(f);
  });
  cls.Property("Font.Height", [](T& w, const P& p) {
    QFont f = w.font();
    f.setPixelSize(std::max(std::abs(p.Integer()), 1));
    w.setFont(f);
  });
}

// Settings every control of the window has.
template <class T>
void ControlSettings(TComponentClassOf<T>& cls, TFormReader& reader, TForm1Loading& loading) {
  // Each bound applies at once and is kept as stored.
  using Edit = void (*)(QRect&, int);
  const std::pair<const char*, Edit> bounds[] = {
      {"Left", [](QRect& r, int v) { r.moveLeft(v); }},
      {"Top", [](QRect& r, int v) { r.moveTop(v); }},
      {"Width", [](QRect& r, int v) { r.setWidth(v); }},
      {"Height", [](QRect& r, int v) { r.setHeight(v); }}};
  for (const auto& [name, edit] : bounds) {
    cls.Property(name, [&loading, edit = edit](T& w, const P& p) {
      QRect now = w.geometry();
      edit(now, p.Integer());
      w.setGeometry(now);
      edit(loading.stored_bounds[&w], p.Integer());
    });
  }
  cls.Property("Align", [](T& w, const P& p) {
    SetAlign(&w, Enum<TAlign>(p, {{"alNone", alNone},
                                  {"alTop", alTop},
                                  {"alBottom", alBottom},
                                  {"alLeft", alLeft},
                                  {"alRight", alRight},
                                  {"alClient", alClient}}));
  });
  cls.Property("Enabled", [](T& w, const P& p) { w.setEnabled(p.Boolean()); });
  cls.Property("TabOrder",
               [&loading](T& w, const P& p) { loading.tab_order.emplace_back(p.Integer(), &w); });
  cls.Property("Cursor", [](T& w, const P& p) {
    w.setCursor(Enum<Qt::CursorShape>(
        p, {{"crDefault", Qt::ArrowCursor}, {"crHandPoint", Qt::PointingHandCursor}}));
  });
  cls.Property("SkinDataName", [](T& w, const P& p) { w.SetSkinDataName(p.String()); });
  cls.Property("SkinData", [&reader](T& w, const P& p) {
    reader.Reference<TskSkinData>(p, [control = &w](TskSkinData* d) { control->SetSkinData(d); });
  });
  if constexpr (requires(T & t) { t.SetCaption(QString()); }) {
    cls.Property("Caption",
                 [](T& w, const P& p) { w.SetCaption(QString::fromStdString(p.String())); });
  }
  if constexpr (requires(T & t) {
                  t.DefaultFont();
                  t.SetDefaultFont(TskFont());
                }) {
    FontSettings<T>(
        cls, "DefaultFont", [](T& w) { return w.DefaultFont(); },
        [](T& w, const TskFont& f) { w.SetDefaultFont(f); });
  }
}

template <class T>
T* Named(T* widget, const TDescriptionNode& node) {
  widget->setObjectName(QString::fromStdString(node.name));
  return widget;
}

// A control class: made on the widget of its parent in the description.
template <class T>
TComponentClassOf<T>& Control(TFormReader& reader, TForm1Loading& loading, const char* name) {
  auto& cls =
      reader.RegisterClass<T>(name, [](const TReadObject& parent, const TDescriptionNode& node) {
        if (parent.widget == nullptr)
          throw EReadError("Window description, line " + std::to_string(node.line) + ": " +
                           node.name + " needs a control to sit on");
        return Named(new T(parent.widget), node);
      });
  ControlSettings(cls, reader, loading);
  return cls;
}

template <class T>
void PanelSettings(TComponentClassOf<T>& cls) {
  cls.Property("BorderStyle", [](T& w, const P& p) {
    w.SetBorderStyle(Enum<TskSkinBorderStyle>(p, {{"bvFrame", bvFrame},
                                                  {"bvRaised", bvRaised},
                                                  {"bvLowered", bvLowered},
                                                  {"bvNone", bvNone}}));
  });
  cls.Property("CaptionMode", [](T& w, const P& p) { w.SetCaptionMode(p.Boolean()); });
  cls.Property("DefaultCaptionHeight",
               [](T& w, const P& p) { w.SetDefaultCaptionHeight(p.Integer()); });
}

void RegisterControls(TFormReader& reader, TForm1Loading& loading) {
  PanelSettings(Control<TskSkinPanel>(reader, loading, "TskSkinPanel"));
  PanelSettings(Control<TskSkinGroupBox>(reader, loading, "TskSkinGroupBox"));
  auto& status = Control<TskSkinStatusBar>(reader, loading, "TskSkinStatusBar");
  PanelSettings(status);
  status.Property("SizeGrip", [](TskSkinStatusBar& w, const P& p) { w.SetSizeGrip(p.Boolean()); });

  auto& rich = Control<TskSkinRichEdit>(reader, loading, "TskSkinRichEdit");
  WidgetFont(rich);
  rich.Property("SkinSupport",
                [](TskSkinRichEdit& w, const P& p) { w.SetSkinSupport(p.Boolean()); });
  // Without tabs of its own, Tab moves the focus on.
  rich.Property("WantTabs",
                [](TskSkinRichEdit& w, const P& p) { w.setTabChangesFocus(!p.Boolean()); });
  rich.Property("VScrollBar", [&reader](TskSkinRichEdit& w, const P& p) {
    reader.Reference<TskSkinScrollBar>(
        p, [edit = &w](TskSkinScrollBar* bar) { edit->SetVScrollBar(bar); });
  });
  rich.Property("PopupMenu", [&reader](TskSkinRichEdit& w, const P& p) {
    reader.Reference<TskSkinPopupMenu>(p, [edit = &w](TskSkinPopupMenu* menu) {
      // The box's own menu, skinned, opens at the pointer.
      edit->setContextMenuPolicy(Qt::CustomContextMenu);
      QObject::connect(edit, &QWidget::customContextMenuRequested, edit,
                       [edit, menu](const QPoint& at) {
                         const QPoint global = edit->mapToGlobal(at);
                         menu->PopupFromControl(edit, global.x(), global.y());
                       });
    });
  });

  using B = TskSkinScrollBar;
  auto& bar = Control<B>(reader, loading, "TskSkinScrollBar");
  bar.Property("Kind", [](B& w, const P& p) {
    w.SetKind(
        Enum<TScrollBarKind>(p, {{"sbHorizontal", sbHorizontal}, {"sbVertical", sbVertical}}));
  });
  bar.Property("Min", [](B& w, const P& p) { w.SetMin(p.Integer()); });
  bar.Property("Max", [](B& w, const P& p) { w.SetMax(p.Integer()); });
  bar.Property("PageSize", [](B& w, const P& p) { w.SetPageSize(p.Integer()); });
  bar.Property("Position", [](B& w, const P& p) { w.SetPosition(p.Integer()); });
  bar.Property("SmallChange", [](B& w, const P& p) { w.SetSmallChange(p.Integer()); });
  bar.Property("LargeChange", [](B& w, const P& p) { w.SetLargeChange(p.Integer()); });
  bar.Property("CanFocused", [](B& w, const P& p) { w.SetCanFocused(p.Boolean()); });
  bar.Property("Both", [](B& w, const P& p) { w.SetBoth(p.Boolean()); });
  bar.Property("BothMarkerWidth", [](B& w, const P& p) { w.SetBothMarkerWidth(p.Integer()); });
  bar.Property("BothSkinDataName", [](B& w, const P& p) { w.SetBothSkinDataName(p.String()); });

  Control<TskSkinStdLabel>(reader, loading, "TskSkinStdLabel");
  auto& link = Control<TskSkinLinkLabel>(reader, loading, "TskSkinLinkLabel");
  link.Property("URL", [](TskSkinLinkLabel& w, const P& p) { w.SetURL(p.String()); });
  link.Property("UseUnderLine",
                [](TskSkinLinkLabel& w, const P& p) { w.SetUseUnderLine(p.Boolean()); });
  link.Property("DefaultActiveFontColor",
                [](TskSkinLinkLabel& w, const P& p) { w.SetDefaultActiveFontColor(Colour(p)); });

  auto& edit = Control<TskSkinEdit>(reader, loading, "TskSkinEdit");
  edit.Property("Text",
                [](TskSkinEdit& w, const P& p) { w.setText(QString::fromStdString(p.String())); });

  using C = TskSkinCheckRadioBox;
  auto& check = Control<C>(reader, loading, "TskSkinCheckRadioBox");
  check.Property("Radio", [](C& w, const P& p) { w.SetRadio(p.Boolean()); });
  check.Property("State", [](C& w, const P& p) {
    w.SetState(Enum<TCheckBoxState>(
        p, {{"cbUnchecked", cbUnchecked}, {"cbChecked", cbChecked}, {"cbGrayed", cbGrayed}}));
  });
  check.Property("Flat", [](C& w, const P& p) { w.SetFlat(p.Boolean()); });
  check.Property("TabStop", [](C& w, const P& p) { w.SetTabStop(p.Boolean()); });

  auto& button = Control<TskSkinButton>(reader, loading, "TskSkinButton");
  button.Property("UseSkinSize",
                  [](TskSkinButton& w, const P& p) { w.SetUseSkinSize(p.Boolean()); });
  button.Property("RepeatMode", [](TskSkinButton& w, const P& p) { w.SetRepeatMode(p.Boolean()); });
  button.Property("RepeatInterval",
                  [](TskSkinButton& w, const P& p) { w.SetRepeatInterval(p.Integer()); });
  button.Property("OnClick", [&reader](TskSkinButton& w, const P& p) {
    w.OnClick = [handler = reader.Method(p)] { RunCommand(handler); };
  });
}

void RegisterForm(TFormReader& reader, TForm1& form) {
  auto& cls = reader.RegisterClass<TForm1>("TForm1", nullptr);
  cls.Children([](TForm1& f) { return f.ClientArea(); });
  cls.Property("Caption",
               [](TForm1& f, const P& p) { f.setWindowTitle(QString::fromStdString(p.String())); });
  cls.Property("ClientWidth", [](TForm1& f, const P& p) {
    f.SetStoredClientSize(p.Integer(), f.StoredClientHeight());
  });
  cls.Property("ClientHeight", [](TForm1& f, const P& p) {
    f.SetStoredClientSize(f.StoredClientWidth(), p.Integer());
  });
  cls.Property("Position", [](TForm1& f, const P& p) {
    f.SetCentred(Enum<bool>(
        p, {{"poDesigned", false}, {"poDesktopCenter", true}, {"poScreenCenter", true}}));
  });
  // The window's own frame buttons: the skinned frame draws its own.
  cls.Property("BorderIcons", [](TForm1&, const P& p) {
    if (!p.Set().empty())
      throw EReadError("Window description, " + p.Where() +
                       ": the window's own frame buttons stay off under the skinned frame");
  });
  WidgetFont(cls);
  cls.Property("Color", [](TForm1& f, const P& p) {
    QPalette pal = f.palette();
    pal.setColor(QPalette::Window, ToQColor(Colour(p)));
    f.setPalette(pal);
  });
  cls.Property("PixelsPerInch", [](TForm1&, const P& p) {
    // The bounds are stored for 96 pixels per inch; Qt scales by the
    // device pixel ratio on its own.
    if (p.Integer() != 96)
      throw EReadError("Window description, " + p.Where() + ": only 96 is supported");
  });
  cls.Property("OnCreate", [&reader](TForm1&, const P& p) { reader.Method(p); });
  (void)form;
}

void RegisterComponents(TFormReader& reader, TForm1& form) {
  using F = TskSkinForm;
  auto& frame = reader.RegisterClass<F>(
      "TskSkinForm", [&form](const TReadObject&, const TDescriptionNode& node) {
        auto* f = form.Own(std::make_unique<F>(&form));
        f->SetName(node.name);
        f->SetClientWidget(form.ClientArea());
        f->SetClientSize(form.StoredClientWidth(), form.StoredClientHeight());
        return f;
      });
  frame.Property("SkinData", [&reader](F& f, const P& p) {
    reader.Reference<TskSkinData>(p, [frame = &f](TskSkinData* d) { frame->SetSkinData(d); });
  });
  frame.Property("BorderIcons", [](F& f, const P& p) {
    TskBorderIcons icons = 0;
    for (const std::string& s : p.Set()) {
      if (s == "biSystemMenu")
        icons |= biSystemMenu;
      else if (s == "biMinimize")
        icons |= biMinimize;
      else if (s == "biMaximize")
        icons |= biMaximize;
      else if (s == "biRollUp")
        icons |= biRollUp;
      else if (s == "biMinimizeToTray")
        icons |= biMinimizeToTray;
      else
        throw EReadError("Window description, " + p.Where() + ": unknown frame button " + s);
    }
    f.SetBorderIcons(icons);
  });
  frame.Property("ShowIcon", [](F& f, const P& p) { f.SetShowIcon(p.Boolean()); });
  frame.Property("AlwaysShowInTray", [](F& f, const P& p) { f.AlwaysShowInTray = p.Boolean(); });
  frame.Property("AlphaBlend", [](F& f, const P& p) { f.SetAlphaBlend(p.Boolean()); });
  frame.Property("AlphaBlendValue", [](F& f, const P& p) { f.SetAlphaBlendValue(p.Integer()); });
  frame.Property("UseDefaultSysMenu", [](F& f, const P& p) { f.UseDefaultSysMenu = p.Boolean(); });
  frame.Property("UseSkinFontInMenu", [](F& f, const P& p) { f.UseSkinFontInMenu = p.Boolean(); });
  frame.Property("DefMenuItemHeight",
                 [](F& f, const P& p) { f.SetDefMenuItemHeight(p.Integer()); });
  frame.Property("Magnetic", [](F& f, const P& p) { f.Magnetic = p.Boolean(); });
  frame.Property("MagneticSize", [](F& f, const P& p) { f.MagneticSize = p.Integer(); });
  frame.Property("MinWidth", [](F& f, const P& p) { f.MinWidth = p.Integer(); });
  frame.Property("MinHeight", [](F& f, const P& p) { f.MinHeight = p.Integer(); });
  frame.Property("MaxWidth", [](F& f, const P& p) { f.MaxWidth = p.Integer(); });
  frame.Property("MaxHeight", [](F& f, const P& p) { f.MaxHeight = p.Integer(); });
  // The caption fonts keep a TskFont's parts in a QFont and a colour.
  for (bool active : {true, false}) {
    auto font = [active](F& f) -> QFont& {
      return active ? f.DefCaptionFont : f.DefInActiveCaptionFont;
    };
    auto colour = [active](F& f) -> QColor& {
      return active ? f.DefCaptionColour : f.DefInActiveCaptionColour;
    };
    const std::string prefix = active ? "DefCaptionFont" : "DefInActiveCaptionFont";
    frame.Property(prefix + ".Name", [font](F& f, const P& p) {
      font(f).setFamily(QString::fromStdString(p.String()));
    });
    frame.Property(prefix + ".Height", [font](F& f, const P& p) {
      font(f).setPixelSize(std::max(std::abs(p.Integer()), 1));
    });
    frame.Property(prefix + ".Style", [font](F& f, const P& p) {
      TFontStyles s = FontStyles(p);
      font(f).setBold((s & fsBold) != 0);
      font(f).setItalic((s & fsItalic) != 0);
      font(f).setUnderline((s & fsUnderline) != 0);
      font(f).setStrikeOut((s & fsStrikeOut) != 0);
    });
    frame.Property(prefix + ".Color",
                   [colour](F& f, const P& p) { colour(f) = ToQColor(Colour(p)); });
  }

  using D = TskSkinData;
  auto& data = reader.RegisterClass<D>("TskSkinData",
                                       [&form](const TReadObject&, const TDescriptionNode& node) {
                                         auto* d = form.Own(std::make_unique<D>(&form));
                                         d->SetName(node.name);
                                         return d;
                                       });
  data.Property("SkinnableForm", [](D& d, const P& p) { d.SetSkinnableForm(p.Boolean()); });
  data.Property("EnableSkinEffects", [](D& d, const P& p) { d.SetEnableSkinEffects(p.Boolean()); });
  data.Property("SkinIndex", [](D& d, const P& p) { d.SetSkinIndex(p.Integer()); });
  // Setting it is what loads the skin.
  data.Property("CompressedStoredSkin", [&reader](D& d, const P& p) {
    reader.Reference<TskCompressedStoredSkin>(
        p, [skin = &d](TskCompressedStoredSkin* s) { skin->SetCompressedStoredSkin(s); });
  });

  using S = TskCompressedStoredSkin;
  auto& stored = reader.RegisterClass<S>("TskCompressedStoredSkin",
                                         [&form](const TReadObject&, const TDescriptionNode& node) {
                                           auto* s = form.Own(std::make_unique<S>(&form));
                                           s->SetName(node.name);
                                           return s;
                                         });
  stored.Property("FileName", [](S& s, const P& p) { s.SetFileName(p.String()); });
  stored.Property("CompressedStream", [&reader](S& s, const P& p) {
    s.CompressedStream().WriteString(reader.Data(p));
  });

  // The window's own client; the rewriter holds it from the start.
  reader.RegisterClass<TNetHTTP>("TNetHTTP", [&form](const TReadObject&, const TDescriptionNode&) {
    return &form.NetHTTP1();
  });

  using M = TskSkinPopupMenu;
  reader.RegisterClass<M>("TskSkinPopupMenu",
                          [&form](const TReadObject&, const TDescriptionNode& node) {
                            auto* m = form.Own(std::make_unique<M>(&form));
                            m->SetName(node.name);
                            m->Items()->setObjectName(QString::fromStdString(node.name));
                            return m;
                          });
  auto& item = reader.RegisterClass<QAction>(
      "TMenuItem", [](const TReadObject& parent, const TDescriptionNode& node) {
        M* const* menu = std::any_cast<M*>(&parent.object);
        if (menu == nullptr)
          throw EReadError("Window description, line " + std::to_string(node.line) + ": " +
                           node.name + " must be an item of a menu");
        QAction* action = (*menu)->Items()->addAction(QString());
        action->setObjectName(QString::fromStdString(node.name));
        return action;
      });
  item.Property("Caption", [](QAction& a, const P& p) {
    a.setText(QString::fromStdString(p.String()));
    a.setSeparator(p.String() == "-");
  });
  item.Property("OnClick", [&reader](QAction& a, const P& p) {
    QObject::connect(&a, &QAction::triggered, &a,
                     [handler = reader.Method(p)] { RunCommand(handler); });
  });
}

}  // namespace

void RegisterForm1Classes(TFormReader& reader, TForm1& form, TForm1Loading& loading) {
  RegisterForm(reader, form);
  RegisterControls(reader, loading);
  RegisterComponents(reader, form);
}

void ApplyTabOrder(std::vector<std::pair<int, QWidget*>> order) {
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

}  // namespace lumora
