#include "tests/support/json.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace testing_support {

class JsonParser {
 public:
  explicit JsonParser(const std::string& text) : s_(text) {}

  std::optional<Json> ParseDocument() {
    Json value;
    if (!ParseValue(value)) return std::nullopt;
    SkipBlanks();
    if (i_ != s_.size()) return std::nullopt;
    return value;
  }

 private:
  void SkipBlanks() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\r' || s_[i_] == '\n'))
      ++i_;
  }
  bool Literal(const char* word) {
    std::size_t n = std::char_traits<char>::length(word);
    if (s_.compare(i_, n, word) != 0) return false;
    i_ += n;
    return true;
  }
  static void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  bool Hex4(unsigned& v) {
    if (i_ + 4 > s_.size()) return false;
    v = static_cast<unsigned>(std::strtoul(s_.substr(i_, 4).c_str(), nullptr, 16));
    i_ += 4;
    return true;
  }
  bool ParseString(std::string& out) {
    if (s_[i_] != '"') return false;
    ++i_;
    while (i_ < s_.size() && s_[i_] != '"') {
      char c = s_[i_++];
      if (c != '\\') {
        out += c;
        continue;
      }
      if (i_ >= s_.size()) return false;
      char e = s_[i_++];
      switch (e) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'u': {
          unsigned cp;
          if (!Hex4(cp)) return false;
          if (cp >= 0xD800 && cp < 0xDC00 && s_.compare(i_, 2, "\\u") == 0) {
            i_ += 2;
            unsigned low;
            if (!Hex4(low)) return false;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          }
          AppendUtf8(out, cp);
          break;
        }
        default: out += e; break;
      }
    }
    if (i_ >= s_.size()) return false;
    ++i_;
    return true;
  }
  bool ParseValue(Json& v) {
    SkipBlanks();
    if (i_ >= s_.size()) return false;
    char c = s_[i_];
    if (c == '{') {
      v.kind_ = Json::Kind::kObject;
      ++i_;
      SkipBlanks();
      if (i_ < s_.size() && s_[i_] == '}') return ++i_, true;
      for (;;) {
        SkipBlanks();
        std::string key;
        if (i_ >= s_.size() || !ParseString(key)) return false;
        SkipBlanks();
        if (i_ >= s_.size() || s_[i_++] != ':') return false;
        Json item;
        if (!ParseValue(item)) return false;
        v.fields_[key] = std::move(item);
        SkipBlanks();
        if (i_ >= s_.size()) return false;
        if (s_[i_] == ',') { ++i_; continue; }
        if (s_[i_] == '}') return ++i_, true;
        return false;
      }
    }
    if (c == '[') {
      v.kind_ = Json::Kind::kArray;
      ++i_;
      SkipBlanks();
      if (i_ < s_.size() && s_[i_] == ']') return ++i_, true;
      for (;;) {
        Json item;
        if (!ParseValue(item)) return false;
        v.items_.push_back(std::move(item));
        SkipBlanks();
        if (i_ >= s_.size()) return false;
        if (s_[i_] == ',') { ++i_; continue; }
        if (s_[i_] == ']') return ++i_, true;
        return false;
      }
    }
    if (c == '"') {
      v.kind_ = Json::Kind::kString;
      return ParseString(v.string_);
    }
    if (Literal("true")) { v.kind_ = Json::Kind::kBool; v.boolean_ = true; return true; }
    if (Literal("false")) { v.kind_ = Json::Kind::kBool; return true; }
    if (Literal("null")) return true;
    char* end = nullptr;
    v.number_ = std::strtod(s_.c_str() + i_, &end);
    if (end == s_.c_str() + i_) return false;
    v.kind_ = Json::Kind::kNumber;
    i_ = static_cast<std::size_t>(end - s_.c_str());
    return true;
  }

  const std::string& s_;
  std::size_t i_ = 0;
};

std::optional<Json> Json::Parse(const std::string& text) { return JsonParser(text).ParseDocument(); }

const Json& Json::operator[](const std::string& key) const {
  static const Json null_value;
  auto it = fields_.find(key);
  return it == fields_.end() ? null_value : it->second;
}

std::vector<Json> ReadTranscript(const std::string& path) {
  std::vector<Json> lines;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    auto parsed = Json::Parse(line);
    EXPECT_TRUE(parsed.has_value()) << "transcript line is not JSON: " << line;
    if (parsed) lines.push_back(std::move(*parsed));
  }
  return lines;
}

}  // namespace testing_support
