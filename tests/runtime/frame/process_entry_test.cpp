#include "runtime/frame/process_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/frame/process_state.h"
#include "runtime/frame/runtime_lists.h"
#include "runtime/frame/start_up_facts.h"
#include "runtime/frame/thread_record.h"

namespace runtime {
namespace {

TEST(CommandTailTest, FollowsTheProgramNameRules) {
  struct Case {
    const WCHAR* line;
    const WCHAR* tail;
  };
  const Case cases[] = {
      {u"\"C:\\My Programs\\v.exe\"   abc", u"abc"},  // blanks inside the quotes: the name
      {u"v.exe", u""},
      {u"v.exe\tabc", u"\tabc"},  // a tab ends the name but is not skipped after it
      {u"v.exe\x01"
       u"abc",
       u"\x01"
       u"abc"},                  // a control character ends the name, stays
      {u"\"v.exe\"abc", u"abc"},  // the closing quote ends the name
      {u"\"C:\\v.exe", u""},      // unterminated quote: the search stops at the NUL
      {u"   abc", u"abc"},        // a blank right away: an empty program name, then blanks
  };
  for (const Case& c : cases) {
    EXPECT_EQ(std::u16string(CommandTail(c.line)), std::u16string(c.tail))
        << std::string(c.line, c.line + std::char_traits<char16_t>::length(c.line)).c_str();
  }
  EXPECT_EQ(std::u16string(CommandTail(nullptr)), u"");
}

TEST(ShowStateTest, TakesWShowWindowOnlyWhenAskedTo) {
  STARTUPINFOA startup{};
  startup.wShowWindow = SW_HIDE;
  EXPECT_EQ(InitialShowState(startup), SW_SHOWDEFAULT);
  startup.dwFlags = 0x40;  // another flag alone
  EXPECT_EQ(InitialShowState(startup), SW_SHOWDEFAULT);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  EXPECT_EQ(InitialShowState(startup), SW_HIDE);
}

// --- Start-up and shut-down watched through the platform-call table.

std::vector<std::string>* journal = nullptr;
DWORD platform_id = VER_PLATFORM_WIN32_NT;
bool tls_fails = false;
std::string box_text;
UINT box_style = 0;
bool box_had_caption = true;
DWORD tls_slot_seen = TLS_OUT_OF_INDEXES;
bool record_seen = false;
const WCHAR* tail_seen = nullptr;
int show_state_seen = -1;
INITCOMMONCONTROLSEX classes_seen{};

void Note(const char* step) {
  if (journal != nullptr) journal->push_back(step);
}

FramePlatformCalls WatchedCalls() {
  FramePlatformCalls calls;
  calls.GetVersionExA = [](OSVERSIONINFOA* info) -> BOOL {
    Note("GetVersionExA");
    EXPECT_EQ(info->dwOSVersionInfoSize, 148u);
    info->dwPlatformId = platform_id;
    return TRUE;
  };
  calls.MessageBoxA = [](HWND owner, LPCSTR text, LPCSTR caption, UINT style) -> int {
    Note("MessageBoxA");
    EXPECT_EQ(owner, nullptr);
    box_text = text;
    box_had_caption = caption != nullptr;
    box_style = style;
    return IDOK;
  };
  calls.GetStartupInfoA = [](STARTUPINFOA* info) {
    Note("GetStartupInfoA");
    info->dwFlags = 0;
  };
  calls.GetCommandLineW = []() -> LPWSTR {
    Note("GetCommandLineW");
    static WCHAR line[] = u"\"/tmp/a b/vestralino\"   abc";
    return line;
  };
  calls.GetModuleHandleW = [](LPCWSTR name) -> HMODULE {
    Note("GetModuleHandleW");
    EXPECT_EQ(name, nullptr);
    return ::GetModuleHandleW(nullptr);
  };
  calls.TlsAlloc = []() -> DWORD {
    Note("TlsAlloc");
    return tls_fails ? TLS_OUT_OF_INDEXES : ::TlsAlloc();
  };
  calls.TlsFree = [](DWORD index) -> BOOL {
    Note("TlsFree");
    EXPECT_EQ(index, tls_slot_seen);
    return ::TlsFree(index);
  };
  calls.CoInitialize = [](LPVOID reserved) -> HRESULT {
    Note("CoInitialize");
    EXPECT_EQ(reserved, nullptr);
    return S_OK;
  };
  calls.CoUninitialize = []() { Note("CoUninitialize"); };
  calls.InitCommonControlsEx = [](const INITCOMMONCONTROLSEX* init) -> BOOL {
    Note("InitCommonControlsEx");
    classes_seen = *init;
    return TRUE;
  };
  return calls;
}

std::int32_t WatchedAppMain(HINSTANCE instance, HINSTANCE previous, const WCHAR* tail,
                            int show_state) {
  Note("AppMain");
  EXPECT_NE(instance, nullptr);
  EXPECT_EQ(previous, nullptr);
  tail_seen = tail;
  show_state_seen = show_state;
  tls_slot_seen = Process().tls_slot;
  // The main thread's record, with the default fonts other threads copy.
  const ThreadRecord* record = CurrentThreadRecord();
  record_seen = record != nullptr && record == Process().main_thread_record &&
                record->default_dialog_font == 1 && record->default_fonts[0] == 1 &&
                record->default_fonts[1] == 2 && record->default_fonts[2] == 3;
  return 0;
}

class ProcessEntryTest : public testing::Test {
 protected:
  void SetUp() override {
    journal = &steps_;
    platform_id = VER_PLATFORM_WIN32_NT;
    tls_fails = false;
    record_seen = false;
    live_before_ = Process().live_threads.load();
  }
  void TearDown() override {
    journal = nullptr;
    // Whatever happened, the frame leaves no slot or main record behind.
    EXPECT_EQ(Process().tls_slot, TLS_OUT_OF_INDEXES);
    EXPECT_EQ(Process().main_thread_record, nullptr);
    EXPECT_EQ(Process().live_threads.load(), live_before_);
  }

  ProgramImage Image(AppMainProc app_main = &WatchedAppMain) {
    ProgramImage image;
    image.app_main = app_main;
    image.clear_globals = [] { Note("clear_globals"); };
    image.release_globals = [] { Note("release_globals"); };
    return image;
  }

  std::vector<std::string> steps_;
  std::int32_t live_before_ = 0;
};

void NoteListReset() {
  Note("reset lists");
}

TEST_F(ProcessEntryTest, StartsAndShutsDownInOrder) {
  RegisterRuntimeListReset(&NoteListReset);
  EXPECT_EQ(RunProgram(Image(), WatchedCalls()), 0u);
  const std::vector<std::string> expected = {
      "GetVersionExA", "GetStartupInfoA", "GetCommandLineW",      "GetModuleHandleW",
      "TlsAlloc",      "CoInitialize",    "InitCommonControlsEx", "clear_globals",
      "reset lists",   "AppMain",         "release_globals",      "TlsFree",
      "CoUninitialize"};
  EXPECT_EQ(steps_, expected);
  EXPECT_TRUE(Process().started);
  EXPECT_EQ(classes_seen.dwSize, 8u);
  EXPECT_EQ(classes_seen.dwICC, 0x706Fu);
  EXPECT_EQ(std::u16string(tail_seen), u"abc");
  EXPECT_EQ(show_state_seen, SW_SHOWDEFAULT);
  EXPECT_TRUE(record_seen);
}

TEST_F(ProcessEntryTest, AnotherPlatformIsRefusedWithABox) {
  for (DWORD id : {VER_PLATFORM_WIN32s, VER_PLATFORM_WIN32_WINDOWS, DWORD{3}}) {
    SCOPED_TRACE(id);
    steps_.clear();
    platform_id = id;
    EXPECT_EQ(RunProgram(Image(), WatchedCalls()), 255u);
    EXPECT_EQ(steps_, (std::vector<std::string>{"GetVersionExA", "MessageBoxA"}));
    EXPECT_EQ(box_text, "Win98 No Support");
    EXPECT_FALSE(box_had_caption);
    EXPECT_EQ(box_style, 0x12000u);
  }
}

TEST_F(ProcessEntryTest, NoTlsSlotEndsWith255BeforeTheMainRoutine) {
  tls_fails = true;
  EXPECT_EQ(RunProgram(Image(), WatchedCalls()), 255u);
  EXPECT_EQ(steps_, (std::vector<std::string>{"GetVersionExA", "GetStartupInfoA", "GetCommandLineW",
                                              "GetModuleHandleW", "TlsAlloc"}));
}

TEST(ProcessEntryDeathTest, ProcessEntryEndsTheProcessWithTheResult) {
  ProgramImage image;
  image.app_main = [](HINSTANCE, HINSTANCE, const WCHAR*, int) -> std::int32_t { return 3; };
  EXPECT_EXIT(ProcessEntry(image), testing::ExitedWithCode(3), "");
}

}  // namespace
}  // namespace runtime
