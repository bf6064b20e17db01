#pragma once
// Builds a window from its stored description: a registry of the classes a
// description may name, each with a factory and a setter per setting, and a
// reader that creates the objects in stream order (children after their
// parent's settings) and resolves the references between them once every
// object has been read, in the order they were read.

#include <QWidget>
#include <any>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "platform/form_description.h"

namespace lumora {

class TFormReader;

// An object the reader made (or was given as the root): the object as the
// pointer type of its class, and the widget children are placed on (null
// for a non-visual component).
struct TReadObject {
  std::any object;
  QWidget* widget = nullptr;
};

class TComponentClass {
 public:
  virtual ~TComponentClass() = default;
  virtual TReadObject Create(const TReadObject& parent, const TDescriptionNode& node,
                             TFormReader& reader) const = 0;
  virtual void SetProperty(const TReadObject& self, const TDescriptionProperty& property,
                           TFormReader& reader) const = 0;
};

template <class T>
class TComponentClassOf : public TComponentClass {
 public:
  using Factory = std::function<T*(const TReadObject& parent, const TDescriptionNode& node)>;
  using Setter = std::function<void(T&, const TDescriptionProperty&)>;
  // Where the children of an object go; by default the object itself when
  // it is a widget.
  using ChildArea = std::function<QWidget*(T&)>;

  TComponentClassOf(std::string name, Factory factory)
      : name_(std::move(name)), factory_(std::move(factory)) {}

  TComponentClassOf& Property(const std::string& name, Setter setter) {
    setters_[name] = std::move(setter);
    return *this;
  }
  TComponentClassOf& Children(ChildArea area) {
    child_area_ = std::move(area);
    return *this;
  }

  TReadObject Create(const TReadObject& parent, const TDescriptionNode& node,
                     TFormReader&) const override {
    if (!factory_)
      throw EReadError("Window description, line " + std::to_string(node.line) + ": a " + name_ +
                       " cannot be created here");
    return Wrap(factory_(parent, node));
  }
  TReadObject Wrap(T* object) const {
    TReadObject read{object, nullptr};
    if (child_area_) {
      read.widget = child_area_(*object);
    } else if constexpr (std::is_base_of_v<QWidget, T>) {
      read.widget = object;
    }
    return read;
  }
  void SetProperty(const TReadObject& self, const TDescriptionProperty& property,
                   TFormReader&) const override {
    auto it = setters_.find(property.name);
    if (it == setters_.end())
      throw EReadError("Window description, line " + std::to_string(property.line) + ": " + name_ +
                       " has no setting " + property.name);
    it->second(*std::any_cast<T*>(self.object), property);
  }

 private:
  std::string name_;
  Factory factory_;
  ChildArea child_area_;
  std::map<std::string, Setter> setters_;
};

class TFormReader {
 public:
  // Registers class_name; the returned class takes the setters.
  template <class T>
  TComponentClassOf<T>& RegisterClass(const std::string& class_name,
                                      typename TComponentClassOf<T>::Factory factory) {
    auto cls = std::make_unique<TComponentClassOf<T>>(class_name, std::move(factory));
    auto* raw = cls.get();
    classes_[class_name] = std::move(cls);
    type_names_[typeid(T*).name()] = class_name;
    return *raw;
  }

  // Reads the description whose top object is root, an object that exists
  // already (its class is registered without a factory). Raises EReadError
  // for anything malformed, unknown or unresolved.
  template <class T>
  void Read(std::string_view text, T* root) {
    TDescriptionNode top = ParseFormDescription(text);
    const auto* cls = dynamic_cast<const TComponentClassOf<T>*>(FindClass(top));
    if (cls == nullptr)
      throw EReadError("Window description, line " + std::to_string(top.line) +
                       ": the top object is not a " + type_names_[typeid(T*).name()]);
    ReadTree(top, cls->Wrap(root));
    Resolve();
  }

  // Defers setting a reference until every object is read: set gets the
  // object named by the identifier value, which must be of class T.
  template <class T>
  void Reference(const TDescriptionProperty& property, std::function<void(T*)> set) {
    property.Identifier();
    fixups_.push_back({property, [this, property, set = std::move(set)](const Entry& entry) {
                         T* const* target = std::any_cast<T*>(&entry.object.object);
                         if (target == nullptr)
                           throw EReadError("Window description, " + property.Where() + ": " +
                                            property.text + " is a " + entry.class_name +
                                            ", not a " + type_names_[typeid(T*).name()]);
                         set(*target);
                       }});
  }

  // An object read so far by name, or null when there is none of class T.
  template <class T>
  T* Find(const std::string& name) const {
    auto it = entries_.find(name);
    if (it == entries_.end()) return nullptr;
    T* const* target = std::any_cast<T*>(&it->second.object.object);
    return target ? *target : nullptr;
  }
  // The same, raising EReadError when it is missing.
  template <class T>
  T& Get(const std::string& name) const {
    T* found = Find<T>(name);
    if (found == nullptr)
      throw EReadError("Window description: no " + ClassNameOf<T>() + " named " + name);
    return *found;
  }
  template <class T>
  std::string ClassNameOf() const {
    auto it = type_names_.find(typeid(T*).name());
    return it == type_names_.end() ? std::string("component") : it->second;
  }

  // Event handlers a description names (OnClick = Button1Click).
  void AddMethod(const std::string& name, std::function<void()> method);
  const std::function<void()>& Method(const TDescriptionProperty& property) const;
  // Named data a description refers to in braces.
  void AddData(const std::string& name, std::string_view data);
  std::string_view Data(const TDescriptionProperty& property) const;

  // The objects' names and classes in the order they were read.
  std::vector<std::pair<std::string, std::string>> Components() const;

 private:
  struct Entry {
    std::string class_name;
    TReadObject object;
  };
  struct Fixup {
    TDescriptionProperty property;
    std::function<void(const Entry&)> apply;
  };

  const TComponentClass* FindClass(const TDescriptionNode& node) const;
  void ReadTree(const TDescriptionNode& node, const TReadObject& self);
  void ReadChildren(const TDescriptionNode& node, const TReadObject& self);
  void Resolve();

  std::map<std::string, std::unique_ptr<TComponentClass>> classes_;
  std::map<std::string, std::string> type_names_;
  std::map<std::string, Entry> entries_;
  std::vector<std::string> order_;
  std::vector<Fixup> fixups_;
  std::map<std::string, std::function<void()>> methods_;
  std::map<std::string, std::string_view> data_;
};

}  // namespace lumora
