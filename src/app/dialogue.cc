// The interactive dialogue as a state machine: one function per state, each
// doing its printing and reading and naming the state that follows. Whenever
// the input ends at a prompt the dialogue goes to Quit, so it can never
// repeat a prompt for ever.
#include "app/dialogue.h"

#include <optional>
#include <string>
#include <vector>

#include "app/fill_menu.h"
#include "app/menu.h"
#include "app/messages.h"
#include "app/number_answer.h"
#include "app/puzzle_settings.h"
#include "app/puzzle_steps.h"
#include "app/save_dialogue.h"
#include "app/word_entry.h"
#include "puzzle/grid.h"
#include "text/letters.h"
#include "words/word_list.h"

namespace haravoija {

namespace {

enum class Step {
  kWelcome,
  kAskTitle,
  kStartWords,
  kEnterWords,
  kSettingsEntry,
  kCycleTop,
  kAskDifficulty,
  kAskSize,
  kAskRows,
  kAskColumns,
  kGenerate,
  kFitWarning,
  kFill,
  kShowGrid,
  kEndMenu,
  kSave,
  kQuit,
  kEnd,  // the program ends; nothing more is printed
};

struct Session {
  explicit Session(Environment& e) : env(e), console(e.console) {}
  Environment& env;
  Console& console;
  WordList words;
  std::string title;
  PuzzleSettings settings;
  // Show the difficulty and size menus before the next puzzle (set before
  // every puzzle).
  bool settingsWanted{};
  Grid grid;
  // Words the last fixed-size run had to leave out.
  std::vector<std::string> leftOut;
};

Step welcome(Session& s) {
  s.console.write(welcomeText());
  return Step::kAskTitle;
}

Step askTitle(Session& s) {
  s.console.line("Anna ristikon aihe. ");
  for (;;) {
    std::optional<std::string> answer = s.console.ask();
    if (!answer) return Step::kQuit;
    if (checkTitle(*answer)) {
      s.title = std::move(*answer);
      return Step::kStartWords;
    }
    s.console.line(kTitleRefused);
  }
}

Step startWords(Session& s) {
  s.console.emptyLine();
  s.env.random.seedFromClock();
  return Step::kEnterWords;
}

Step enterWords(Session& s) {
  if (runWordEntry(s.words, s.title, s.env) == WordEntryOutcome::kQuit) return Step::kEnd;
  // Word entry ends with an empty list only when the input has ended.
  return s.words.empty() ? Step::kQuit : Step::kSettingsEntry;
}

Step settingsEntry(Session& s) {
  s.console.emptyLine();
  s.settings = PuzzleSettings{};
  s.settingsWanted = true;
  // Once per new list: the puzzles made from the same words keep its order.
  s.words.sortLongestFirst();
  return Step::kCycleTop;
}

Step cycleTop(Session& s) { return s.settingsWanted ? Step::kAskDifficulty : Step::kGenerate; }

Step askDifficultyStep(Session& s) {
  const std::optional<int> choice = askDifficulty(s.console);
  if (!choice) return Step::kQuit;
  s.settings.children = *choice == 2;
  return Step::kAskSize;
}

Step askSize(Session& s) {
  const std::optional<int> choice = askSizing(s.console);
  if (!choice) return Step::kQuit;
  s.settings.sizing = *choice == 2 ? Sizing::kFixed : Sizing::kSmallest;
  return s.settings.sizing == Sizing::kFixed ? Step::kAskRows : Step::kGenerate;
}

Step askRows(Session& s) {
  const std::optional<int> rows = askGridSide(GridSide::kRows, s.console);
  if (!rows) return Step::kQuit;
  s.settings.rows = *rows;
  return Step::kAskColumns;
}

Step askColumns(Session& s) {
  const std::optional<int> columns = askGridSide(GridSide::kColumns, s.console);
  if (!columns) return Step::kQuit;
  s.settings.columns = *columns;
  return Step::kGenerate;
}

Step generate(Session& s) {
  BuildResult result = generatePuzzle(s.grid, s.words.words(), s.settings, s.env);
  // The list is never empty here; should it be, there is no puzzle to go on with.
  if (result.status == BuildResult::Status::kNoWords) return Step::kQuit;
  s.leftOut = std::move(result.unplacedWords);
  return s.leftOut.empty() ? Step::kFill : Step::kFitWarning;
}

Step fitWarning(Session& s) {
  s.console.write(fitWarningText(s.leftOut));
  // Any line, or the end of input, continues.
  (void)s.console.readLine();
  s.console.emptyLine();
  return Step::kFill;
}

Step fill(Session& s) {
  (void)chooseFill(s.grid, s.env);
  return Step::kShowGrid;
}

Step showGridStep(Session& s) {
  showGrid(s.grid, s.console);
  return Step::kEndMenu;
}

Step endMenu(Session& s) {
  s.settingsWanted = true;
  const std::optional<int> choice = askEndChoice(s.console);
  if (!choice) return Step::kQuit;
  switch (*choice) {
    case 1: return Step::kSave;
    case 2: return Step::kCycleTop;
    case 3: s.settingsWanted = false; return Step::kCycleTop;
    case 4:
      s.title.clear();
      s.words.clear();
      return Step::kWelcome;
    default: return Step::kQuit;
  }
}

Step save(Session& s) {
  if (runSaveDialogue(s.grid, s.title, s.env) == SaveOutcome::kInputEnded) return Step::kQuit;
  return Step::kEndMenu;
}

Step quit(Session& s) {
  s.console.line(kGoodbyeLine);
  return Step::kEnd;
}

Step runStep(Step step, Session& s) {
  switch (step) {
    case Step::kWelcome: return welcome(s);
    case Step::kAskTitle: return askTitle(s);
    case Step::kStartWords: return startWords(s);
    case Step::kEnterWords: return enterWords(s);
    case Step::kSettingsEntry: return settingsEntry(s);
    case Step::kCycleTop: return cycleTop(s);
    case Step::kAskDifficulty: return askDifficultyStep(s);
    case Step::kAskSize: return askSize(s);
    case Step::kAskRows: return askRows(s);
    case Step::kAskColumns: return askColumns(s);
    case Step::kGenerate: return generate(s);
    case Step::kFitWarning: return fitWarning(s);
    case Step::kFill: return fill(s);
    case Step::kShowGrid: return showGridStep(s);
    case Step::kEndMenu: return endMenu(s);
    case Step::kSave: return save(s);
    case Step::kQuit: return quit(s);
    case Step::kEnd: break;
  }
  return Step::kEnd;
}

}  // namespace

void runDialogue(Environment& env) {
  Session session(env);
  Step step = Step::kWelcome;
  while (step != Step::kEnd) step = runStep(step, session);
}

}  // namespace haravoija
