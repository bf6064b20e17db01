#include "translate/libime_language_model.h"

#include "translate/language_model_cache.h"

#include <libime/core/languagemodel.h>

#include <cstring>
#include <filesystem>

namespace libime {

// The model's scoring call takes a WordNode, declared in LibIME's lattice
// header, which pulls in Boost for the lattice we do not use; this is the
// same declaration. Scoring reads only the index.
class WordNode {
 public:
  WordNode(std::string_view word, WordIndex idx) : word_(word), idx_(idx) {}
  virtual ~WordNode() = default;
  const std::string& word() const { return word_; }
  WordIndex idx() const { return idx_; }

 protected:
  std::string word_;
  WordIndex idx_;
};

}  // namespace libime

namespace lumora {

namespace {

static_assert(sizeof(libime::State) <= sizeof(LanguageModel::State{}.bytes));

class LibimeLanguageModel : public LanguageModel {
 public:
  explicit LibimeLanguageModel(const std::string& path) : model_(path.c_str()) {
    std::memcpy(begin_.bytes.data(), model_.beginState().data(), sizeof(libime::State));
  }

  State BeginState() const override { return begin_; }
  WordIndex Index(std::string_view word) const override { return model_.index(word); }
  bool IsUnknown(WordIndex word) const override { return word == model_.unknown(); }

  float Score(const State& state, WordIndex word, State& out) const override {
    libime::State in;
    // The model writes only the part of the state its context needs; the rest
    // must not carry whatever the stack held, as states are compared whole.
    libime::State next{};
    std::memcpy(in.data(), state.bytes.data(), sizeof in);
    const float score = model_.score(in, libime::WordNode({}, word), next);
    out = State{};
    std::memcpy(out.bytes.data(), next.data(), sizeof next);
    return score;
  }

 private:
  libime::LanguageModel model_;
  State begin_;
};

}  // namespace

std::shared_ptr<const LanguageModel> LoadLibimeLanguageModel(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    throw ELanguageModelError("Cannot open language model \"" + path + "\"");
  }
  try {
    return std::make_shared<CachedLanguageModel>(std::make_shared<LibimeLanguageModel>(path));
  } catch (const std::exception& e) {
    throw ELanguageModelError("Language model \"" + path + "\" is not usable: " + e.what());
  }
}

std::string FindDefaultLanguageModel() {
  std::error_code ec;
  const std::string path = LUMORA_LANGUAGE_MODEL;
  return std::filesystem::is_regular_file(path, ec) ? path : std::string();
}

}  // namespace lumora
