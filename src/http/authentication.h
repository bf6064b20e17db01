#pragma once
// Server and proxy authentication schemes, looked up by the first word of a
// challenge. "Basic" is the one built in.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "http/header_list.h"

namespace lumora {

enum TNetAuthWhatsNext { wnAskTheProgram, wnDoRequest, wnFail };

class TNetAuthentication {
 public:
  virtual ~TNetAuthentication() = default;

  // The "Authorization" value to send.
  virtual std::string Authentication() const = 0;
  // The answer for the current step: send (then the step advances), fail, or
  // ask the program for credentials (the step stays).
  TNetAuthWhatsNext Next();
  void Reset() { current_step_ = 0; }

  std::string Username;
  std::string Password;
  TNetHeaderList Params;                // our own answer, under "Authorization"
  std::vector<std::string> AuthParams;  // the challenges received
  int CurrentStep() const { return current_step_; }
  virtual int Steps() const = 0;

 protected:
  virtual TNetAuthWhatsNext DoNext() = 0;

 private:
  int current_step_ = 0;
};

class TNetBasicAuthentication : public TNetAuthentication {
 public:
  std::string Authentication() const override;
  int Steps() const override { return 1; }
  const std::string& Realm() const { return realm_; }

 protected:
  TNetAuthWhatsNext DoNext() override;

 private:
  std::string realm_;
};

using TNetAuthenticationFactory = std::function<std::unique_ptr<TNetAuthentication>()>;

// The factory registered under scheme (compared ignoring case), or none.
TNetAuthenticationFactory FindAuthScheme(const std::string& scheme);
void RegisterAuthScheme(const std::string& scheme, TNetAuthenticationFactory factory);

std::string EncodeBase64(std::string_view bytes);

}  // namespace lumora
