#include "skin/data/skin_registry.h"

#include <algorithm>
#include <functional>

#include "base/text.h"
#include "skin/data/control_data_other.h"
#include "skin/data/skin_values.h"

namespace lumora {

namespace {

template <typename Base>
struct Kind {
  const char* type;
  std::function<std::unique_ptr<Base>(std::string)> make;
};

template <typename Base, typename T>
Kind<Base> Of(const char* type) {
  return {type, [](std::string name) { return std::make_unique<T>(std::move(name)); }};
}

const std::vector<Kind<TskDataSkinObject>>& ObjectKinds() {
  using B = TskDataSkinObject;
  static const std::vector<Kind<B>> kinds = {
      Of<B, TskDataSkinMenuItem>("menuitem"),
      Of<B, TskDataSkinMainMenuBarItem>("mainmenubaritem"),
      Of<B, TskDataSkinStdButton>("stdbutton"),
      Of<B, TskDataSkinMainMenuBarButton>("mainmenubarbutton"),
      Of<B, TskDataSkinButton>("button"),
      Of<B, TskDataSkinCaption>("caption"),
      Of<B, TskDataSkinAnimate>("animate"),
      Of<B, TskDataUserObject>("userobject"),
  };
  return kinds;
}

const std::vector<Kind<TskDataSkinControl>>& ControlKinds() {
  using B = TskDataSkinControl;
  static const std::vector<Kind<B>> kinds = {
      Of<B, TskDataSkinPanelControl>("panel"),
      Of<B, TskDataSkinExPanelControl>("expanel"),
      Of<B, TskDataSkinMenuButtonControl>("menubutton"),
      Of<B, TskDataSkinButtonControl>("button"),
      Of<B, TskDataSkinCheckRadioControl>("checkradio"),
      Of<B, TskDataSkinGaugeControl>("gauge"),
      Of<B, TskDataSkinSplitterControl>("splitter"),
      Of<B, TskDataSkinTrackBarControl>("trackbar"),
      Of<B, TskDataSkinLabelControl>("label"),
      Of<B, TskDataSkinStdLabelControl>("stdlabel"),
      Of<B, TskDataSkinUpDownControl>("updown"),
      Of<B, TskDataSkinGridControl>("grid"),
      Of<B, TskDataSkinTabControl>("tab"),
      Of<B, TskDataSkinMainMenuBar>("mainmenubar"),
      Of<B, TskDataSkinControlBar>("controlbar"),
      Of<B, TskDataSkinMemoControl>("memo"),
      Of<B, TskDataSkinEditControl>("edit"),
      Of<B, TskDataSkinCheckListBox>("checklistbox"),
      Of<B, TskDataSkinListBox>("listbox"),
      Of<B, TskDataSkinComboBox>("combobox"),
      Of<B, TskDataSkinScrollBarControl>("scrollbar"),
      Of<B, TskDataSkinSpinEditControl>("spinedit"),
      Of<B, TskDataSkinScrollBoxControl>("scrollbox"),
      Of<B, TskDataSkinTreeView>("treeview"),
      Of<B, TskDataSkinBevel>("bevel"),
      Of<B, TskDataSkinSlider>("slider"),
      Of<B, TskDataSkinListView>("listview"),
      Of<B, TskDataSkinRichEdit>("richedit"),
  };
  return kinds;
}

template <typename Base>
std::unique_ptr<Base> Create(const std::vector<Kind<Base>>& kinds, std::string_view type,
                             std::string name) {
  for (const auto& k : kinds)
    if (type == k.type) return k.make(std::move(name));
  return nullptr;
}

template <typename Base>
std::vector<std::string> Types(const std::vector<Kind<Base>>& kinds) {
  std::vector<std::string> out;
  for (const auto& k : kinds) out.emplace_back(k.type);
  return out;
}

template <typename Base>
std::string TypeOf(const std::vector<Kind<Base>>& kinds, std::string_view class_name) {
  for (const auto& k : kinds)
    if (k.make("")->ClassName() == class_name) return k.type;
  return {};
}

template <typename Base>
std::vector<std::unique_ptr<Base>> ReadList(const TskIniFile& ini, const char* section,
                                            const std::vector<Kind<Base>>& kinds) {
  std::vector<std::unique_ptr<Base>> list;
  for (const TskRegistryEntry& e : ReadRegistry(ini, section)) {
    auto object = Create(kinds, e.Type, e.Name);
    if (!object) continue;
    object->ReadData(ini);
    list.push_back(std::move(object));
  }
  return list;
}

template <typename Base>
void WriteList(TskIniFile& ini, const char* section, const std::vector<Kind<Base>>& kinds,
               const std::vector<std::unique_ptr<Base>>& list) {
  ini.EraseSection(section);
  ini.WriteString(section, "count", std::to_string(list.size()));
  for (size_t i = 0; i < list.size(); ++i) {
    ini.WriteString(section, std::to_string(i),
                    list[i]->IDName + ":" + TypeOf(kinds, list[i]->ClassName()));
    list[i]->WriteData(ini);
  }
}

}  // namespace

TskRegistryEntry SplitRegistryValue(std::string_view value) {
  size_t colon = value.find(':');
  if (colon == std::string_view::npos) return {};
  return {std::string(value.substr(0, colon)), std::string(value.substr(colon + 1))};
}

std::unique_ptr<TskDataSkinObject> CreateSkinObject(std::string_view type, std::string name) {
  return Create(ObjectKinds(), type, std::move(name));
}

std::unique_ptr<TskDataSkinControl> CreateSkinControl(std::string_view type, std::string name) {
  return Create(ControlKinds(), type, std::move(name));
}

const std::vector<std::string>& SkinObjectTypes() {
  static const std::vector<std::string> types = Types(ObjectKinds());
  return types;
}

const std::vector<std::string>& SkinControlTypes() {
  static const std::vector<std::string> types = Types(ControlKinds());
  return types;
}

std::string SkinObjectTypeOf(std::string_view class_name) {
  return TypeOf(ObjectKinds(), class_name);
}

std::string SkinControlTypeOf(std::string_view class_name) {
  return TypeOf(ControlKinds(), class_name);
}

std::vector<TskRegistryEntry> ReadRegistry(const TskIniFile& ini, std::string_view section) {
  const int32_t count = ReadSkinInteger(ini, section, "count", 0);
  // Entries "0".."count-1" that have no key yield nothing, so only the
  // numeric keys present are looked at, in index order.
  std::vector<int32_t> present;
  for (const std::string& key : ini.SectionKeys(section)) {
    auto n = ParseInt32(key);
    if (n && *n >= 0 && *n < count && std::to_string(*n) == key) present.push_back(*n);
  }
  std::sort(present.begin(), present.end());
  present.erase(std::unique(present.begin(), present.end()), present.end());
  std::vector<TskRegistryEntry> entries;
  for (int32_t i : present)
    entries.push_back(SplitRegistryValue(ini.ReadString(section, std::to_string(i), "")));
  return entries;
}

std::vector<std::unique_ptr<TskDataSkinObject>> ReadSkinObjects(const TskIniFile& ini) {
  return ReadList(ini, "SKINOBJECTS", ObjectKinds());
}

std::vector<std::unique_ptr<TskDataSkinControl>> ReadSkinControls(const TskIniFile& ini) {
  return ReadList(ini, "SKINCONTROLS", ControlKinds());
}

void WriteSkinObjects(TskIniFile& ini,
                      const std::vector<std::unique_ptr<TskDataSkinObject>>& list) {
  WriteList(ini, "SKINOBJECTS", ObjectKinds(), list);
}

void WriteSkinControls(TskIniFile& ini,
                       const std::vector<std::unique_ptr<TskDataSkinControl>>& list) {
  WriteList(ini, "SKINCONTROLS", ControlKinds(), list);
}

}  // namespace lumora
