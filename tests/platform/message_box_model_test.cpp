#include "platform/display/message_box_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

std::string ButtonTexts(UINT style) {
  std::string texts;
  for (const MessageBoxButton& button : MessageBoxButtons(style)) {
    texts += std::string(texts.empty() ? "" : ",") + button.text + "=" + std::to_string(button.id);
  }
  return texts;
}

TEST(MessageBoxModelTest, ButtonsInWindowsOrderAndIds) {
  EXPECT_EQ(ButtonTexts(MB_YESNOCANCEL), "Yes=6,No=7,Cancel=2");
  EXPECT_EQ(ButtonTexts(MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL), "Yes=6,No=7");
  EXPECT_EQ(ButtonTexts(MB_CANCELTRYCONTINUE), "Cancel=2,Try Again=10,Continue=11");
  EXPECT_EQ(ButtonTexts(7), "");
  EXPECT_FALSE(MessageBoxModel(0xF).valid());
}

BoxKey Named(KeyName name) {
  return {name, 0};
}
BoxKey Char(char32_t c) {
  return {KeyName::kCharacter, c};
}

TEST(MessageBoxModelTest, KeysFollowTheTable) {
  struct Case {
    const char* what;
    UINT style;
    std::vector<BoxKey> keys;
    int answer;  // of the last key; the earlier ones must not end the box
  };
  const Case cases[] = {
      {"Enter takes the default", MB_YESNO, {Named(KeyName::kEnter)}, IDYES},
      {"default past the end falls back",
       MB_YESNO | MB_DEFBUTTON3,
       {Named(KeyName::kEnter)},
       IDYES},
      {"Tab moves on", MB_YESNO, {Named(KeyName::kTab), Named(KeyName::kEnter)}, IDNO},
      {"Tab wraps",
       MB_YESNO,
       {Named(KeyName::kTab), Named(KeyName::kTab), Named(KeyName::kEnter)},
       IDYES},
      {"Down", MB_RETRYCANCEL, {Named(KeyName::kDown), Named(KeyName::kEnter)}, IDCANCEL},
      {"Left wraps back",
       MB_YESNOCANCEL,
       {Named(KeyName::kLeft), Named(KeyName::kEnter)},
       IDCANCEL},
      {"Right and Up",
       MB_ABORTRETRYIGNORE,
       {Named(KeyName::kRight), Named(KeyName::kRight), Named(KeyName::kUp),
        Named(KeyName::kSpace)},
       IDRETRY},
      {"mnemonic", MB_YESNO, {Char('n')}, IDNO},
      {"O on OK", MB_OK, {Char('o')}, IDOK},
      {"other letters do nothing", MB_YESNO, {Char('x'), Char('o'), Char('y')}, IDYES},
      {"C is Continue where Cancel has none", MB_CANCELTRYCONTINUE, {Char('c')}, IDCONTINUE},
      {"Escape cancels", MB_OKCANCEL, {Named(KeyName::kEscape)}, IDCANCEL},
      {"Escape on a lone OK", MB_OK, {Named(KeyName::kEscape)}, IDOK},
      {"Alt+F4 cancels", MB_RETRYCANCEL, {Named(KeyName::kAltF4)}, IDCANCEL},
      {"Escape ignored on abort/retry/ignore",
       MB_ABORTRETRYIGNORE,
       {Named(KeyName::kEscape), Char('i')},
       IDIGNORE},
      {"a non-ASCII character is no mnemonic", MB_YESNO, {Char(U'\u00D1'), Char('y')}, IDYES},
  };
  for (const Case& c : cases) {
    MessageBoxModel box(c.style);
    int answer = 0;
    for (std::size_t i = 0; i < c.keys.size(); ++i) {
      answer = box.OnKey(c.keys[i]);
      if (i + 1 < c.keys.size()) {
        EXPECT_EQ(answer, 0) << c.what << ": key " << i << " ended it";
      }
    }
    EXPECT_EQ(answer, c.answer) << c.what;
  }
}

// Closing the window is Escape: it answers only where a Cancel or a lone OK exists.
TEST(MessageBoxModelTest, CloseRequestAndButtonLookUp) {
  EXPECT_EQ(MessageBoxModel(MB_OK).OnCloseRequest(), IDOK);
  EXPECT_EQ(MessageBoxModel(MB_CANCELTRYCONTINUE).OnCloseRequest(), IDCANCEL);
  EXPECT_EQ(MessageBoxModel(MB_ABORTRETRYIGNORE).OnCloseRequest(), 0);
  MessageBoxModel box(MB_CANCELTRYCONTINUE);
  EXPECT_EQ(box.FindButtonByText("try again"), 1);
  EXPECT_EQ(box.FindButtonByText("Try"), -1);
  EXPECT_EQ(box.FindButtonById(IDCONTINUE), 2);
  EXPECT_EQ(box.FindButtonById(IDOK), -1);
}

}  // namespace
}  // namespace platform
