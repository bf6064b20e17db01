#include "platform/form_reader.h"

namespace lumora {

namespace {

[[noreturn]] void Fail(int line, const std::string& what) {
  throw EReadError("Window description, line " + std::to_string(line) + ": " + what);
}

}  // namespace

const TComponentClass* TFormReader::FindClass(const TDescriptionNode& node) const {
  auto it = classes_.find(node.class_name);
  if (it == classes_.end()) Fail(node.line, "unknown class " + node.class_name);
  return it->second.get();
}

void TFormReader::ReadTree(const TDescriptionNode& node, const TReadObject& self) {
  entries_[node.name] = {node.class_name, self};
  order_.push_back(node.name);
  const TComponentClass* cls = FindClass(node);
  for (const TDescriptionProperty& p : node.properties) cls->SetProperty(self, p, *this);
  ReadChildren(node, self);
}

void TFormReader::ReadChildren(const TDescriptionNode& node, const TReadObject& self) {
  for (const TDescriptionNode& child : node.children) {
    if (entries_.count(child.name) != 0) Fail(child.line, "a second object named " + child.name);
    const TComponentClass* cls = FindClass(child);
    TReadObject made = cls->Create(self, child, *this);
    entries_[child.name] = {child.class_name, made};
    order_.push_back(child.name);
    for (const TDescriptionProperty& p : child.properties) cls->SetProperty(made, p, *this);
    ReadChildren(child, made);
  }
}

void TFormReader::Resolve() {
  for (size_t i = 0; i < fixups_.size(); ++i) {
    const Fixup& fixup = fixups_[i];
    const std::string& target = fixup.property.Identifier();
    auto it = entries_.find(target);
    if (it == entries_.end())
      throw EReadError("Window description, " + fixup.property.Where() + ": there is no " + target +
                       " on the window");
    fixup.apply(it->second);
  }
  fixups_.clear();
}

void TFormReader::AddMethod(const std::string& name, std::function<void()> method) {
  methods_[name] = std::move(method);
}

const std::function<void()>& TFormReader::Method(const TDescriptionProperty& property) const {
  auto it = methods_.find(property.Identifier());
  if (it == methods_.end())
    throw EReadError("Window description, " + property.Where() + ": the window has no method " +
                     property.text);
  return it->second;
}

void TFormReader::AddData(const std::string& name, std::string_view data) {
  data_[name] = data;
}

std::string_view TFormReader::Data(const TDescriptionProperty& property) const {
  auto it = data_.find(property.DataName());
  if (it == data_.end())
    throw EReadError("Window description, " + property.Where() + ": no data named " +
                     property.text);
  return it->second;
}

std::vector<std::pair<std::string, std::string>> TFormReader::Components() const {
  std::vector<std::pair<std::string, std::string>> out;
  for (const std::string& name : order_) out.emplace_back(name, entries_.at(name).class_name);
  return out;
}

}  // namespace lumora
