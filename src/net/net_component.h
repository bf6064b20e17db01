#pragma once
// Base of every object of the socket layer: holds a reference on the socket
// stack for its lifetime and reports status and progress through events.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace lumora {

enum class TNetStatus {
  hsResolving,      // "Resolving hostname %s." with the host name
  hsConnecting,     // "Connecting to %s." with the peer address
  hsConnected,      // "Connected."
  hsDisconnecting,  // "Disconnecting."
  hsDisconnected,   // "Disconnected."
  hsStatusText,     // "%s": a free text such as "Chunk Started"
};

enum class TWorkMode { wmRead, wmWrite };

class TNetComponent;

using TNetStatusEvent =
    std::function<void(TNetComponent& sender, TNetStatus status, const std::string& text)>;
using TNetWorkBeginEvent =
    std::function<void(TNetComponent& sender, TWorkMode mode, int64_t count_max)>;
using TNetWorkEvent = std::function<void(TNetComponent& sender, TWorkMode mode, int64_t count)>;
using TNetWorkEndEvent = std::function<void(TNetComponent& sender, TWorkMode mode)>;

class TNetComponent {
 public:
  TNetComponent();
  virtual ~TNetComponent();
  TNetComponent(const TNetComponent&) = delete;
  TNetComponent& operator=(const TNetComponent&) = delete;

  TNetStatusEvent OnStatus;
  TNetWorkBeginEvent OnWorkBegin;
  TNetWorkEvent OnWork;
  TNetWorkEndEvent OnWorkEnd;

  // Progress. Work of one mode nests: OnWorkBegin fires for the outermost
  // BeginWork only (resetting the count and setting the maximum), OnWork with
  // the running total while any level is open, OnWorkEnd when the outermost
  // level ends.
  virtual void BeginWork(TWorkMode mode, int64_t count_max = 0);
  virtual void DoWork(TWorkMode mode, int64_t count);
  virtual void EndWork(TWorkMode mode);

  int WorkLevel(TWorkMode mode) const { return work_[Index(mode)].level; }
  int64_t WorkCount(TWorkMode mode) const { return work_[Index(mode)].count; }
  int64_t WorkCountMax(TWorkMode mode) const { return work_[Index(mode)].max; }

  // Sends a status event. The text is the status's own, with argument put in
  // for %s; it is only formatted when OnStatus is assigned.
  void DoStatus(TNetStatus status, std::string_view argument = {});
  static std::string StatusText(TNetStatus status, std::string_view argument);

 private:
  struct WorkState {
    int level = 0;
    int64_t max = 0;
    int64_t count = 0;
  };
  static size_t Index(TWorkMode mode) { return mode == TWorkMode::wmRead ? 0 : 1; }

  WorkState work_[2];
};

}  // namespace lumora
