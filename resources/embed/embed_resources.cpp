// embed_resources: turns a resource list and the files it names into a C++ source holding
// a table of platform::ResourceEntry (platform/kernel/resource_table.h), with each
// resource's bytes laid out as Windows stores them in an executable's resource section.
//
//   embed_resources LIST OUTPUT.cpp --register        the executable's resources
//   embed_resources LIST OUTPUT.cpp --symbol NAME     platform::NAME, a span of entries
//
// The list has one resource per line; '#' starts a comment; file names are relative to
// the list's folder. A name is a decimal id or a word (kept in upper case).
//
//   ICON name file.png...            RT_GROUP_ICON `name` and one RT_ICON per image
//   CURSOR name x y file.png...      RT_GROUP_CURSOR and RT_CURSOR images, hot spot (x, y)
//                                    in pixels of a 32 px image, scaled for other sizes
//   BITMAP name file.bmp             RT_BITMAP: the file without its BITMAPFILEHEADER
//   type name file                   any other type (a number, or MANIFEST = 24): raw bytes
//   IMAGE_IDS first                  RT_ICON / RT_CURSOR ids count on from `first` (for a
//                                    list linked beside another one)
//
// Images narrower than 256 px become 32-bpp DIBs (a BITMAPINFOHEADER with twice the
// height, the colour rows bottom-up with alpha, then the 1-bpp AND mask); 256 px images
// stay PNG files, as Windows keeps them. RT_ICON and RT_CURSOR ids count from 1 in list
// order. This tool is built and run by the build; it uses libpng and nothing of ours.
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kRtCursor = 1;
constexpr int kRtBitmap = 2;
constexpr int kRtIcon = 3;
constexpr int kRtGroupCursor = 12;
constexpr int kRtGroupIcon = 14;
constexpr int kRtManifest = 24;

struct Key {
  int id = 0;        // when `text` is empty
  std::string text;  // upper case
};

struct Resource {
  Key type;
  Key name;
  Bytes data;
};

[[noreturn]] void Fail(const std::string& why) { throw std::runtime_error(why); }

Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail("cannot read " + path.string());
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

struct Image {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<std::uint8_t> bgra;  // top-down, straight alpha
  Bytes png;                       // the file as read
};

Image ReadPng(const std::filesystem::path& path) {
  Image image;
  image.png = ReadFile(path);
  png_image decoder;
  std::memset(&decoder, 0, sizeof decoder);
  decoder.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&decoder, image.png.data(), image.png.size())) {
    Fail(path.string() + ": " + decoder.message);
  }
  decoder.format = PNG_FORMAT_BGRA;
  image.width = decoder.width;
  image.height = decoder.height;
  image.bgra.resize(PNG_IMAGE_SIZE(decoder));
  if (!png_image_finish_read(&decoder, nullptr, image.bgra.data(), 0, nullptr)) {
    Fail(path.string() + ": " + decoder.message);
  }
  return image;
}

// An icon or cursor image as RT_ICON stores it: PNG from 256 px up, else a 32-bpp DIB.
Bytes IconImageBytes(const Image& image) {
  if (image.width >= 256) return image.png;
  const std::uint32_t w = image.width;
  const std::uint32_t h = image.height;
  const std::uint32_t mask_stride = ((w + 31) / 32) * 4;
  Bytes out;
  Put32(out, 40);      // biSize
  Put32(out, w);       // biWidth
  Put32(out, 2 * h);   // biHeight: colour and mask
  Put16(out, 1);       // biPlanes
  Put16(out, 32);      // biBitCount
  Put32(out, 0);       // biCompression = BI_RGB
  Put32(out, w * h * 4 + mask_stride * h);  // biSizeImage
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (std::uint32_t row = h; row-- > 0;) {
    const std::uint8_t* p = &image.bgra[row * w * 4];
    out.insert(out.end(), p, p + w * 4);
  }
  for (std::uint32_t row = h; row-- > 0;) {
    Bytes bits(mask_stride, 0);
    for (std::uint32_t x = 0; x < w; ++x) {
      if (image.bgra[(row * w + x) * 4 + 3] == 0) bits[x / 8] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), bits.begin(), bits.end());
  }
  return out;
}

Key ParseKey(const std::string& word) {
  Key key;
  if (!word.empty() && word.find_first_not_of("0123456789") == std::string::npos) {
    key.id = std::stoi(word);
    if (key.id > 0xFFFF) Fail("id out of range: " + word);
    return key;
  }
  for (char c : word) key.text.push_back(static_cast<char>(std::toupper(c)));
  return key;
}

class ListReader {
 public:
  explicit ListReader(std::filesystem::path list) : folder_(list.parent_path()) {
    std::ifstream in(list);
    if (!in) Fail("cannot read " + list.string());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
      std::istringstream words(line);
      std::vector<std::string> w;
      for (std::string word; words >> word;) w.push_back(word);
      if (w.empty()) continue;
      if (w.size() == 2 && w[0] == "IMAGE_IDS") {
        next_icon_id_ = next_cursor_id_ = std::stoi(w[1]);
        continue;
      }
      if (w.size() < 3) Fail(list.string() + ":" + std::to_string(number) + ": too short");
      Add(w);
    }
  }

  std::vector<Resource> resources;

 private:
  void Add(const std::vector<std::string>& w) {
    const Key name = ParseKey(w[1]);
    if (w[0] == "ICON") {
      AddGroup(kRtIcon, kRtGroupIcon, name, {w.begin() + 2, w.end()}, 0, 0);
    } else if (w[0] == "CURSOR") {
      if (w.size() < 5) Fail("CURSOR needs a hot spot and an image");
      AddGroup(kRtCursor, kRtGroupCursor, name, {w.begin() + 4, w.end()}, std::stoi(w[2]),
               std::stoi(w[3]));
    } else if (w[0] == "BITMAP") {
      Bytes file = ReadFile(folder_ / w[2]);
      if (file.size() < 14 || file[0] != 'B' || file[1] != 'M') Fail(w[2] + ": not a .bmp");
      resources.push_back({{kRtBitmap, {}}, name, Bytes(file.begin() + 14, file.end())});
    } else {
      const Key type = w[0] == "MANIFEST" ? Key{kRtManifest, {}} : ParseKey(w[0]);
      resources.push_back({type, name, ReadFile(folder_ / w[2])});
    }
  }

  // A group directory (GRPICONDIR / GRPCURSORDIR and their 14-byte entries) and its images.
  void AddGroup(int image_type, int group_type, const Key& name,
                const std::vector<std::string>& files, int hot_x, int hot_y) {
    const bool icon = image_type == kRtIcon;
    int& next_id = icon ? next_icon_id_ : next_cursor_id_;
    Bytes group;
    Put16(group, 0);
    Put16(group, icon ? 1 : 2);
    Put16(group, static_cast<std::uint32_t>(files.size()));
    for (const std::string& file : files) {
      const Image image = ReadPng(folder_ / file);
      Bytes bits;
      if (!icon) {
        Put16(bits, static_cast<std::uint32_t>(hot_x * static_cast<int>(image.width) / 32));
        Put16(bits, static_cast<std::uint32_t>(hot_y * static_cast<int>(image.height) / 32));
      }
      const Bytes pixels = IconImageBytes(image);
      bits.insert(bits.end(), pixels.begin(), pixels.end());
      if (icon) {
        group.push_back(static_cast<std::uint8_t>(image.width >= 256 ? 0 : image.width));
        group.push_back(static_cast<std::uint8_t>(image.height >= 256 ? 0 : image.height));
        group.push_back(0);  // bColorCount
        group.push_back(0);  // bReserved
      } else {
        Put16(group, image.width);
        Put16(group, image.height * 2);
      }
      Put16(group, 1);   // wPlanes
      Put16(group, 32);  // wBitCount
      Put32(group, static_cast<std::uint32_t>(bits.size()));
      Put16(group, static_cast<std::uint32_t>(next_id));
      resources.push_back({{image_type, {}}, {next_id, {}}, std::move(bits)});
      ++next_id;
    }
    resources.push_back({{group_type, {}}, name, std::move(group)});
  }

  std::filesystem::path folder_;
  int next_icon_id_ = 1;
  int next_cursor_id_ = 1;
};

std::string KeyText(const Key& key) {
  if (key.text.empty()) return "{" + std::to_string(key.id) + ", nullptr}";
  return "{0, u\"" + key.text + "\"}";
}

void WriteSource(const std::vector<Resource>& resources, const std::string& list,
                 const std::string& symbol, std::ostream& out) {
  out << "// Generated by embed_resources from " << list << ": do not edit.\n"
      << "#include \"platform/kernel/resource_table.h\"\n\n"
      << "namespace {\n\n";
  for (std::size_t i = 0; i < resources.size(); ++i) {
    out << "alignas(8) const BYTE kData" << i << "[] = {";
    const Bytes& data = resources[i].data;
    for (std::size_t b = 0; b < data.size(); ++b) {
      out << (b % 20 == 0 ? "\n   " : "") << ' ' << static_cast<int>(data[b]) << ',';
    }
    out << "\n};\n";
  }
  out << "\nconst platform::ResourceEntry kEntries[] = {\n";
  for (std::size_t i = 0; i < resources.size(); ++i) {
    out << "    {" << KeyText(resources[i].type) << ", " << KeyText(resources[i].name)
        << ", 0, kData" << i << ", sizeof kData" << i << "},\n";
  }
  out << "};\n\n";
  if (symbol.empty()) {
    out << "const platform::ResourceRegistration kRegistration{kEntries};\n\n}  // namespace\n";
  } else {
    out << "}  // namespace\n\nnamespace platform {\nextern const std::span<const ResourceEntry> "
        << symbol << ";\nconst std::span<const ResourceEntry> " << symbol
        << "{kEntries};\n}  // namespace platform\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string usage = "usage: embed_resources LIST OUTPUT.cpp (--register | --symbol NAME)";
  try {
    if (argc < 4) Fail(usage);
    const std::string mode = argv[3];
    std::string symbol;
    if (mode == "--symbol" && argc == 5) {
      symbol = argv[4];
    } else if (mode != "--register" || argc != 4) {
      Fail(usage);
    }
    const ListReader reader{std::filesystem::path(argv[1])};
    std::ostringstream text;
    WriteSource(reader.resources, std::filesystem::path(argv[1]).filename().string(), symbol,
                text);
    // Written through a temporary, so an interrupted run leaves no half source behind.
    const std::string output = argv[2];
    {
      std::ofstream out(output + ".tmp", std::ios::binary);
      out << text.str();
      if (!out) Fail("cannot write " + output);
    }
    std::filesystem::rename(output + ".tmp", output);
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "embed_resources: " << error.what() << '\n';
    return 1;
  }
}
