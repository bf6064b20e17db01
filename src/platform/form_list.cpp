#include "platform/form_list.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace lumora {

namespace {

std::vector<QPointer<QObject>>& List() {
  static std::vector<QPointer<QObject>> list;
  return list;
}

void DropDead() {
  auto& list = List();
  list.erase(std::remove_if(list.begin(), list.end(),
                            [](const QPointer<QObject>& p) { return p.isNull(); }),
             list.end());
}

}  // namespace

void RegisterForm(QObject* form) {
  if (form == nullptr) return;
  DropDead();
  auto& list = List();
  if (std::find(list.begin(), list.end(), form) == list.end()) list.emplace_back(form);
}

void UnregisterForm(QObject* form) {
  auto& list = List();
  list.erase(std::remove(list.begin(), list.end(), form), list.end());
  DropDead();
}

std::vector<QObject*> Forms() {
  DropDead();
  std::vector<QObject*> out;
  for (const auto& p : List()) out.push_back(p.data());
  return out;
}

bool IsForm(const QObject* object) {
  const auto* widget = qobject_cast<const QWidget*>(object);
  return widget != nullptr && widget->isWindow();
}

}  // namespace lumora
