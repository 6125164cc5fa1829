// 24-byte records through RecordTransfer (random mode, base 1, record length 24, the
// log file's shape) against lseek + write / lseek + read on a file of the same kind, each
// pair measured in the same run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "runtime/files/file_table.h"
#include "runtime/files/record_transfer.h"
#include "runtime/frame/routine_frame.h"

namespace {

constexpr std::uint32_t kRecordLength = 24;
// Appending starts again on an empty file after this many records, so the file stays
// small whatever the iteration count.
constexpr std::int64_t kRecordsPerFile = 1 << 16;
constexpr std::int64_t kRecordsToRead = 4096;
constexpr runtime::FileNumber kNumber = 1;

class ScratchFile {
 public:
  ScratchFile() {
    const char* base = std::getenv("TMPDIR");
    directory_ = std::string(base && *base ? base : "/tmp") + "/vestralino-bench-XXXXXX";
    if (mkdtemp(directory_.data()) == nullptr) std::abort();
    path_ = directory_ + "/records";
  }
  ~ScratchFile() {
    ::unlink(path_.c_str());
    ::rmdir(directory_.c_str());
  }
  const std::string& path() const { return path_; }

 private:
  std::string directory_;
  std::string path_;
};

void Fill(const std::string& path, std::int64_t records) {
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
  std::string bytes(static_cast<std::size_t>(records * kRecordLength), 'r');
  if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
  ::close(fd);
}

void OpenRecords(runtime::RoutineFrame& frame, const std::string& path) {
  frame.strings.PushCopy(path);
  frame.strings.SlotToWide(0);
  // Random mode, read and write, access explicit, no sharing.
  runtime::FileOpen(frame, kNumber, 0x04E1, kRecordLength, 1);
  if (frame.errors.ErrorCode() != 0) std::abort();
}

void BM_Append_RecordTransfer(benchmark::State& state) {
  ScratchFile file;
  runtime::RoutineFrame frame;
  OpenRecords(frame, file.path());
  char record[kRecordLength];
  std::memset(record, 'a', sizeof record);
  std::int64_t next = 1;
  for (auto _ : state) {
    runtime::RecordTransfer(frame, kNumber, 0x0081, record, kRecordLength,
                            static_cast<long double>(next));
    if (++next > kRecordsPerFile) {
      state.PauseTiming();
      runtime::FileClose(frame, kNumber);
      ::truncate(file.path().c_str(), 0);
      OpenRecords(frame, file.path());
      next = 1;
      state.ResumeTiming();
    }
  }
  runtime::FileClose(frame, kNumber);
  if (frame.errors.ErrorCode() != 0) state.SkipWithError("a transfer failed");
  state.SetBytesProcessed(state.iterations() * kRecordLength);
}

void BM_Append_LseekWrite(benchmark::State& state) {
  ScratchFile file;
  int fd = ::open(file.path().c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
  char record[kRecordLength];
  std::memset(record, 'a', sizeof record);
  std::int64_t next = 1;
  bool failed = false;
  for (auto _ : state) {
    ::lseek(fd, (next - 1) * kRecordLength, SEEK_SET);
    failed |= ::write(fd, record, kRecordLength) != kRecordLength;
    if (++next > kRecordsPerFile) {
      state.PauseTiming();
      if (::ftruncate(fd, 0) != 0) failed = true;
      next = 1;
      state.ResumeTiming();
    }
  }
  ::close(fd);
  if (failed) state.SkipWithError("a write failed");
  state.SetBytesProcessed(state.iterations() * kRecordLength);
}

void BM_Read_RecordTransfer(benchmark::State& state) {
  ScratchFile file;
  Fill(file.path(), kRecordsToRead);
  runtime::RoutineFrame frame;
  OpenRecords(frame, file.path());
  char record[kRecordLength];
  std::int64_t next = 0;
  for (auto _ : state) {
    runtime::RecordTransfer(frame, kNumber, 0x0001, record, kRecordLength,
                            static_cast<long double>(next + 1));
    benchmark::DoNotOptimize(record);
    next = (next + 1) % kRecordsToRead;
  }
  runtime::FileClose(frame, kNumber);
  if (frame.errors.ErrorCode() != 0) state.SkipWithError("a transfer failed");
  state.SetBytesProcessed(state.iterations() * kRecordLength);
}

void BM_Read_LseekRead(benchmark::State& state) {
  ScratchFile file;
  Fill(file.path(), kRecordsToRead);
  int fd = ::open(file.path().c_str(), O_RDWR);
  char record[kRecordLength];
  std::int64_t next = 0;
  bool failed = false;
  for (auto _ : state) {
    ::lseek(fd, next * kRecordLength, SEEK_SET);
    failed |= ::read(fd, record, kRecordLength) != kRecordLength;
    benchmark::DoNotOptimize(record);
    next = (next + 1) % kRecordsToRead;
  }
  ::close(fd);
  if (failed) state.SkipWithError("a read failed");
  state.SetBytesProcessed(state.iterations() * kRecordLength);
}

// The platform's SetFilePointer + ReadFile / WriteFile alone, without the run-time layer:
// shows which layer the difference to the raw calls comes from.
HANDLE OpenPlatformHandle(const std::string& path) {
  runtime::RoutineFrame frame;
  frame.strings.PushCopy(path);
  frame.strings.SlotToWide(0);
  HANDLE handle = CreateFileW(frame.strings.WideText(0), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) std::abort();
  return handle;
}

void BM_Append_PlatformCalls(benchmark::State& state) {
  ScratchFile file;
  HANDLE handle = OpenPlatformHandle(file.path());
  char record[kRecordLength];
  std::memset(record, 'a', sizeof record);
  std::int64_t next = 1;
  for (auto _ : state) {
    LONG high = 0;
    SetFilePointer(handle, static_cast<LONG>((next - 1) * kRecordLength), &high, FILE_BEGIN);
    DWORD written = 0;
    WriteFile(handle, record, kRecordLength, &written, nullptr);
    if (++next > kRecordsPerFile) {
      state.PauseTiming();
      SetFilePointer(handle, 0, nullptr, FILE_BEGIN);
      SetEndOfFile(handle);
      next = 1;
      state.ResumeTiming();
    }
  }
  CloseHandle(handle);
}

void BM_Read_PlatformCalls(benchmark::State& state) {
  ScratchFile file;
  Fill(file.path(), kRecordsToRead);
  HANDLE handle = OpenPlatformHandle(file.path());
  char record[kRecordLength];
  std::int64_t next = 0;
  for (auto _ : state) {
    LONG high = 0;
    SetFilePointer(handle, static_cast<LONG>(next * kRecordLength), &high, FILE_BEGIN);
    DWORD read = 0;
    ReadFile(handle, record, kRecordLength, &read, nullptr);
    benchmark::DoNotOptimize(record);
    next = (next + 1) % kRecordsToRead;
  }
  CloseHandle(handle);
}

BENCHMARK(BM_Append_RecordTransfer);
BENCHMARK(BM_Append_PlatformCalls);
BENCHMARK(BM_Append_LseekWrite);
BENCHMARK(BM_Read_RecordTransfer);
BENCHMARK(BM_Read_PlatformCalls);
BENCHMARK(BM_Read_LseekRead);

}  // namespace

BENCHMARK_MAIN();
