#include "runtime/frame/process_entry.h"

#include "runtime/frame/built_in_fonts.h"
#include "runtime/frame/float_state.h"
#include "runtime/frame/process_state.h"
#include "runtime/frame/programming_error.h"
#include "runtime/frame/runtime_lists.h"
#include "runtime/frame/start_up_facts.h"
#include "runtime/frame/thread_record.h"

namespace runtime {
namespace {

constexpr char kRefusedPlatformText[] = "Win98 No Support";
constexpr UINT kRefusedPlatformStyle = MB_TASKMODAL | MB_SETFOREGROUND;

bool PlatformAccepted(ProcessState& process, const FramePlatformCalls& calls) {
  process.os_version = {};
  process.os_version.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
  calls.GetVersionExA(&process.os_version);  // the result is not examined: the id decides
  if (process.os_version.dwPlatformId == VER_PLATFORM_WIN32_NT) return true;
  calls.MessageBoxA(nullptr, kRefusedPlatformText, nullptr, kRefusedPlatformStyle);
  return false;
}

void GiveBackTlsSlot(ProcessState& process, const FramePlatformCalls& calls) {
  calls.TlsFree(process.tls_slot);
  process.tls_slot = TLS_OUT_OF_INDEXES;
}

// Thread-local storage and the main thread's record, whose defaults seed later threads.
bool MainThreadReady(ProcessState& process, const FramePlatformCalls& calls) {
  process.tls_slot = calls.TlsAlloc();
  if (process.tls_slot == TLS_OUT_OF_INDEXES) return false;
  ThreadRecord* record = CurrentThreadRecord();
  if (record == nullptr) {
    GiveBackTlsSlot(process, calls);
    return false;
  }
  process.main_thread_record = record;
  record->default_dialog_font = 1;
  record->default_fonts[0] = 1;
  record->default_fonts[1] = 2;
  record->default_fonts[2] = 3;
  record->code_page = CP_ACP;
  return true;
}

// The program's own start routine: a clean slate, then the main routine once.
std::int32_t StartProgram(const ProgramImage& program, const ProcessState& process) {
  if (process.started) {
    if (program.clear_globals != nullptr) program.clear_globals();
    ResetRuntimeLists();
  }
  SetRuntimeFloatControl();
  CreateBuiltInFonts();
  return program.app_main(process.instance, nullptr, process.command_tail, process.show_state);
}

}  // namespace

UINT RunProgram(const ProgramImage& program, const FramePlatformCalls& calls) {
  VESTRALINO_EXPECT(program.app_main != nullptr, "a program image needs a main routine");
  ProcessState& process = Process();

  // Literal texts are built with their length prefix at compile time: nothing to prepare.
  process.started = true;
  if (!PlatformAccepted(process, calls)) return kStartUpFailureExitCode;

  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  calls.GetStartupInfoA(&startup);
  process.show_state = InitialShowState(startup);
  process.command_tail = CommandTail(calls.GetCommandLineW());
  process.instance = calls.GetModuleHandleW(nullptr);

  if (!MainThreadReady(process, calls)) return kStartUpFailureExitCode;

  calls.CoInitialize(nullptr);  // a failure changes nothing the program relies on
  if (build_option::kCommonControlClasses != 0) {
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), build_option::kCommonControlClasses};
    calls.InitCommonControlsEx(&classes);
  }

  std::int32_t result = StartProgram(program, process);

  if (program.release_globals != nullptr) program.release_globals();
  ReleaseThreadRecord();
  GiveBackTlsSlot(process, calls);
  calls.CoUninitialize();
  return static_cast<UINT>(result);
}

void ProcessEntry(const ProgramImage& program) {
  ExitProcess(RunProgram(program));
}

}  // namespace runtime
