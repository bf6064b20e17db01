#pragma once
// A loaded skin's data objects looked up by section name, so tests do not
// depend on where an entry sits in the registry.

#include <stdexcept>
#include <string>
#include <string_view>

#include "skin/data/skin_data.h"

namespace lumora::test {

// The control section named name, cast to T; null when absent or of another class.
template <typename T = TskDataSkinControl>
const T* FindSkinControl(const TskSkinData& skin, std::string_view name) {
  return dynamic_cast<const T*>(skin.Control(skin.ControlIndexOf(name)));
}

// The object section named name, cast to T; null when absent or of another class.
template <typename T = TskDataSkinObject>
const T* FindSkinObject(const TskSkinData& skin, std::string_view name) {
  return dynamic_cast<const T*>(skin.Object(skin.ObjectIndexOf(name)));
}

// As above, for an entry the test cannot go on without.
template <typename T = TskDataSkinControl>
const T& SkinControl(const TskSkinData& skin, std::string_view name) {
  if (const T* c = FindSkinControl<T>(skin, name)) return *c;
  throw std::runtime_error("no skin control " + std::string(name));
}

template <typename T = TskDataSkinObject>
const T& SkinObject(const TskSkinData& skin, std::string_view name) {
  if (const T* o = FindSkinObject<T>(skin, name)) return *o;
  throw std::runtime_error("no skin object " + std::string(name));
}

}  // namespace lumora::test
