// Line prompts, the key strokes a terminal key becomes, and the bytes of a frame.
#include <gtest/gtest.h>

#include "platform/display/key_strokes.h"
#include "platform/display/line_prompts.h"
#include "platform/display/terminal_writer.h"
#include "tests/platform/display/tty_screen_fixture.h"

namespace {

using platform::Answer;
using platform::QuestionKind;
using platform::QuestionsFor;

std::string Text(HWND window) {
  WCHAR text[64] = {};
  GetWindowTextW(window, text, 64);
  std::string out;
  for (const WCHAR* c = text; *c; ++c) out += static_cast<char>(*c);
  return out;
}

TEST_F(TtyScreenTest, TheStartDayDialogIsAskedLineByLine) {
  HWND dialog = StartDayDialog();
  std::vector<std::string> preamble;
  std::vector<platform::Question> questions = QuestionsFor(dialog, true, &preamble);
  ASSERT_EQ(questions.size(), 2u);
  EXPECT_TRUE(preamble.empty());  // the only label names the date
  EXPECT_EQ(questions[0].kind, QuestionKind::kDate);
  EXPECT_EQ(questions[0].prompt, "Dia de Inicio (dd/mm/aaaa) [07/12/2026]: ");
  EXPECT_EQ(questions[1].kind, QuestionKind::kButtons);
  EXPECT_EQ(questions[1].prompt, "Cancelar/Aceptar [c/A] ");
  EXPECT_EQ(QuestionsFor(dialog, false, nullptr)[0].prompt,
            "Dia de Inicio (dd/mm/yyyy) [07/12/2026]: ");

  HWND picker = GetDlgItem(dialog, 1001);
  struct DateRow {
    const char* line;
    bool accepted;
    const char* shown;
  } dates[] = {
      {"", true, "07/12/2026"},           {"1/2/2026", true, "01/02/2026"},
      {"31-12-2025", true, "31/12/2025"}, {"29/02/2026", false, "31/12/2025"},
      {"hoy", false, "31/12/2025"},       {"1/13/2026", false, "31/12/2025"},
      {" 5.6.27 ", true, "05/06/2027"},
  };
  for (const DateRow& row : dates) {
    platform::AnswerResult result = Answer(questions[0], row.line, true);
    EXPECT_EQ(result.accepted, row.accepted) << row.line;
    EXPECT_EQ(result.accepted, result.complaint.empty()) << row.line;
    EXPECT_FALSE(result.click.has_value());
    EXPECT_EQ(Text(picker), row.shown) << row.line;
  }
  struct ButtonRow {
    const char* line;
    int clicked;  // 0: asked again
  } buttons[] = {{"", 1004},        {"a", 1004}, {"C", 1003}, {"cancelar", 1003},
                 {"ACEPTAR", 1004}, {"x", 0},    {"ac", 0}};
  for (const ButtonRow& row : buttons) {
    platform::AnswerResult result = Answer(questions[1], row.line, true);
    EXPECT_EQ(result.accepted, row.clicked != 0) << row.line;
    if (row.clicked == 0) continue;
    ASSERT_TRUE(result.click.has_value()) << row.line;
    EXPECT_EQ(result.click->kind, platform::InputKind::kClickId);
    EXPECT_EQ(result.click->id, row.clicked) << row.line;
  }
}

TEST_F(TtyScreenTest, AQuestionBoxEndsItsLastLineWithTheInitials) {
  TemplateWriter t(false);
  t.Dialog(kDialogStyle, 0, 0, 150, 60, u"Varovozodoz", 8, u"MS Sans Serif");
  t.Item(kChild | SS_LEFT, 7, 7, 136, 24, 0xFFFF, u"Static",
         u"Comence el dia 01/12/2026\r\nLlevo 4 dias sin pecar\r\nHas pecado hoy ?");
  t.Item(kTab | BS_DEFPUSHBUTTON, 20, 40, 50, 14, IDYES, u"Button", u"S\u00ed");
  t.Item(kTab | BS_PUSHBUTTON, 80, 40, 50, 14, IDNO, u"Button", u"&No");
  HWND box = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, DialogProcedure, 0);
  ASSERT_NE(box, nullptr);
  std::vector<std::string> preamble;
  std::vector<platform::Question> questions = QuestionsFor(box, true, &preamble);
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(preamble,
            (std::vector<std::string>{"Comence el dia 01/12/2026", "Llevo 4 dias sin pecar"}));
  EXPECT_EQ(questions[0].prompt, "Has pecado hoy ? [S/n] ");
  struct Row {
    const char* line;
    int clicked;
  } rows[] = {{"", IDYES}, {"s", IDYES}, {"si", IDYES}, {"S\xc3\xad", IDYES},
              {"n", IDNO}, {"no", IDNO}, {"q", 0}};
  for (const Row& row : rows) {
    platform::AnswerResult result = Answer(questions[0], row.line, true);
    EXPECT_EQ(result.click.has_value() ? result.click->id : 0, row.clicked) << row.line;
  }
  // The box as the terminal draws it.
  ExpectGolden("question_box.txt", Screen(Layout({box})));
}

// A radio group is one question: its group box or label names it, an answer is a whole
// text or an initial, and only a change clicks. Initials shared in a group do not answer.
TEST_F(TtyScreenTest, ARadioGroupIsOneQuestion) {
  TemplateWriter t(false);
  t.Dialog(kDialogStyle, 0, 0, 200, 120, u"Opciones", 8, u"MS Sans Serif");
  t.Item(kChild | SS_LEFT, 100, 15, 30, 10, 200, u"Static", u"Modo");
  t.Item(kChild | BS_GROUPBOX, 5, 5, 90, 60, 100, u"Button", u"Color");
  t.Item(kTab | WS_GROUP | BS_AUTORADIOBUTTON, 10, 15, 60, 10, 101, u"Button", u"&Rojo");
  t.Item(kChild | BS_AUTORADIOBUTTON, 10, 30, 60, 10, 102, u"Button", u"Verde");
  t.Item(kChild | BS_AUTORADIOBUTTON, 10, 45, 60, 10, 103, u"Button", u"Azul");
  t.Item(kTab | WS_GROUP | BS_AUTORADIOBUTTON, 135, 15, 50, 10, 201, u"Button", u"Solo");
  t.Item(kChild | BS_AUTORADIOBUTTON, 135, 30, 50, 10, 202, u"Button", u"Siempre");
  t.Item(kTab | WS_GROUP | BS_DEFPUSHBUTTON, 70, 95, 50, 14, IDOK, u"Button", u"Aceptar");
  HWND dialog = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, DialogProcedure, 0);
  ASSERT_NE(dialog, nullptr);
  CheckRadioButton(dialog, 101, 103, 102);
  std::vector<std::string> preamble;
  std::vector<platform::Question> questions = QuestionsFor(dialog, true, &preamble);
  ASSERT_EQ(questions.size(), 3u);
  EXPECT_TRUE(preamble.empty());  // "Modo" names the second group
  EXPECT_EQ(questions[0].kind, QuestionKind::kRadio);
  EXPECT_EQ(questions[0].prompt, "Color (Rojo/Verde/Azul) [Verde]: ");
  EXPECT_EQ(questions[1].prompt, "Modo (Solo/Siempre) []: ");
  EXPECT_EQ(questions[2].prompt, "Aceptar [A] ");
  struct Row {
    int question;
    const char* line;
    bool accepted;
    int clicked;  // 0: nothing clicked
  } rows[] = {{0, "", true, 0},       {0, "verde", true, 0},    {0, "v", true, 0},
              {0, "a", true, 103},    {0, " ROJO ", true, 101}, {0, "x", false, 0},
              {1, "s", false, 0},     {1, "siempre", true, 202}, {1, "", true, 0}};
  for (const Row& row : rows) {
    platform::AnswerResult result = Answer(questions[row.question], row.line, true);
    EXPECT_EQ(result.accepted, row.accepted) << row.line;
    EXPECT_EQ(result.click.has_value() ? result.click->id : 0, row.clicked) << row.line;
  }
  DestroyWindow(dialog);
}

TEST(KeyStrokesTest, KeysWithTheirModifiers) {
  using platform::BoxKey;
  using platform::KeyName;
  struct Row {
    BoxKey key;
    std::vector<std::pair<UINT, bool>> strokes;  // virtual key, down
  } rows[] = {
      {{KeyName::kTab}, {{VK_TAB, true}, {VK_TAB, false}}},
      {{KeyName::kShiftTab},
       {{VK_SHIFT, true}, {VK_TAB, true}, {VK_TAB, false}, {VK_SHIFT, false}}},
      {{KeyName::kAltDown}, {{VK_MENU, true}, {VK_DOWN, true}, {VK_DOWN, false}, {VK_MENU, false}}},
      {{KeyName::kAltF4}, {{VK_MENU, true}, {VK_F4, true}, {VK_F4, false}, {VK_MENU, false}}},
      {{KeyName::kF4}, {{VK_F4, true}, {VK_F4, false}}},
      {{KeyName::kPageDown}, {{VK_NEXT, true}, {VK_NEXT, false}}},
      {{KeyName::kBackspace}, {{VK_BACK, true}, {VK_BACK, false}}},
      {{KeyName::kDelete}, {{VK_DELETE, true}, {VK_DELETE, false}}},
      {{KeyName::kCharacter, U'7'}, {{'7', true}, {'7', false}}},
      {{KeyName::kCharacter, U'a'}, {{'A', true}, {'A', false}}},
      {{KeyName::kCharacter, U'A'},
       {{VK_SHIFT, true}, {'A', true}, {'A', false}, {VK_SHIFT, false}}},
      {{KeyName::kCharacter, U'/'}, {{VK_OEM_2, true}, {VK_OEM_2, false}}},
      {{KeyName::kCharacter, U'\u00ed'}, {{0, true}, {0, false}}},  // no key types it
  };
  for (const Row& row : rows) {
    std::vector<platform::InputEvent> events =
        platform::KeyStrokes(row.key, platform::KeyboardLayout::UnitedStates());
    ASSERT_EQ(events.size(), row.strokes.size()) << static_cast<int>(row.key.name);
    for (std::size_t i = 0; i < events.size(); ++i) {
      EXPECT_EQ(events[i].virtual_key, row.strokes[i].first) << i;
      EXPECT_EQ(events[i].kind == platform::InputKind::kKeyDown, row.strokes[i].second) << i;
    }
  }
  EXPECT_EQ(platform::KeyStrokes({KeyName::kCharacter, U'\u00ed'},
                                 platform::KeyboardLayout::UnitedStates())[0]
                .character,
            U'\u00ed');
}

TEST(TerminalWriterTest, WritesOnlyTheRowsThatChanged) {
  platform::CellCanvas canvas(6, 3, platform::CellGlyphs::Unicode());
  canvas.Text(0, 1, U"hola", platform::CellStyle::kFace);
  platform::TerminalWriter writer({true, true});
  std::string first = writer.Frame(canvas, {});
  EXPECT_NE(first.find("\x1b[2J"), std::string::npos);
  EXPECT_NE(first.find("hola"), std::string::npos);
  std::string same = writer.Frame(canvas, {});
  EXPECT_EQ(same.find("hola"), std::string::npos);
  EXPECT_EQ(same.find("\x1b[2J"), std::string::npos);
  canvas.Put(0, 2, U'\u2500', platform::CellStyle::kFrame);
  std::string next = writer.Frame(canvas, {true, 1, 2});
  EXPECT_NE(next.find("\x1b[3;1H\x1b[0;30;47m\xe2\x94\x80"), std::string::npos);
  EXPECT_EQ(next.find("hola"), std::string::npos);
  EXPECT_NE(next.find("\x1b[3;2H\x1b[?25h"), std::string::npos);  // the cursor shown there
  // Without UTF-8 the box characters are ASCII; without colour, plain attributes.
  platform::TerminalWriter plain({false, false});
  std::string ascii = plain.Frame(canvas, {});
  EXPECT_EQ(ascii.find("\xe2"), std::string::npos);
  EXPECT_EQ(ascii.find("\x1b[0;30;"), std::string::npos);
  EXPECT_EQ(platform::StyleSequence(platform::CellStyle::kFocus, false), "\x1b[0;7m");
}

TEST(TerminalWriterTest, TraitsComeFromTheEnvironment) {
  struct Row {
    const char* term;
    const char* lang;
    bool colour, utf8;
  } rows[] = {{"xterm-256color", "es_ES.UTF-8", true, true},
              {"screen", "C", true, false},
              {"vt100", "en_US.utf8", false, true},
              {"tmux-256color", "", true, false}};
  std::vector<std::pair<std::string, std::string>> saved;
  for (const char* name : {"TERM", "LANG", "LC_ALL", "LC_CTYPE", "COLORTERM", "NO_COLOR"}) {
    if (const char* value = std::getenv(name)) saved.emplace_back(name, value);
  }
  for (const Row& row : rows) {
    setenv("TERM", row.term, 1);
    setenv("LANG", row.lang, 1);
    unsetenv("LC_ALL");
    unsetenv("LC_CTYPE");
    unsetenv("COLORTERM");
    unsetenv("NO_COLOR");
    platform::TerminalTraits traits = platform::TraitsFromEnvironment();
    EXPECT_EQ(traits.colour, row.colour) << row.term;
    EXPECT_EQ(traits.utf8, row.utf8) << row.lang;
  }
  for (const char* name : {"TERM", "LANG", "LC_ALL", "LC_CTYPE", "COLORTERM", "NO_COLOR"})
    unsetenv(name);
  for (const auto& [name, value] : saved) setenv(name.c_str(), value.c_str(), 1);
}

}  // namespace
