// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Just enough JSON reading to look inside the runner's dumps. Raises
// std::runtime_error on anything that is not well-formed JSON.

#include <cctype>
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zephyrant::testing {

struct Json {
  using Array = std::vector<Json>;
  using Object = std::map<std::string, Json>;
  std::variant<std::nullptr_t, bool, double, std::string, std::shared_ptr<Array>,
               std::shared_ptr<Object>>
      value;

  bool IsNull() const { return std::holds_alternative<std::nullptr_t>(value); }
  double Number() const { return std::get<double>(value); }
  int Int() const { return static_cast<int>(Number()); }
  bool Bool() const { return std::get<bool>(value); }
  const std::string& String() const { return std::get<std::string>(value); }
  const Array& Items() const { return *std::get<std::shared_ptr<Array>>(value); }
  const Json& operator[](const std::string& key) const {
    const Object& o = *std::get<std::shared_ptr<Object>>(value);
    const auto found = o.find(key);
    if (found == o.end()) throw std::runtime_error("no key " + key);
    return found->second;
  }
  bool Has(const std::string& key) const {
    return std::get<std::shared_ptr<Object>>(value)->count(key) > 0;
  }
};

class JsonReader {
 public:
  static Json Read(std::string_view text) {
    JsonReader r(text);
    Json j = r.Value();
    r.Space();
    if (r.at_ != text.size()) r.Fail("trailing text");
    return j;
  }

 private:
  explicit JsonReader(std::string_view text) : text_(text) {}

  [[noreturn]] void Fail(const char* what) const {
    throw std::runtime_error(std::string("bad JSON at ") + std::to_string(at_) + ": " + what);
  }
  void Space() {
    while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
  }
  char Peek() {
    Space();
    if (at_ >= text_.size()) Fail("unexpected end");
    return text_[at_];
  }
  void Expect(char c) {
    if (Peek() != c) Fail("unexpected character");
    ++at_;
  }
  bool Word(std::string_view w) {
    if (text_.substr(at_, w.size()) != w) return false;
    at_ += w.size();
    return true;
  }

  Json Value() {
    const char c = Peek();
    if (c == '{') return Json{Object()};
    if (c == '[') return Json{Array()};
    if (c == '"') return Json{String()};
    if (Word("null")) return Json{nullptr};
    if (Word("true")) return Json{true};
    if (Word("false")) return Json{false};
    const char* start = text_.data() + at_;
    char* end = nullptr;
    const double d = std::strtod(start, &end);
    if (end == start) Fail("not a value");
    at_ += static_cast<size_t>(end - start);
    return Json{d};
  }

  std::shared_ptr<Json::Object> Object() {
    auto o = std::make_shared<Json::Object>();
    Expect('{');
    if (Peek() == '}') return ++at_, o;
    for (;;) {
      std::string key = String();
      Expect(':');
      (*o)[key] = Value();
      if (Peek() == '}') return ++at_, o;
      Expect(',');
    }
  }

  std::shared_ptr<Json::Array> Array() {
    auto a = std::make_shared<Json::Array>();
    Expect('[');
    if (Peek() == ']') return ++at_, a;
    for (;;) {
      a->push_back(Value());
      if (Peek() == ']') return ++at_, a;
      Expect(',');
    }
  }

  std::string String() {
    Expect('"');
    std::string s;
    while (at_ < text_.size() && text_[at_] != '"') {
      char c = text_[at_++];
      if (static_cast<unsigned char>(c) < 0x20) Fail("raw control character in a string");
      if (c == '\\') {
        if (at_ >= text_.size()) Fail("unexpected end");
        const char e = text_[at_++];
        if (e == 'n')
          c = '\n';
        else if (e == 'r')
          c = '\r';
        else if (e == 't')
          c = '\t';
        else if (e == 'u') {
          c = static_cast<char>(std::stoi(std::string(text_.substr(at_, 4)), nullptr, 16));
          at_ += 4;
        } else if (e == '"' || e == '\\' || e == '/')
          c = e;
        else
          Fail("unknown escape");
      }
      s += c;
    }
    Expect('"');
    return s;
  }

  std::string_view text_;
  size_t at_ = 0;
};

}  // namespace zephyrant::testing
