#include "platform/gdi/face_lookup.h"

#include <fontconfig/fontconfig.h>
#include <sys/stat.h>

#include <array>
#include <map>
#include <mutex>
#include <tuple>

#include "platform/kernel/text_codecs.h"

namespace platform::gdi {
namespace {

char16_t FoldAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? c + (u'a' - u'A') : c; }

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

struct Alias {
  std::u16string_view name;
  GenericFamily family;
};

// Faces of Windows 2000 and its successors that programs name, by the kind of face
// that metric-compatibly replaces them.
constexpr std::array kAliases = {
    Alias{u"MS Sans Serif", GenericFamily::kSans},
    Alias{u"Microsoft Sans Serif", GenericFamily::kSans},
    Alias{u"MS Shell Dlg", GenericFamily::kSans},
    Alias{u"MS Shell Dlg 2", GenericFamily::kSans},
    Alias{u"Tahoma", GenericFamily::kSans},
    Alias{u"Arial", GenericFamily::kSans},
    Alias{u"Helvetica", GenericFamily::kSans},
    Alias{u"Segoe UI", GenericFamily::kSans},
    Alias{u"Verdana", GenericFamily::kSans},
    Alias{u"System", GenericFamily::kSans},
    Alias{u"Liberation Sans", GenericFamily::kSans},
    Alias{u"sans-serif", GenericFamily::kSans},
    Alias{u"Lucida Console", GenericFamily::kMono},
    Alias{u"Courier New", GenericFamily::kMono},
    Alias{u"Courier", GenericFamily::kMono},
    Alias{u"Consolas", GenericFamily::kMono},
    Alias{u"Fixedsys", GenericFamily::kMono},
    Alias{u"Terminal", GenericFamily::kMono},
    Alias{u"Liberation Mono", GenericFamily::kMono},
    Alias{u"monospace", GenericFamily::kMono},
    Alias{u"Times New Roman", GenericFamily::kSerif},
    Alias{u"Times", GenericFamily::kSerif},
    Alias{u"MS Serif", GenericFamily::kSerif},
    Alias{u"Liberation Serif", GenericFamily::kSerif},
    Alias{u"serif", GenericFamily::kSerif},
};

// File names per style: regular, bold, italic, bold italic.
struct KnownFamily {
  const char* directory;
  std::array<const char*, 4> files;
};

constexpr std::array kLiberationDirs = {"/usr/share/fonts/truetype/liberation2/",
                                        "/usr/share/fonts/truetype/liberation/"};
constexpr const char* kDejaVuDir = "/usr/share/fonts/truetype/dejavu/";

std::array<const char*, 4> LiberationFiles(GenericFamily family) {
  switch (family) {
    case GenericFamily::kMono:
      return {"LiberationMono-Regular.ttf", "LiberationMono-Bold.ttf",
              "LiberationMono-Italic.ttf", "LiberationMono-BoldItalic.ttf"};
    case GenericFamily::kSerif:
      return {"LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf",
              "LiberationSerif-Italic.ttf", "LiberationSerif-BoldItalic.ttf"};
    case GenericFamily::kSans:
      break;
  }
  return {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "LiberationSans-Italic.ttf",
          "LiberationSans-BoldItalic.ttf"};
}

std::array<const char*, 4> DejaVuFiles(GenericFamily family) {
  switch (family) {
    case GenericFamily::kMono:
      return {"DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf", "DejaVuSansMono-Oblique.ttf",
              "DejaVuSansMono-BoldOblique.ttf"};
    case GenericFamily::kSerif:
      return {"DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSerif-Italic.ttf",
              "DejaVuSerif-BoldItalic.ttf"};
    case GenericFamily::kSans:
      break;
  }
  return {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf",
          "DejaVuSans-BoldOblique.ttf"};
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The best style file of one family directory: the exact style, then the styles that
// keep one of the two wishes, then regular.
std::optional<FaceFile> PickStyle(const std::string& directory,
                                  const std::array<const char*, 4>& files, bool bold,
                                  bool italic) {
  const int wanted = (bold ? 1 : 0) + (italic ? 2 : 0);
  const std::array<int, 4> order = {wanted, wanted & 2, wanted & 1, 0};
  for (int style : order) {
    std::string path = directory + files[style];
    if (FileExists(path)) {
      FaceFile file;
      file.path = std::move(path);
      file.bold = (style & 1) != 0;
      file.italic = (style & 2) != 0;
      return file;
    }
  }
  return std::nullopt;
}

std::string ToUtf8(std::u16string_view text) {
  std::string out(text.size() * 3, '\0');
  ConversionResult result = Utf16ToUtf8(text.data(), text.size(), out.data(), out.size(), false);
  out.resize(result.length);
  return out;
}

std::mutex& FontconfigLock() {
  static std::mutex lock;
  return lock;
}

// Asks fontconfig for `family_utf8`; when `require_family` is set the match must carry
// that family name (fontconfig otherwise answers every name with its default face).
std::optional<FaceFile> FontconfigFaceFile(const std::string& family_utf8, bool bold,
                                           bool italic, bool require_family) {
  std::lock_guard guard(FontconfigLock());
  if (FcInit() == FcFalse) return std::nullopt;
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return std::nullopt;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family_utf8.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return std::nullopt;

  std::optional<FaceFile> found;
  bool family_ok = !require_family;
  FcChar8* value = nullptr;
  for (int n = 0; !family_ok && FcPatternGetString(match, FC_FAMILY, n, &value) == FcResultMatch;
       ++n) {
    family_ok = FcStrCmpIgnoreCase(value, reinterpret_cast<const FcChar8*>(family_utf8.c_str())) == 0;
  }
  FcChar8* file = nullptr;
  if (family_ok && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
    FaceFile face;
    face.path = reinterpret_cast<const char*>(file);
    int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN, spacing = FC_PROPORTIONAL;
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    FcPatternGetInteger(match, FC_SPACING, 0, &spacing);
    face.index = index;
    face.bold = weight >= FC_WEIGHT_DEMIBOLD;
    face.italic = slant != FC_SLANT_ROMAN;
    face.fixed_pitch = spacing >= FC_MONO;
    found = std::move(face);
  }
  FcPatternDestroy(match);
  return found;
}

FaceFile GenericFaceFile(GenericFamily family, bool bold, bool italic) {
  std::optional<FaceFile> file = KnownFaceFile(family, bold, italic);
  if (!file) {
    const char* generic = family == GenericFamily::kMono    ? "monospace"
                          : family == GenericFamily::kSerif ? "serif"
                                                            : "sans-serif";
    file = FontconfigFaceFile(generic, bold, italic, false);
  }
  if (!file && family != GenericFamily::kSans) return GenericFaceFile(GenericFamily::kSans, bold, italic);
  if (!file) return FaceFile{};
  file->family = family;
  file->fixed_pitch = family == GenericFamily::kMono;
  return *file;
}

GenericFamily FamilyFromPitch(BYTE pitch_and_family) {
  if ((pitch_and_family & 0x3) == FIXED_PITCH || (pitch_and_family & 0xF0) == FF_MODERN) {
    return GenericFamily::kMono;
  }
  if ((pitch_and_family & 0xF0) == FF_ROMAN) return GenericFamily::kSerif;
  return GenericFamily::kSans;
}

}  // namespace

std::optional<GenericFamily> AliasedFamily(std::u16string_view name) {
  for (const Alias& alias : kAliases) {
    if (SameName(alias.name, name)) return alias.family;
  }
  return std::nullopt;
}

std::optional<FaceFile> KnownFaceFile(GenericFamily family, bool bold, bool italic) {
  std::optional<FaceFile> file;
  for (const char* directory : kLiberationDirs) {
    if ((file = PickStyle(directory, LiberationFiles(family), bold, italic))) break;
  }
  if (!file) file = PickStyle(kDejaVuDir, DejaVuFiles(family), bold, italic);
  if (file) {
    file->family = family;
    file->fixed_pitch = family == GenericFamily::kMono;
  }
  return file;
}

FaceFile ResolveFaceFile(std::u16string_view name, bool bold, bool italic,
                         BYTE pitch_and_family) {
  std::u16string key;
  for (char16_t c : name) key.push_back(FoldAscii(c));
  static std::mutex lock;
  static std::map<std::tuple<std::u16string, bool, bool, GenericFamily>, FaceFile> remembered;
  const GenericFamily by_pitch = FamilyFromPitch(pitch_and_family);
  const auto request = std::make_tuple(key, bold, italic, by_pitch);
  {
    std::lock_guard guard(lock);
    auto it = remembered.find(request);
    if (it != remembered.end()) return it->second;
  }

  FaceFile file;
  if (std::optional<GenericFamily> alias = AliasedFamily(name)) {
    file = GenericFaceFile(*alias, bold, italic);
  } else {
    std::optional<FaceFile> named;
    if (!name.empty()) named = FontconfigFaceFile(ToUtf8(name), bold, italic, true);
    if (named) {
      file = std::move(*named);
      file.family = file.fixed_pitch ? GenericFamily::kMono : by_pitch;
    } else {
      file = GenericFaceFile(by_pitch, bold, italic);
    }
  }
  std::lock_guard guard(lock);
  // Bounded: garbage names must not grow the table without end.
  if (remembered.size() > 256) remembered.clear();
  remembered.emplace(request, file);
  return file;
}

}  // namespace platform::gdi
