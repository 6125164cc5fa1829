#include "tests/support/x_run.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <sstream>
#include <thread>

namespace testing_support {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(10);

void Pause() { std::this_thread::sleep_for(std::chrono::milliseconds(20)); }

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// The transcript so far, read without failing on a line still being written.
std::vector<Json> TranscriptSoFar(const std::string& path) {
  std::vector<Json> lines;
  std::istringstream in(PathExists(path) ? ReadBytes(path) : std::string());
  std::string line;
  while (std::getline(in, line)) {
    if (auto json = Json::Parse(line)) lines.push_back(*json);
  }
  return lines;
}

}  // namespace

std::vector<std::string> XRunEnvironment(const std::string& display, const std::string& date,
                                         const std::string& transcript_path) {
  std::vector<std::string> environment = {"DISPLAY=" + display, "VESTRALINO_DISPLAY=x11",
                                          "VESTRALINO_TRANSCRIPT=" + transcript_path, "TZ=UTC",
                                          // Event time-outs need a real clock.
                                          "FAKETIME_DONT_FAKE_MONOTONIC=1"};
  for (const auto& entry : FakeDateEnvironment(date)) environment.push_back(entry);
  return environment;
}

std::string HexWindowId(const std::string& decimal_id) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%lx", std::stoul(decimal_id));
  return text;
}

XRun::XRun(const XServer& server, const Sandbox& box, const std::string& date,
           const std::vector<std::string>& environment)
    : server_(server), transcript_path_(box.dir() + "/transcript-x11.jsonl") {
  ChildOptions options;
  options.environment = XRunEnvironment(server.display(), date, transcript_path_);
  options.environment.insert(options.environment.end(), environment.begin(), environment.end());
  child_ = std::make_unique<Child>(std::vector<std::string>{box.binary()}, options);
}

XRun::~XRun() {
  if (!finished_) kill(child_->pid(), SIGKILL);
}

std::string XRun::WaitForWindow(const std::string& name) const {
  const auto deadline = Clock::now() + kPatience;
  do {
    ChildResult found =
        server_.Tool({"xdotool", "search", "--onlyvisible", "--name", "^" + name + "$"});
    std::string id = FirstLine(found.out);
    if (!id.empty()) return id;
    Pause();
  } while (Clock::now() < deadline && !EndsWithin(0));
  return "";
}

std::optional<Json> XRun::WaitForTranscriptWindow(const std::string& class_name) const {
  const auto deadline = Clock::now() + kPatience;
  do {
    for (const Json& line : TranscriptSoFar(transcript_path_)) {
      if (line["event"].str() == "window" && line["class"].str() == class_name) return line;
    }
    Pause();
  } while (Clock::now() < deadline);
  return std::nullopt;
}

std::optional<Json> XRun::WaitForTranscriptMessageBox() const {
  const auto deadline = Clock::now() + kPatience;
  do {
    for (const Json& line : TranscriptSoFar(transcript_path_)) {
      if (line["event"].str() == "messagebox") return line;
    }
    Pause();
  } while (Clock::now() < deadline);
  return std::nullopt;
}

std::optional<XGeometry> XRun::Geometry(const std::string& window) const {
  ChildResult shell = server_.Tool({"xdotool", "getwindowgeometry", "--shell", window});
  XGeometry g;
  int found = 0;
  std::istringstream in(shell.out);
  std::string line;
  while (std::getline(in, line)) {
    found += std::sscanf(line.c_str(), "X=%d", &g.x) + std::sscanf(line.c_str(), "Y=%d", &g.y) +
             std::sscanf(line.c_str(), "WIDTH=%d", &g.width) +
             std::sscanf(line.c_str(), "HEIGHT=%d", &g.height);
  }
  if (found != 4) return std::nullopt;
  return g;
}

void XRun::Click(const std::string& window, int x, int y) const {
  server_.Tool({"xdotool", "mousemove", "--window", window, std::to_string(x), std::to_string(y),
                "click", "1"});
}

void XRun::Keys(const std::string& window, const std::vector<std::string>& keys) const {
  // One connection: the focus is set before the keys arrive.
  std::vector<std::string> argv = {"xdotool", "windowfocus", window, "key", "--delay", "30"};
  argv.insert(argv.end(), keys.begin(), keys.end());
  server_.Tool(argv);
}

std::string XRun::Property(const std::string& window, const std::string& name) const {
  return server_.Tool({"xprop", "-notype", "-id", window, name}).out;
}

std::vector<std::uint32_t> XRun::Picture(const std::string& window,
                                         const XGeometry& size) const {
  const std::string raw = transcript_path_ + "." + window + ".rgb";
  server_.Tool({"import", "-silent", "-window", window, "-depth", "8", "RGB:" + raw});
  const std::string bytes = PathExists(raw) ? ReadBytes(raw) : std::string();
  const std::size_t count = static_cast<std::size_t>(size.width) * size.height;
  if (bytes.size() != count * 3) return {};
  std::vector<std::uint32_t> pixels(count);
  for (std::size_t i = 0; i < count; ++i) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + i * 3;
    pixels[i] = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
  }
  return pixels;
}

bool XRun::EndsWithin(int ms) const {
  const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    siginfo_t info{};
    // WNOWAIT: the child stays to be collected by Finish.
    if (waitid(P_PID, static_cast<id_t>(child_->pid()), &info, WEXITED | WNOHANG | WNOWAIT) ==
            0 &&
        info.si_pid != 0) {
      return true;
    }
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

RunOutcome XRun::Finish() {
  if (!EndsWithin(static_cast<int>(std::chrono::milliseconds(kPatience).count()))) {
    kill(child_->pid(), SIGKILL);
  }
  ChildResult result = child_->Wait();
  finished_ = true;
  RunOutcome outcome;
  outcome.exit_code = result.exit_code;
  outcome.err = result.err;
  outcome.transcript = TranscriptSoFar(transcript_path_);
  return outcome;
}

}  // namespace testing_support
