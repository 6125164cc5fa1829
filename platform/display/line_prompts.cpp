#include "platform/display/line_prompts.h"

#include <algorithm>
#include <cstdlib>

#include "platform/comctl/calendar_text.h"
#include "platform/display/cell_canvas.h"
#include "platform/display/window_cells.h"

namespace platform {
namespace {

std::string Utf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) AppendUtf8(out, c);
  return out;
}

// A letter as it is compared: lower case, the accents of Latin-1 dropped.
char32_t Folded(char32_t c) {
  if (c >= 0xC0 && c <= 0xFF) c = static_cast<unsigned char>(AsciiFallback(c));
  if (c >= U'A' && c <= U'Z') c += 32;
  return c;
}

std::u32string FoldedText(std::u32string_view text) {
  std::u32string out;
  for (char32_t c : text) out += Folded(c);
  while (!out.empty() && out.back() == U' ') out.pop_back();
  while (!out.empty() && out.front() == U' ') out.erase(out.begin());
  return out;
}

// The label a field goes by: the nearest label above it or to its left.
const ControlView* LabelOf(const WindowView& w, const ControlView& field) {
  const ControlView* best = nullptr;
  long best_distance = 0;
  for (const ControlView& c : w.controls) {
    if (c.kind != ControlKind::kLabel || c.text.empty()) continue;
    bool above = c.screen.bottom <= field.screen.top + 2 && c.screen.left < field.screen.right &&
                 field.screen.left < c.screen.right;
    bool left = c.screen.right <= field.screen.left + 2 && c.screen.top < field.screen.bottom &&
                field.screen.top < c.screen.bottom;
    if (!above && !left) continue;
    long distance = above ? field.screen.top - c.screen.bottom : field.screen.left - c.screen.right;
    if (best == nullptr || distance < best_distance) {
      best = &c;
      best_distance = distance;
    }
  }
  return best;
}

bool ParseNumber(std::u32string_view text, int* value) {
  if (text.empty() || text.size() > 4) return false;
  int n = 0;
  for (char32_t c : text) {
    if (c < U'0' || c > U'9') return false;
    n = n * 10 + static_cast<int>(c - U'0');
  }
  *value = n;
  return true;
}

// "d/m/yyyy", with '/', '-' or '.' between.
bool ParseDate(std::u32string_view text, SYSTEMTIME* date) {
  int parts[3];
  for (int i = 0; i < 3; ++i) {
    std::size_t end = i < 2 ? text.find_first_of(U"/-.") : text.size();
    if (end == std::u32string_view::npos) return false;
    if (!ParseNumber(text.substr(0, end), &parts[i])) return false;
    text.remove_prefix(std::min(text.size(), end + 1));
  }
  if (parts[2] < 100) parts[2] += parts[2] < 50 ? 2000 : 1900;
  if (parts[2] < 1601 || parts[2] > 9999 || parts[1] < 1 || parts[1] > 12 || parts[0] < 1 ||
      parts[0] > comctl::DaysInMonth(parts[2], parts[1])) {
    return false;
  }
  *date = SYSTEMTIME{};
  date->wYear = static_cast<WORD>(parts[2]);
  date->wMonth = static_cast<WORD>(parts[1]);
  date->wDay = static_cast<WORD>(parts[0]);
  date->wDayOfWeek = static_cast<WORD>(comctl::DayOfWeek(parts[2], parts[1], parts[0]));
  return true;
}

// The group box round `control`, if any: it names a radio group.
const ControlView* GroupBoxOf(const WindowView& w, const ControlView& control) {
  for (const ControlView& c : w.controls) {
    if (c.kind == ControlKind::kGroupBox && !c.text.empty() &&
        c.screen.left <= control.screen.left && control.screen.right <= c.screen.right &&
        c.screen.top <= control.screen.top && control.screen.bottom <= c.screen.bottom) {
      return &c;
    }
  }
  return nullptr;
}

// Ids, texts and initials of `buttons` into `q`; false when two share an initial (the
// initials are then left out: only whole texts answer).
bool PutChoices(const std::vector<const ControlView*>& buttons, Question& q) {
  bool distinct = true;
  for (const ControlView* b : buttons) {
    q.ids.push_back(GetDlgCtrlID(b->window));
    q.texts.push_back(Utf8(b->text));
    char32_t initial = b->text.empty() ? U'?' : Folded(b->text.front());
    if (std::find(q.initials.begin(), q.initials.end(), initial) != q.initials.end()) {
      distinct = false;
    }
    q.initials.push_back(initial);
  }
  if (!distinct) q.initials.clear();
  return distinct;
}

// The answer naming one of the question's choices: its whole text or its initial.
int ChosenIndex(const Question& q, const std::u32string& folded) {
  for (std::size_t i = 0; i < q.texts.size(); ++i) {
    if (FoldedText(Utf32FromUtf8(q.texts[i])) == folded) return static_cast<int>(i);
  }
  for (std::size_t i = 0; i < q.initials.size(); ++i) {
    if (folded.size() == 1 && q.initials[i] == folded[0]) return static_cast<int>(i);
  }
  return -1;
}

Question RadioQuestion(const std::vector<const ControlView*>& group, const std::string& name) {
  Question q;
  q.kind = QuestionKind::kRadio;
  q.control = group.empty() ? nullptr : group.front()->window;
  PutChoices(group, q);
  std::string options;
  std::string checked;
  for (std::size_t i = 0; i < group.size(); ++i) {
    options += (i > 0 ? "/" : "") + q.texts[i];
    if (SendMessageW(group[i]->window, BM_GETCHECK, 0, 0) == BST_CHECKED) {
      q.default_index = static_cast<int>(i);
      checked = q.texts[i];
    }
  }
  q.prompt = name + (name.empty() ? "" : " ") + "(" + options + ") [" + checked + "]: ";
  return q;
}

InputEvent ClickOn(int id) {
  InputEvent click;
  click.kind = InputKind::kClickId;
  click.id = id;
  return click;
}

}  // namespace

std::vector<Question> QuestionsFor(HWND window, bool spanish, std::vector<std::string>* preamble) {
  std::vector<Question> questions;
  std::vector<WindowView> views = ReadWindows({window}, window);
  if (views.empty()) return questions;
  const WindowView& w = views.front();
  std::vector<const ControlView*> labels_used;
  std::vector<const ControlView*> buttons;
  for (std::size_t at = 0; at < w.controls.size(); ++at) {
    const ControlView& c = w.controls[at];
    if (c.kind == ControlKind::kRadioButton) {
      // The group runs up to the next control that starts one (WS_GROUP) or is no radio
      // button; one question chooses among its enabled buttons.
      std::vector<const ControlView*> group;
      for (std::size_t next = at; next < w.controls.size(); ++next) {
        const ControlView& r = w.controls[next];
        if (r.kind != ControlKind::kRadioButton || (next > at && (r.style & WS_GROUP))) break;
        if (r.enabled) group.push_back(&r);
        at = next;
      }
      if (group.empty()) continue;
      const ControlView* label = GroupBoxOf(w, c);
      if (label == nullptr) label = LabelOf(w, c);
      if (label != nullptr && label->kind == ControlKind::kLabel) labels_used.push_back(label);
      questions.push_back(RadioQuestion(group, label != nullptr ? Utf8(label->text) : ""));
      continue;
    }
    if (!c.enabled) continue;
    Question q;
    q.control = c.window;
    const ControlView* label = LabelOf(w, c);
    std::string name = label != nullptr ? Utf8(label->text) : std::string();
    switch (c.kind) {
      case ControlKind::kEdit:
      case ControlKind::kMultiLineEdit:
        q.kind = QuestionKind::kText;
        q.prompt = name + (name.empty() ? "" : " ") + "[" + Utf8(c.text) + "]: ";
        break;
      case ControlKind::kDatePicker:
        q.kind = QuestionKind::kDate;
        q.prompt = name + (name.empty() ? "" : " ") + (spanish ? "(dd/mm/aaaa)" : "(dd/mm/yyyy)") +
                   " [" + Utf8(c.text) + "]: ";
        break;
      case ControlKind::kComboBox:
      case ControlKind::kListBox: {
        q.kind = QuestionKind::kChoice;
        bool combo = c.kind == ControlKind::kComboBox;
        LRESULT count = SendMessageW(c.window, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
        std::string options;
        for (LRESULT i = 0; i < count && i < 12; ++i) {
          WCHAR item[256] = {};
          LRESULT length = SendMessageW(c.window, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN,
                                        static_cast<WPARAM>(i), 0);
          if (length < 0 || length >= 256) continue;
          SendMessageW(c.window, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(i),
                       reinterpret_cast<LPARAM>(item));
          options += (options.empty() ? "" : "/") + Utf8(Utf32FromUtf16(item));
        }
        q.prompt = name + (name.empty() ? "" : " ") + "(" + options + ") [" + Utf8(c.text) + "]: ";
        break;
      }
      case ControlKind::kCheckBox: {
        q.kind = QuestionKind::kCheck;
        bool on = SendMessageW(c.window, BM_GETCHECK, 0, 0) == BST_CHECKED;
        q.prompt = Utf8(c.text) + (spanish ? " [s/n] (" : " [y/n] (") +
                   (on ? (spanish ? "s" : "y") : "n") + "): ";
        break;
      }
      case ControlKind::kPushButton:
        buttons.push_back(&c);
        continue;
      default:
        continue;
    }
    if (label != nullptr) labels_used.push_back(label);
    questions.push_back(std::move(q));
  }
  // The window's other texts come first: a message box's message.
  std::vector<std::string> lines;
  for (const ControlView& c : w.controls) {
    if (c.kind != ControlKind::kLabel || c.text.empty()) continue;
    if (std::find(labels_used.begin(), labels_used.end(), &c) != labels_used.end()) continue;
    for (const std::u32string& line : WrapText(c.text, 1 << 20)) lines.push_back(Utf8(line));
  }
  if (!buttons.empty()) {
    Question q;
    q.kind = QuestionKind::kButtons;
    LRESULT default_id = SendMessageW(window, DM_GETDEFID, 0, 0);
    const bool distinct = PutChoices(buttons, q);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      bool marked = (buttons[i]->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON ||
                    (HIWORD(default_id) == DC_HASDEFID && LOWORD(default_id) == q.ids[i]);
      if (marked) q.default_index = static_cast<int>(i);
    }
    std::string choices;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      if (i > 0) choices += "/";
      if (distinct) {
        char32_t c = q.initials[i];
        if (static_cast<int>(i) == q.default_index && c >= U'a' && c <= U'z') c -= 32;
        AppendUtf8(choices, c);
      } else {
        choices += q.texts[i];
      }
    }
    std::string question = lines.empty() ? std::string() : lines.back();
    if (!lines.empty()) lines.pop_back();
    if (question.empty() && distinct) {
      for (std::size_t i = 0; i < q.texts.size(); ++i) question += (i > 0 ? "/" : "") + q.texts[i];
    }
    q.prompt = question + (question.empty() ? "" : " ") + "[" + choices + "] ";
    questions.push_back(std::move(q));
  }
  if (preamble != nullptr) *preamble = std::move(lines);
  return questions;
}

AnswerResult Answer(const Question& question, std::string_view line, bool spanish) {
  AnswerResult result;
  std::u32string text = Utf32FromUtf8(line);
  while (!text.empty() && (text.back() == U'\r' || text.back() == U' ')) text.pop_back();
  while (!text.empty() && text.front() == U' ') text.erase(text.begin());
  switch (question.kind) {
    case QuestionKind::kText: {
      result.accepted = true;
      if (text.empty()) break;
      std::u16string wide;
      for (char32_t c : text) {
        if (c > 0xFFFF) {
          wide += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
          wide += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
          wide += static_cast<char16_t>(c);
        }
      }
      SetWindowTextW(question.control, wide.c_str());
      break;
    }
    case QuestionKind::kDate: {
      if (text.empty()) {
        result.accepted = true;
        break;
      }
      SYSTEMTIME date;
      if (!ParseDate(text, &date) || !SendMessageW(question.control, DTM_SETSYSTEMTIME, GDT_VALID,
                                                   reinterpret_cast<LPARAM>(&date))) {
        result.complaint = spanish ? "Fecha no valida." : "Not a date.";
        break;
      }
      result.accepted = true;
      break;
    }
    case QuestionKind::kChoice: {
      result.accepted = true;
      if (text.empty()) break;
      WCHAR class_name[32] = {};
      GetClassNameW(question.control, class_name, 32);
      bool combo = std::u16string_view(class_name) == u"ComboBox";
      std::u16string wide(text.begin(), text.end());
      LRESULT at = SendMessageW(question.control, combo ? CB_SELECTSTRING : LB_SELECTSTRING,
                                static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide.c_str()));
      if (at < 0) {
        result.accepted = false;
        result.complaint = spanish ? "No esta en la lista." : "Not in the list.";
      }
      break;
    }
    case QuestionKind::kCheck: {
      result.accepted = true;
      if (text.empty()) break;
      char32_t first = Folded(text.front());
      bool want = first == U's' || first == U'y' || first == U'x';
      bool on = SendMessageW(question.control, BM_GETCHECK, 0, 0) == BST_CHECKED;
      if (first != U'n' && !want) {
        result.accepted = false;
        result.complaint = spanish ? "Responda s o n." : "Answer y or n.";
      } else if (want != on) {
        result.click = ClickOn(GetDlgCtrlID(question.control));
      }
      break;
    }
    case QuestionKind::kRadio: {
      std::u32string folded = FoldedText(text);
      if (folded.empty()) {
        result.accepted = true;
        break;
      }
      int chosen = ChosenIndex(question, folded);
      if (chosen < 0) {
        result.complaint = spanish ? "Elija una de las opciones." : "Choose one of the options.";
        break;
      }
      result.accepted = true;
      if (chosen != question.default_index) result.click = ClickOn(question.ids[static_cast<std::size_t>(chosen)]);
      break;
    }
    case QuestionKind::kButtons: {
      std::u32string folded = FoldedText(text);
      int chosen = folded.empty() ? question.default_index : ChosenIndex(question, folded);
      if (chosen < 0 || chosen >= static_cast<int>(question.ids.size())) {
        result.complaint = spanish ? "Elija una de las respuestas." : "Choose one of the answers.";
        break;
      }
      result.accepted = true;
      result.click = ClickOn(question.ids[static_cast<std::size_t>(chosen)]);
      break;
    }
  }
  return result;
}

}  // namespace platform
