#include "skin/form/menu_host.h"

#include <QPointer>
#include <algorithm>
#include <utility>
#include <vector>

namespace lumora {

namespace {

std::vector<std::pair<QPointer<QWidget>, TskMenuHost*>>& Hosts() {
  static std::vector<std::pair<QPointer<QWidget>, TskMenuHost*>> hosts;
  return hosts;
}

}  // namespace

void RegisterMenuHost(QWidget* form, TskMenuHost* host) {
  if (form == nullptr || host == nullptr) return;
  UnregisterMenuHost(host);
  Hosts().emplace_back(form, host);
}

void UnregisterMenuHost(TskMenuHost* host) {
  auto& hosts = Hosts();
  hosts.erase(std::remove_if(hosts.begin(), hosts.end(),
                             [host](const auto& entry) { return entry.second == host; }),
              hosts.end());
}

TskMenuHost* FindMenuHost(const QWidget* form) {
  if (form == nullptr) return nullptr;
  const auto& hosts = Hosts();
  for (auto it = hosts.rbegin(); it != hosts.rend(); ++it)
    if (it->first == form) return it->second;
  return nullptr;
}

}  // namespace lumora
