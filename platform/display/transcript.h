// The transcript: one JSON object per line for every window and message box shown, in
// every backend, so a test or a user can follow what the program put on the screen.
// Lines are appended and each reaches the file in one write, complete, when written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Builds one JSON object; strings are UTF-8 and escaped as JSON requires.
class JsonObject {
 public:
  JsonObject& Add(std::string_view key, std::string_view text);
  JsonObject& Add(std::string_view key, const char* text) {
    return Add(key, std::string_view(text));
  }
  JsonObject& Add(std::string_view key, long long number);
  JsonObject& Add(std::string_view key, const std::vector<std::string>& texts);
  JsonObject& Add(std::string_view key, const std::vector<JsonObject>& objects);
  JsonObject& AddFlag(std::string_view key, bool value);
  // The object's text, without a line end.
  std::string Text() const { return body_ + "}"; }

 private:
  void Key(std::string_view key);
  std::string body_ = "{";
};

// Appends `text` as a JSON string literal: quotes, backslashes and control characters
// escaped (CR LF becomes \r\n), every other byte kept.
void AppendJsonString(std::string& out, std::string_view text);

class Transcript {
 public:
  Transcript() = default;  // off: lines go nowhere
  explicit Transcript(std::string path) : path_(std::move(path)) {}
  ~Transcript();
  Transcript(const Transcript&) = delete;
  Transcript& operator=(const Transcript&) = delete;

  bool enabled() const { return !path_.empty(); }
  // Appends the object and a line end. A file that cannot be opened is reported once.
  void Write(const JsonObject& object);

 private:
  std::string path_;
  int fd_ = -1;
  bool open_failed_ = false;
};

}  // namespace platform
