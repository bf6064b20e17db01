#pragma once
// The two registries of a skin description, [SKINOBJECTS] (frame objects)
// and [SKINCONTROLS] (control data): "count" and the keys "0".."count-1",
// each "name:type". The type picks the data class by exact, case-sensitive
// comparison; the name becomes IDName and names the section the object
// reads. Entries of unknown types are skipped.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/control_data.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_objects.h"

namespace lumora {

struct TskRegistryEntry {
  std::string Name;
  std::string Type;
};

// Splits at the first ":"; a value without one gives an empty name and type.
TskRegistryEntry SplitRegistryValue(std::string_view value);

// A new object of the type's class named name, or null for an unknown type.
std::unique_ptr<TskDataSkinObject> CreateSkinObject(std::string_view type, std::string name);
std::unique_ptr<TskDataSkinControl> CreateSkinControl(std::string_view type, std::string name);

// The registry types in the order they are tested.
const std::vector<std::string>& SkinObjectTypes();
const std::vector<std::string>& SkinControlTypes();
// The registry type of a data class name ("TskDataSkinPanelControl" ->
// "panel"), or empty.
std::string SkinObjectTypeOf(std::string_view class_name);
std::string SkinControlTypeOf(std::string_view class_name);

// The entries of a registry section in index order. Only keys that exist
// are visited, so a huge "count" costs nothing.
std::vector<TskRegistryEntry> ReadRegistry(const TskIniFile& ini, std::string_view section);

// Creates every object of [SKINOBJECTS] / [SKINCONTROLS] and lets each read
// its own section. Point and rectangle errors raise EConvertError.
std::vector<std::unique_ptr<TskDataSkinObject>> ReadSkinObjects(const TskIniFile& ini);
std::vector<std::unique_ptr<TskDataSkinControl>> ReadSkinControls(const TskIniFile& ini);

// Write operations: the registry section and every object's section.
void WriteSkinObjects(TskIniFile& ini, const std::vector<std::unique_ptr<TskDataSkinObject>>& list);
void WriteSkinControls(TskIniFile& ini,
                       const std::vector<std::unique_ptr<TskDataSkinControl>>& list);

}  // namespace lumora
