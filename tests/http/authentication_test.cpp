#include "http/authentication.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(Base64, EncodesWithPadding) {
  struct Row {
    const char* in;
    const char* out;
  } rows[] = {{"", ""},
              {"f", "Zg=="},
              {"fo", "Zm8="},
              {"foo", "Zm9v"},
              {"Aladdin:open sesame", "QWxhZGRpbjpvcGVuIHNlc2FtZQ=="},
              {"\xff\xfe", "//4="}};
  for (const auto& r : rows) EXPECT_EQ(EncodeBase64(r.in), r.out) << r.in;
}

TEST(BasicAuthentication, AnswersAndSteps) {
  auto factory = FindAuthScheme("basic");
  ASSERT_TRUE(factory);
  auto auth = factory();
  auth->AuthParams = {"Basic realm=\"Private area\", charset=\"UTF-8\""};
  // Without a user the program is asked, and the step stays.
  EXPECT_EQ(auth->Next(), wnAskTheProgram);
  EXPECT_EQ(auth->Next(), wnAskTheProgram);
  auth->Username = "Aladdin";
  auth->Password = "open sesame";
  EXPECT_EQ(auth->Next(), wnDoRequest);
  EXPECT_EQ(auth->Authentication(), "Basic QWxhZGRpbjpvcGVuIHNlc2FtZQ==");
  // Credentials that were already sent once are not tried again.
  EXPECT_EQ(auth->Next(), wnFail);
  EXPECT_EQ(static_cast<TNetBasicAuthentication&>(*auth).Realm(), "Private area");
  auth->Reset();
  EXPECT_EQ(auth->Next(), wnDoRequest);
}

TEST(AuthRegistry, UnknownSchemeHasNoFactory) {
  EXPECT_FALSE(FindAuthScheme("Digest"));
  EXPECT_FALSE(FindAuthScheme(""));
}

}  // namespace
}  // namespace lumora
