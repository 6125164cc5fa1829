// A small JSON reader for transcripts: one object per line.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

class Json {
 public:
  enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject };

  static std::optional<Json> Parse(const std::string& text);

  Kind kind() const { return kind_; }
  bool is_null() const { return kind_ == Kind::kNull; }
  double number() const { return number_; }
  bool boolean() const { return boolean_; }
  const std::string& str() const { return string_; }
  const std::vector<Json>& items() const { return items_; }
  const std::map<std::string, Json>& fields() const { return fields_; }
  bool has(const std::string& key) const { return fields_.count(key) != 0; }
  // A missing key gives a null value.
  const Json& operator[](const std::string& key) const;
  const Json& operator[](std::size_t i) const { return items_.at(i); }

 private:
  friend class JsonParser;
  Kind kind_ = Kind::kNull;
  bool boolean_ = false;
  double number_ = 0;
  std::string string_;
  std::vector<Json> items_;
  std::map<std::string, Json> fields_;
};

// Every line of a transcript file parsed; a line that is not JSON fails the test.
std::vector<Json> ReadTranscript(const std::string& path);

}  // namespace testing_support
