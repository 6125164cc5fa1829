// The terminal display asked for where there is no terminal: standard input answers the
// windows line by line, standard output asks; input that ends closes them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/vestralino_sandbox.h"

namespace {

using testing_support::ChildOptions;
using testing_support::ChildResult;
using testing_support::LogRecord;
using testing_support::PathExists;
using testing_support::RunChild;
using testing_support::Sandbox;

constexpr char kToday[] = "2026-12-07 10:00:00";

ChildResult Answer(const Sandbox& box, const std::string& lines) {
  ChildOptions options;
  options.environment = {"VESTRALINO_DISPLAY=tty",
                         "LANG=es_ES.UTF-8",
                         "LC_ALL=",
                         "TERM=xterm",
                         "FAKETIME_DONT_FAKE_MONOTONIC=1",
                         "TZ=UTC"};
  options.stdin_text = lines;
  return RunChild(box.Command(kToday), options);
}

TEST(LinePrompts, TheFirstRunAnsweredOnStandardInput) {
  Sandbox box;
  ChildResult run = Answer(box, "5/12/2026\na\n");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(
      run.out,
      "Vestralino\nDia de Inicio (dd/mm/aaaa) [07/12/2026]: 5/12/2026\nCancelar/Aceptar [c/a] a\n");
  EXPECT_EQ(box.Log(), LogRecord("07/12/2026", "05/12/2026"));
}

TEST(LinePrompts, AWrongAnswerIsAskedAgain) {
  Sandbox box;
  ChildResult run = Answer(box, "32/12/2026\n\n\nzz\naceptar\n");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_NE(run.out.find("Fecha no valida.\nDia de Inicio"), std::string::npos)
      << run.out << run.err;
  EXPECT_NE(run.out.find("Elija una de las respuestas.\nCancelar/Aceptar"), std::string::npos)
      << run.out;
  EXPECT_EQ(box.Log(), LogRecord("07/12/2026", "07/12/2026"));
}

TEST(LinePrompts, TheQuestionAnsweredOnStandardInput) {
  struct Row {
    const char* answer;
    bool appended;
  } rows[] = {{"n\n", true}, {"\n", false}, {"si\n", false}, {"No\n", true}};
  for (const Row& row : rows) {
    Sandbox box;
    box.SetLog(LogRecord("01/12/2026", "01/12/2026"));
    ChildResult run = Answer(box, row.answer);
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(run.out.find("Varovozodoz\nComence el dia 01/12/2026\nLlevo 6 dias sin pecar\n"
                           "Has pecado hoy ? [S/n] " +
                           std::string(row.answer)),
              std::string::npos)
        << run.out;
    if (row.appended) {
      EXPECT_EQ(box.Log().size(), 48u) << row.answer;
    } else {
      EXPECT_FALSE(PathExists(box.log_path())) << row.answer;
    }
  }
}

TEST(LinePrompts, InputThatEndsClosesTheWindowsAndNeverHangs) {
  Sandbox box;
  ChildResult run = Answer(box, "");
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_FALSE(PathExists(box.log_path()));
  box.SetLog(LogRecord("01/12/2026", "01/12/2026"));
  ChildResult question = Answer(box, "");
  EXPECT_EQ(question.exit_code, 0) << question.err;
  EXPECT_EQ(box.Log().size(), 48u);  // an unanswered question counts as no
}

// Standard input closed: whatever the program opens may take its place, so only the end
// is sure: the pass ends, the dialog unanswered.
TEST(LinePrompts, WithoutAnyInputThePassEnds) {
  Sandbox box;
  ChildOptions options;
  options.environment = {"VESTRALINO_DISPLAY=tty", "TERM=xterm", "TZ=UTC"};
  std::vector<std::string> command = box.Command(kToday);
  std::string line = "exec 0<&-;";
  for (const std::string& word : command) line += " '" + word + "'";
  ChildResult run = RunChild({"sh", "-c", line}, options);
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_FALSE(PathExists(box.log_path()));
}

}  // namespace
