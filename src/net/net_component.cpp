#include "net/net_component.h"

#include "net/net_stack.h"

namespace lumora {

TNetComponent::TNetComponent() { TNetStack::Acquire(); }

TNetComponent::~TNetComponent() { TNetStack::Release(); }

void TNetComponent::BeginWork(TWorkMode mode, int64_t count_max) {
  WorkState& w = work_[Index(mode)];
  if (++w.level == 1) {
    w.max = count_max;
    w.count = 0;
    if (OnWorkBegin) OnWorkBegin(*this, mode, count_max);
  }
}

void TNetComponent::DoWork(TWorkMode mode, int64_t count) {
  WorkState& w = work_[Index(mode)];
  if (w.level > 0) {
    w.count += count;
    if (OnWork) OnWork(*this, mode, w.count);
  }
}

void TNetComponent::EndWork(TWorkMode mode) {
  WorkState& w = work_[Index(mode)];
  if (w.level == 0) return;
  if (--w.level == 0 && OnWorkEnd) OnWorkEnd(*this, mode);
}

void TNetComponent::DoStatus(TNetStatus status, std::string_view argument) {
  if (OnStatus) OnStatus(*this, status, StatusText(status, argument));
}

std::string TNetComponent::StatusText(TNetStatus status, std::string_view argument) {
  std::string arg(argument);
  switch (status) {
    case TNetStatus::hsResolving: return "Resolving hostname " + arg + ".";
    case TNetStatus::hsConnecting: return "Connecting to " + arg + ".";
    case TNetStatus::hsConnected: return "Connected.";
    case TNetStatus::hsDisconnecting: return "Disconnecting.";
    case TNetStatus::hsDisconnected: return "Disconnected.";
    case TNetStatus::hsStatusText: return arg;
  }
  return arg;
}

}  // namespace lumora
