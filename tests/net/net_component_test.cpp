#include "net/net_component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumora {
namespace {

const char* ModeName(TWorkMode m) {
  return m == TWorkMode::wmRead ? "r" : "w";
}

TEST(NetComponent, ProgressNestsPerWorkMode) {
  TNetComponent c;
  // The events as short texts: "begin r 10", "work r 3", "end r".
  std::vector<std::string> log;
  c.OnWorkBegin = [&](TNetComponent&, TWorkMode m, int64_t max) {
    log.push_back(std::string("begin ") + ModeName(m) + " " + std::to_string(max));
  };
  c.OnWork = [&](TNetComponent&, TWorkMode m, int64_t n) {
    log.push_back(std::string("work ") + ModeName(m) + " " + std::to_string(n));
  };
  c.OnWorkEnd = [&](TNetComponent&, TWorkMode m) {
    log.push_back(std::string("end ") + ModeName(m));
  };

  c.DoWork(TWorkMode::wmRead, 5);  // outside any level: no event
  c.BeginWork(TWorkMode::wmRead, 10);
  c.DoWork(TWorkMode::wmRead, 3);
  c.BeginWork(TWorkMode::wmRead, 99);  // inner level: no event, maximum kept
  c.BeginWork(TWorkMode::wmWrite, 7);  // the other mode has its own level
  c.DoWork(TWorkMode::wmRead, 4);
  c.DoWork(TWorkMode::wmWrite, 2);
  c.EndWork(TWorkMode::wmRead);  // inner end: no event
  c.EndWork(TWorkMode::wmWrite);
  c.DoWork(TWorkMode::wmRead, 1);
  EXPECT_EQ(c.WorkCountMax(TWorkMode::wmRead), 10);
  c.EndWork(TWorkMode::wmRead);
  c.EndWork(TWorkMode::wmRead);  // unbalanced end: ignored

  const std::vector<std::string> expected = {
      "begin r 10", "work r 3", "begin w 7", "work r 7", "work w 2", "end w", "work r 8", "end r",
  };
  EXPECT_EQ(log, expected);
  EXPECT_EQ(c.WorkLevel(TWorkMode::wmRead), 0);

  // A new outermost level starts the count again.
  log.clear();
  c.BeginWork(TWorkMode::wmRead, 2);
  c.DoWork(TWorkMode::wmRead, 2);
  c.EndWork(TWorkMode::wmRead);
  EXPECT_EQ(log, (std::vector<std::string>{"begin r 2", "work r 2", "end r"}));
}

TEST(NetComponent, StatusTexts) {
  struct Row {
    TNetStatus status;
    const char* argument;
    const char* text;
  };
  const Row rows[] = {
      {TNetStatus::hsResolving, "example.org", "Resolving hostname example.org."},
      {TNetStatus::hsConnecting, "10.0.0.1", "Connecting to 10.0.0.1."},
      {TNetStatus::hsConnected, "ignored", "Connected."},
      {TNetStatus::hsDisconnecting, "", "Disconnecting."},
      {TNetStatus::hsDisconnected, "", "Disconnected."},
      {TNetStatus::hsStatusText, "Chunk Started", "Chunk Started"},
      {TNetStatus::hsStatusText, "100%s", "100%s"},  // a free text is not a format
  };
  TNetComponent c;
  std::string seen;
  TNetComponent* sender = nullptr;
  c.OnStatus = [&](TNetComponent& s, TNetStatus, const std::string& text) {
    sender = &s;
    seen = text;
  };
  for (const Row& r : rows) {
    c.DoStatus(r.status, r.argument);
    EXPECT_EQ(seen, r.text) << r.text;
    EXPECT_EQ(sender, &c);
  }
}

}  // namespace
}  // namespace lumora
