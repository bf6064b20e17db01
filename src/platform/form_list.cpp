#include "platform/form_list.h"

#include <QPointer>
#include <algorithm>

namespace lumora {

namespace {

std::vector<QPointer<QWidget>>& List() {
  static std::vector<QPointer<QWidget>> list;
  return list;
}

void DropDead() {
  auto& list = List();
  list.erase(std::remove_if(list.begin(), list.end(),
                            [](const QPointer<QWidget>& p) { return p.isNull(); }),
             list.end());
}

}  // namespace

void RegisterForm(QWidget* form) {
  if (form == nullptr) return;
  DropDead();
  auto& list = List();
  if (std::find(list.begin(), list.end(), form) == list.end()) list.emplace_back(form);
}

void UnregisterForm(QWidget* form) {
  auto& list = List();
  list.erase(std::remove(list.begin(), list.end(), form), list.end());
  DropDead();
}

std::vector<QWidget*> Forms() {
  DropDead();
  std::vector<QWidget*> out;
  for (const auto& p : List()) out.push_back(p.data());
  return out;
}

}  // namespace lumora
