#include "app/app_main.h"

#include "app/daily_question.h"
#include "app/dates.h"
#include "app/log_file.h"
#include "app/program_state.h"
#include "app/start_day_dialog.h"
#include "runtime/frame/routine_frame.h"
#include "runtime/text/date_text.h"
#include "runtime/text/static_text.h"
#include "runtime/text/string_functions.h"

namespace app {

namespace {

constexpr runtime::StaticText kBackslash{"\\"};
constexpr runtime::StaticText kSlash{"/"};
// Every standard class plus the date picker (ICC_DATE_CLASSES) and the internet classes.
constexpr DWORD kApplicationControlClasses = 0x9FF;

// The frame registered its own classes at start-up; this adds the date picker.
void RegisterCommonControls() {
  HMODULE library = LoadLibraryA("COMCTL32.DLL");
  if (library == nullptr) return;
  using InitProc = BOOL (*)(const INITCOMMONCONTROLSEX*);
  // Through a plain function pointer type: FARPROC stands for any exported function.
  FARPROC found = GetProcAddress(library, "InitCommonControlsEx");
  if (auto init = reinterpret_cast<InitProc>(reinterpret_cast<void (*)()>(found))) {
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), kApplicationControlClasses};
    init(&classes);
  } else {
    InitCommonControls();
  }
  FreeLibrary(library);
}

void SetToday(ProgramState& program) {
  runtime::RoutineFrame frame;
  runtime::DateText(frame.strings);
  runtime::DynString month_first;
  frame.strings.PopAssign(month_first);
  runtime::DynString separator = runtime::DynString::Copy(frame.errors, kSlash.view());
  program.today_text = FormatToday(program, month_first, separator);
}

}  // namespace

void SetAppDirectory(ProgramState& program, const char* executable_path) {
  runtime::RoutineFrame frame;
  auto& s = frame.strings;
  s.PushFromCString(executable_path);
  runtime::DynString path;
  s.PopAssign(path);
  s.PushBorrowed(path);
  s.PushBorrowed(kBackslash);
  std::int32_t last_backslash = runtime::FindText(s, -1);
  s.PushBorrowed(path);
  runtime::Substring(s, 1, last_backslash);
  s.PopToCBuffer(program.app_dir, kAppDirSize);
}

std::int32_t AppMain(HINSTANCE, HINSTANCE, const WCHAR*, int) {
  ProgramState& program = Program();
  RegisterCommonControls();
  SetToday(program);

  char executable_path[256] = {};
  GetModuleFileNameA(GetModuleHandleA(nullptr), executable_path, 255);
  SetAppDirectory(program, executable_path);

  char log_path[kLogPathSize];
  {
    runtime::RoutineFrame frame;
    PushLogPath(frame.strings, program);
    frame.strings.PopToCBuffer(log_path, kLogPathSize);
  }
  if (!LogFileExists(log_path)) {
    ShowStartDayDialog(nullptr);
    return 0;
  }

  ReadStartDate(program);
  program.day_count = DaysSinceStart(program.start_text, program.today_text);
  if (AskDailyQuestion(program)) {
    DeleteLog(program);
  } else {
    AppendLogRecord(program);
  }
  return 0;
}

}  // namespace app
