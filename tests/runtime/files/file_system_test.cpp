#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "runtime/files/os_error.h"
#include "tests/runtime/files/files_fixture.h"

namespace runtime {
namespace {

using testing_support::PathExists;
using testing_support::WriteBytes;

class FileSystemTest : public FilesTest {
 protected:
  RuntimeErrorCode Attributes(const std::string& path, DWORD* attributes) {
    frame_.errors.ClearError();
    PushPath(path);
    *attributes = FileAttributesGet(frame_);
    return frame_.errors.TakeErrorCode();
  }

  RuntimeErrorCode Delete(const std::string& pattern) {
    frame_.errors.ClearError();
    PushPath(pattern);
    FileDelete(frame_);
    return frame_.errors.TakeErrorCode();
  }
};

TEST_F(FileSystemTest, AttributesOfFilesDirectoriesAndMissingPaths) {
  WriteBytes(PathOf("plain"), "x");
  ::mkdir(PathOf("folder").c_str(), 0700);
  DWORD attributes = 0;
  EXPECT_EQ(Attributes(PathOf("plain"), &attributes), 0);
  EXPECT_EQ(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(Attributes(PathOf("folder"), &attributes), 0);
  EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(Attributes(PathOf("absent"), &attributes), error::kFileNotFound);
  EXPECT_EQ(Attributes(PathOf("absent/deeper"), &attributes), error::kFileNotFound);
  EXPECT_EQ(attributes, 0u);
  // A name that exists but holds a wildcard character is refused before any lookup.
  WriteBytes(PathOf("what?"), "x");
  EXPECT_EQ(Attributes(PathOf("what?"), &attributes), error::kBadFileName);
  EXPECT_EQ(Attributes(PathOf("*"), &attributes), error::kBadFileName);
}

TEST_F(FileSystemTest, SetAttributesKeepsOnlyTheSettableBits) {
  const std::string path = PathOf("file");
  WriteBytes(path, "x");
  DWORD attributes = 0;
  ASSERT_EQ(SetAttributes(path, 0xFF), 0);
  ASSERT_EQ(Attributes(path, &attributes), 0);
  EXPECT_EQ(attributes & 0x3F, 0x27u);
  ASSERT_EQ(SetAttributes(path, FILE_ATTRIBUTE_ARCHIVE), 0);
  ASSERT_EQ(Attributes(path, &attributes), 0);
  EXPECT_EQ(attributes & 0x3F, 0x20u);

  EXPECT_EQ(SetAttributes(PathOf("absent"), 0x20), error::kFileNotFound);
  EXPECT_EQ(SetAttributes(PathOf("absent/deeper"), 0x20), error::kPathNotFound);
  EXPECT_EQ(SetAttributes(PathOf("f?le"), 0x20), error::kBadFileName);
}

TEST_F(FileSystemTest, DeletingADirectorySkipsHiddenSystemAndFolders) {
  const std::string folder = PathOf("d");
  ::mkdir(folder.c_str(), 0700);
  for (const char* name : {"a", "b", "hidden", "system"}) WriteBytes(folder + "/" + name, "x");
  ::mkdir((folder + "/sub").c_str(), 0700);
  ASSERT_EQ(SetAttributes(folder + "/hidden", FILE_ATTRIBUTE_HIDDEN), 0);
  ASSERT_EQ(SetAttributes(folder + "/system", FILE_ATTRIBUTE_SYSTEM), 0);

  EXPECT_EQ(Delete(folder + "\\"), 0);
  EXPECT_FALSE(PathExists(folder + "/a"));
  EXPECT_FALSE(PathExists(folder + "/b"));
  EXPECT_TRUE(PathExists(folder + "/hidden"));
  EXPECT_TRUE(PathExists(folder + "/system"));
  EXPECT_TRUE(PathExists(folder + "/sub"));
}

TEST_F(FileSystemTest, DeletingStopsAtTheFirstReadOnlyFile) {
  const std::string folder = PathOf("d");
  ::mkdir(folder.c_str(), 0700);
  for (const char* name : {"1", "2", "3", "4"}) WriteBytes(folder + "/" + name, "x");
  ASSERT_EQ(SetAttributes(folder + "/3", FILE_ATTRIBUTE_READONLY), 0);
  EXPECT_EQ(Delete(folder + "/"), error::kPermissionDenied);
  EXPECT_FALSE(PathExists(folder + "/1"));
  EXPECT_FALSE(PathExists(folder + "/2"));
  EXPECT_TRUE(PathExists(folder + "/3"));
  EXPECT_TRUE(PathExists(folder + "/4"));
}

TEST_F(FileSystemTest, DeletingNothing) {
  EXPECT_EQ(Delete(PathOf("nothing*")), error::kFileNotFound);
  EXPECT_EQ(Delete(""), 0);
  EXPECT_EQ(frame_.strings.depth(), 0);
}

// Found names are deleted relative to the pattern's directory however it is written, not
// relative to the current directory.
TEST_F(FileSystemTest, DeletingByPatternStaysInThePatternsDirectory) {
  const std::string folder = PathOf("d");
  const std::string elsewhere = PathOf("cwd");
  ::mkdir(folder.c_str(), 0700);
  ::mkdir(elsewhere.c_str(), 0700);
  WriteBytes(folder + "/x1", "x");
  WriteBytes(elsewhere + "/x1", "x");
  char previous[4096];
  ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(::chdir(elsewhere.c_str()), 0);
  RuntimeErrorCode code = Delete(folder + "/x*");
  ASSERT_EQ(::chdir(previous), 0);
  EXPECT_EQ(code, 0);
  EXPECT_FALSE(PathExists(folder + "/x1"));
  EXPECT_TRUE(PathExists(elsewhere + "/x1"));
}

TEST_F(FileSystemTest, DiskSpaceOfTheVolumesThisPlatformHas) {
  for (const std::string& path : {dir_.path(), std::string("")}) {
    PushPath(path);
    const long double total = DiskSpaceTotal(frame_);
    PushPath(path);
    EXPECT_GT(total, 0) << path;
    EXPECT_LE(DiskSpaceFree(frame_), total) << path;
  }
  EXPECT_EQ(frame_.errors.ErrorCode(), 0);
  EXPECT_EQ(frame_.strings.depth(), 0);
}

TEST(OsErrorTest, MapsWin32ErrorsToRunTimeCodes) {
  struct Case {
    DWORD win32;
    RuntimeErrorCode code;
  };
  const Case cases[] = {
      {ERROR_NO_MORE_FILES, 53},     {ERROR_PATH_NOT_FOUND, 76},  {ERROR_TOO_MANY_OPEN_FILES, 67},
      {ERROR_LOCK_VIOLATION, 70},    {36, 70},                    {ERROR_INVALID_HANDLE, 57},
      {ERROR_NOT_ENOUGH_MEMORY, 7},  {ERROR_OUTOFMEMORY, 7},      {ERROR_BAD_LENGTH, 51},
      {ERROR_INVALID_DRIVE, 68},     {ERROR_NOT_SAME_DEVICE, 74}, {ERROR_NOT_READY, 71},
      {ERROR_CRC, 72},               {35, 72},                    {ERROR_HANDLE_EOF, 62},
      {ERROR_HANDLE_DISK_FULL, 61},  {ERROR_DISK_FULL, 61},       {ERROR_INVALID_PARAMETER, 5},
      {ERROR_ALREADY_EXISTS, 75},  // anything unlisted
  };
  for (const Case& c : cases) EXPECT_EQ(MapOsError(c.win32), c.code) << c.win32;
}

}  // namespace
}  // namespace runtime
