#include "platform/display/terminal_writer.h"

#include <cstdlib>
#include <string_view>

namespace platform {
namespace {

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::string Lowered(const char* text) {
  std::string out = text != nullptr ? text : "";
  for (char& c : out) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return out;
}

const char* FirstSet(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return nullptr;
}

std::string MoveTo(int row, int column) {
  return "\x1b[" + std::to_string(row + 1) + ";" + std::to_string(column + 1) + "H";
}

}  // namespace

TerminalTraits TraitsFromEnvironment() {
  TerminalTraits traits;
  std::string term = Lowered(std::getenv("TERM"));
  traits.colour =
      std::getenv("NO_COLOR") == nullptr &&
      (std::getenv("COLORTERM") != nullptr || Contains(term, "color") || Contains(term, "xterm") ||
       Contains(term, "screen") || Contains(term, "tmux") || Contains(term, "rxvt") ||
       term == "linux" || Contains(term, "kitty") || Contains(term, "alacritty"));
  std::string locale = Lowered(FirstSet({"LC_ALL", "LC_CTYPE", "LANG"}));
  traits.utf8 = Contains(locale, "utf-8") || Contains(locale, "utf8");
  return traits;
}

std::string StyleSequence(CellStyle style, bool colour) {
  if (colour) {
    switch (style) {
      case CellStyle::kDesktop:
        return "\x1b[0;30;46m";
      case CellStyle::kFace:
        return "\x1b[0;30;47m";
      case CellStyle::kFrame:
        return "\x1b[0;30;47m";
      case CellStyle::kCaption:
        return "\x1b[0;1;97;44m";
      case CellStyle::kCaptionInactive:
        return "\x1b[0;37;100m";
      case CellStyle::kField:
        return "\x1b[0;30;107m";
      case CellStyle::kFocus:
        return "\x1b[0;97;44m";
      case CellStyle::kSelected:
        return "\x1b[0;97;100m";
      case CellStyle::kDisabled:
        return "\x1b[0;90;47m";
      case CellStyle::kToday:
        return "\x1b[0;1;31;107m";
    }
  }
  switch (style) {
    case CellStyle::kCaption:
    case CellStyle::kFocus:
      return "\x1b[0;7m";
    case CellStyle::kCaptionInactive:
    case CellStyle::kToday:
      return "\x1b[0;1m";
    case CellStyle::kSelected:
      return "\x1b[0;4m";
    case CellStyle::kDisabled:
      return "\x1b[0;2m";
    default:
      return "\x1b[0m";
  }
}

std::string TerminalWriter::Frame(const CellCanvas& canvas, const PaintedCursor& cursor) {
  std::string out = "\x1b[?25l";
  bool whole = previous_.size() != static_cast<std::size_t>(canvas.columns() * canvas.rows()) ||
               columns_ != canvas.columns();
  if (whole) out += "\x1b[0m\x1b[2J";
  for (int row = 0; row < canvas.rows(); ++row) {
    bool same = !whole;
    for (int column = 0; same && column < canvas.columns(); ++column) {
      same = previous_[static_cast<std::size_t>(row * canvas.columns() + column)] ==
             canvas.at(column, row);
    }
    if (same) continue;
    out += MoveTo(row, 0);
    bool first = true;
    CellStyle style = CellStyle::kDesktop;
    for (int column = 0; column < canvas.columns(); ++column) {
      const Cell& cell = canvas.at(column, row);
      if (first || cell.style != style) {
        out += StyleSequence(cell.style, traits_.colour);
        style = cell.style;
        first = false;
      }
      if (traits_.utf8) {
        AppendUtf8(out, cell.character);
      } else {
        out += AsciiFallback(cell.character);
      }
    }
  }
  out += "\x1b[0m";
  out += MoveTo(cursor.row, cursor.column);
  if (cursor.shown) out += "\x1b[?25h";
  columns_ = canvas.columns();
  previous_.clear();
  for (int row = 0; row < canvas.rows(); ++row) {
    for (int column = 0; column < canvas.columns(); ++column)
      previous_.push_back(canvas.at(column, row));
  }
  return out;
}

}  // namespace platform
