#include "net/net_stack.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "net/net_component.h"
#include "net/net_exception.h"
#include "support/expect_raises.h"

namespace lumora {
namespace {

using ::testing::AllOf;
using ::testing::Property;
using ::testing::Throws;

TEST(NetStack, LivesWhileAnyComponentLives) {
  int before = TNetStack::ReferenceCount();
  {
    TNetComponent a;
    TNetComponent b;
    EXPECT_EQ(TNetStack::ReferenceCount(), before + 2);
    EXPECT_NO_THROW(TNetStack::Instance());
  }
  EXPECT_EQ(TNetStack::ReferenceCount(), before);
  if (before == 0) {
    EXPECT_THROW(TNetStack::Instance(), ENetException);
  }
}

TEST(NetStack, TranslatesErrnoToWinsockNumbers) {
  struct Row {
    int posix;
    int winsock;
  };
  const Row rows[] =
      {
          {ECONNREFUSED, 10061},    {ETIMEDOUT, 10060},
          {EHOSTUNREACH, 10065},    {ENETUNREACH, 10051},
          {ECONNRESET, 10054},      {ECONNABORTED, 10053},
          {EPIPE, 10058},           {ESHUTDOWN, 10058},
          {EADDRINUSE, 10048},      {EADDRNOTAVAIL, 10049},
          {ENETDOWN, 10050},        {EINTR, 10004},
          {EBADF, 10009},           {EACCES, 10013},
          {EFAULT, 10014},          {EINVAL, 10022},
          {EMFILE, 10024},          {EWOULDBLOCK, 10035},
          {EINPROGRESS, 10036},     {EALREADY, 10037},
          {ENOTSOCK, 10038},        {EMSGSIZE, 10040},
          {ENOBUFS, 10055},         {EISCONN, 10056},
          {ENOTCONN, 10057},        {EHOSTDOWN, 10064},
          {ENOMEM, 10000 + ENOMEM},  // outside the table: Winsock's numbering of BSD errors
      };
  for (const Row& r : rows)
    EXPECT_EQ(TNetStack::WinsockError(r.posix), r.winsock) << "errno " << r.posix;
}

TEST(NetStack, SocketErrorMessageHasNumberAndText) {
  struct Row {
    int code;
    const char* message;
  };
  const Row rows[] = {
      {10061, "Socket Error # 10061\r\nConnection refused."},
      {11001, "Socket Error # 11001\r\nHost not found."},
      {10035,
       "Socket Error # 10035\r\nOperation would block. "},     // trailing blank is the text's own
      {10066, "Socket Error # 10066\r\nDirectory not empty"},  // no full stop in this one
      {10012, "Socket Error # 10012\r\n"},                     // not in the table: empty text
  };
  for (const Row& r : rows) {
    ENetSocketError e(r.code);
    EXPECT_EQ(e.Message(), r.message) << r.code;
    EXPECT_EQ(e.LastError(), r.code);
  }
}

TEST(NetStack, NormalizesDottedAddresses) {
  struct Row {
    const char* text;
    const char* expected;  // "" when not an address
  };
  const Row rows[] = {
      {"127.0.0.1", "127.0.0.1"},
      {"255.255.255.255", "255.255.255.255"},
      {"010.001.0.7", "10.1.0.7"},  // leading zeros are decimal, never octal
      {"256.0.0.1", ""},            // a part above 255
      {"1.2.3", ""},                // three parts
      {"1.2.3.4.5", ""},            // five parts
      {"1.2.3.", ""},               // empty last part
      {"1..3.4", ""},               // empty inner part
      {"1.2.3.4 ", ""},             // trailing blank
      {"0x7f.0.0.1", ""},           // hexadecimal is a host name
      {"1234.0.0.1", ""},           // four digits
      {"example.com", ""},
      {"", ""},
  };
  for (const Row& r : rows) EXPECT_EQ(TNetStack::NormalizeIP(r.text), r.expected) << r.text;
}

TEST(NetStack, ResolvesLocalNamesWithoutLookUp) {
  TNetComponent holder;
  TNetStack& stack = TNetStack::Instance();
  EXPECT_EQ(stack.ResolveHost("LocalHost"), "127.0.0.1");
  EXPECT_EQ(stack.ResolveHost("192.168.001.002"), "192.168.1.2");
}

TEST(NetStack, UnresolvableHostIsError11001) {
  TNetComponent holder;
  EXPECT_THAT([] { TNetStack::Instance().ResolveHost("no-such-host.invalid"); },
              Throws<ENetSocketError>(
                  AllOf(Property(&ENetSocketError::LastError, 11001),
                        Property(&Exception::Message, "Socket Error # 11001\r\nHost not found."))));
  EXPECT_EQ(TNetStack::Instance().LastError(), 11001);
}

TEST(NetStack, CheckForSocketErrorToleratesListedCodes) {
  TNetComponent holder;
  TNetStack& stack = TNetStack::Instance();
  stack.SetLastError(10054);
  EXPECT_EQ(stack.CheckForSocketError(-1, {10053, 10054}), -1);
  EXPECT_EQ(stack.CheckForSocketError(5), 5);
  EXPECT_THAT([&] { stack.CheckForSocketError(-1, {10053}); },
              Throws<ENetSocketError>(Property(&ENetSocketError::LastError, 10054)));
}

}  // namespace
}  // namespace lumora
