#include "platform/form_description.h"

#include <cctype>
#include <charconv>
#include <cstdint>

namespace lumora {

namespace {

std::string LineText(int line) {
  return "line " + std::to_string(line);
}

[[noreturn]] void Fail(int line, const std::string& what) {
  throw EReadError("Window description, " + LineText(line) + ": " + what);
}

bool IsNameStart(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

// Reads one line's tokens; the grammar never spans lines.
class LineScanner {
 public:
  LineScanner(std::string_view text, int line) : text_(text), line_(line) {}

  void SkipSpace() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }
  bool AtEnd() {
    SkipSpace();
    return pos_ >= text_.size();
  }
  bool Accept(char c) {
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  void Expect(char c, const std::string& after) {
    if (!Accept(c)) Fail(line_, std::string("expected '") + c + "' " + after);
  }
  std::string Name(const char* what) {
    SkipSpace();
    if (pos_ >= text_.size() || !IsNameStart(text_[pos_]))
      Fail(line_, std::string("expected ") + what);
    size_t start = pos_;
    while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
    return std::string(text_.substr(start, pos_ - start));
  }
  void Value(TDescriptionProperty& p) {
    SkipSpace();
    if (pos_ >= text_.size()) Fail(line_, "no value for " + p.name);
    char c = text_[pos_];
    if (c == '\'') {
      p.kind = TValueKind::String;
      p.text = QuotedString();
    } else if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
      p.kind = TValueKind::Integer;
      size_t start = pos_;
      if (c == '-') ++pos_;
      while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
      auto [end, ec] = std::from_chars(text_.data() + start, text_.data() + pos_, p.integer);
      if (ec != std::errc() || end != text_.data() + pos_)
        Fail(line_, "'" + std::string(text_.substr(start, pos_ - start)) + "' is not a number");
    } else if (c == '[') {
      ++pos_;
      p.kind = TValueKind::Set;
      if (!Accept(']')) {
        do p.set.push_back(Name("a set member"));
        while (Accept(','));
        Expect(']', "to close the set");
      }
    } else if (c == '{') {
      ++pos_;
      p.kind = TValueKind::Data;
      p.text = Name("a data name");
      Expect('}', "to close the data name");
    } else {
      p.kind = TValueKind::Identifier;
      p.text = Name("a value");
    }
  }

 private:
  std::string QuotedString() {
    std::string out;
    ++pos_;
    while (true) {
      if (pos_ >= text_.size()) Fail(line_, "unterminated string");
      char c = text_[pos_++];
      if (c == '\'') {
        if (pos_ < text_.size() && text_[pos_] == '\'') {
          out += '\'';
          ++pos_;
          continue;
        }
        return out;
      }
      out += c;
    }
  }

  std::string_view text_;
  int line_;
  size_t pos_ = 0;
};

struct Line {
  std::string_view text;
  int number;
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  int number = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++number;
    if (line.find_first_not_of(" \t") != std::string_view::npos) lines.push_back({line, number});
    start = end + 1;
  }
  return lines;
}

class Parser {
 public:
  explicit Parser(std::vector<Line> lines) : lines_(std::move(lines)) {}

  TDescriptionNode Top() {
    if (lines_.empty()) Fail(0, "the description is empty");
    TDescriptionNode node = Object();
    if (next_ < lines_.size()) Fail(lines_[next_].number, "text after the last 'end'");
    return node;
  }

 private:
  static bool IsKeyword(std::string_view line, std::string_view word) {
    size_t start = line.find_first_not_of(" \t");
    std::string_view rest = line.substr(start);
    if (rest.substr(0, word.size()) != word) return false;
    return rest.size() == word.size() || rest[word.size()] == ' ' || rest[word.size()] == '\t';
  }

  TDescriptionNode Object() {
    const Line& head = lines_[next_++];
    LineScanner scan(head.text, head.number);
    if (!IsKeyword(head.text, "object")) Fail(head.number, "expected 'object'");
    scan.Name("'object'");
    TDescriptionNode node;
    node.line = head.number;
    node.name = scan.Name("the object's name");
    scan.Expect(':', "after the object's name");
    node.class_name = scan.Name("the object's class");
    if (!scan.AtEnd()) Fail(head.number, "unexpected text after the class name");
    while (true) {
      if (next_ >= lines_.size()) Fail(head.number, "object " + node.name + " has no 'end'");
      const Line& line = lines_[next_];
      if (IsKeyword(line.text, "end")) {
        LineScanner end(line.text, line.number);
        end.Name("'end'");
        if (!end.AtEnd()) Fail(line.number, "unexpected text after 'end'");
        ++next_;
        return node;
      }
      if (IsKeyword(line.text, "object")) {
        node.children.push_back(Object());
        continue;
      }
      if (!node.children.empty())
        Fail(line.number, "a setting of " + node.name + " after its first child");
      ++next_;
      LineScanner scan_line(line.text, line.number);
      TDescriptionProperty p;
      p.line = line.number;
      p.name = scan_line.Name("a setting's name");
      scan_line.Expect('=', "after " + p.name);
      scan_line.Value(p);
      if (!scan_line.AtEnd()) Fail(line.number, "unexpected text after the value of " + p.name);
      node.properties.push_back(std::move(p));
    }
  }

  std::vector<Line> lines_;
  size_t next_ = 0;
};

}  // namespace

std::string TDescriptionProperty::Where() const {
  return LineText(line) + ": " + name;
}

namespace {
[[noreturn]] void WrongKind(const TDescriptionProperty& p, const char* wanted) {
  Fail(p.line, p.name + " wants " + wanted);
}
}  // namespace

int TDescriptionProperty::Integer() const {
  if (kind != TValueKind::Integer) WrongKind(*this, "a number");
  if (integer < INT32_MIN || integer > INT32_MAX) WrongKind(*this, "a 32-bit number");
  return static_cast<int>(integer);
}

const std::string& TDescriptionProperty::String() const {
  if (kind != TValueKind::String) WrongKind(*this, "a quoted string");
  return text;
}

const std::string& TDescriptionProperty::Identifier() const {
  if (kind != TValueKind::Identifier) WrongKind(*this, "a name");
  return text;
}

bool TDescriptionProperty::Boolean() const {
  if (kind == TValueKind::Identifier && text == "True") return true;
  if (kind == TValueKind::Identifier && text == "False") return false;
  WrongKind(*this, "True or False");
}

const std::vector<std::string>& TDescriptionProperty::Set() const {
  if (kind != TValueKind::Set) WrongKind(*this, "a set in brackets");
  return set;
}

const std::string& TDescriptionProperty::DataName() const {
  if (kind != TValueKind::Data) WrongKind(*this, "a data name in braces");
  return text;
}

TDescriptionNode ParseFormDescription(std::string_view text) {
  return Parser(SplitLines(text)).Top();
}

}  // namespace lumora
