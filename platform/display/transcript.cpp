#include "platform/display/transcript.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {

void AppendJsonString(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20) {
          out += "\\u00";
          out += kHex[byte >> 4];
          out += kHex[byte & 0xF];
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

void JsonObject::Key(std::string_view key) {
  if (body_.size() > 1) body_ += ',';
  AppendJsonString(body_, key);
  body_ += ':';
}

JsonObject& JsonObject::Add(std::string_view key, std::string_view text) {
  Key(key);
  AppendJsonString(body_, text);
  return *this;
}

JsonObject& JsonObject::Add(std::string_view key, long long number) {
  Key(key);
  body_ += std::to_string(number);
  return *this;
}

JsonObject& JsonObject::Add(std::string_view key, const std::vector<std::string>& texts) {
  Key(key);
  body_ += '[';
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) body_ += ',';
    AppendJsonString(body_, texts[i]);
  }
  body_ += ']';
  return *this;
}

JsonObject& JsonObject::Add(std::string_view key, const std::vector<JsonObject>& objects) {
  Key(key);
  body_ += '[';
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (i > 0) body_ += ',';
    body_ += objects[i].Text();
  }
  body_ += ']';
  return *this;
}

JsonObject& JsonObject::AddFlag(std::string_view key, bool value) {
  Key(key);
  body_ += value ? "true" : "false";
  return *this;
}

Transcript::~Transcript() {
  if (fd_ >= 0) close(fd_);
}

void Transcript::Write(const JsonObject& object) {
  if (!enabled() || open_failed_) return;
  if (fd_ < 0) {
    fd_ = open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) {
      open_failed_ = true;
      std::fprintf(stderr, "vestralino: cannot open the transcript %s: %s\n", path_.c_str(),
                   std::strerror(errno));
      return;
    }
  }
  // One write per line: with O_APPEND a line is never interleaved with another writer's.
  std::string line = object.Text() + "\n";
  std::size_t done = 0;
  while (done < line.size()) {
    ssize_t n = write(fd_, line.data() + done, line.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      std::fprintf(stderr, "vestralino: cannot write the transcript %s: %s\n", path_.c_str(),
                   std::strerror(errno));
      return;
    }
    done += static_cast<std::size_t>(n);
  }
}

}  // namespace platform
