#include "translate/helper_threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace lumora {
namespace {

TEST(HelperThreads, RunsEveryItemOnceAlsoWhenItemsShareOutWorkThemselves) {
  // One helper and items that wait for items of their own: work a helper
  // has not taken is done by the thread that waits for it.
  HelperThreads helpers(1);
  std::vector<std::atomic<int>> runs(64);
  std::vector<std::function<void()>> outer;
  for (size_t i = 0; i < 8; ++i) {
    outer.emplace_back([&, i] {
      std::vector<std::function<void()>> inner;
      for (size_t k = 0; k < 8; ++k) inner.emplace_back([&, i, k] { ++runs[i * 8 + k]; });
      helpers.RunAll(inner);
    });
  }
  helpers.RunAll(outer);
  for (size_t i = 0; i < runs.size(); ++i) EXPECT_EQ(runs[i].load(), 1) << i;
}

TEST(HelperThreads, AnItemsExceptionReachesTheCallerAfterTheOthersFinish) {
  HelperThreads helpers(2);
  std::atomic<int> finished{0};
  std::vector<std::function<void()>> work;
  for (int i = 0; i < 6; ++i) {
    work.emplace_back([&, i] {
      if (i == 3) throw std::runtime_error("item 3");
      ++finished;
    });
  }
  EXPECT_THROW(helpers.RunAll(work), std::runtime_error);
  EXPECT_EQ(finished.load(), 5);
  helpers.RunAll({});
}

}  // namespace
}  // namespace lumora
