// spintrak-snapshot: the main window as it looks after a list of spins, painted on the headless
// host and saved as PNG; no display is needed. The spins go in one by one through the entry
// field and Enter, as a player types them.

#include <charconv>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"
#include "app/startup.h"
#include "cmdline/parser.h"
#include "platform/headless/testing/input_script.h"
#include "session/spin_reader.h"

namespace {

namespace testing = platform::headless::testing;
using cmdline::TOption;

constexpr const char* kProgram = "spintrak-snapshot";

constexpr TOption kScale{"--scale", "N",
                         "paint as on a screen of scale factor N (1 to 8, default 1): N times\n"
                         "the pixels each way"};
constexpr TOption kSpins{"--spins", "LIST", "enter the spins in LIST first, for example \"5,17,0\""};
constexpr TOption kLanguage{"--language", "LANG",
                            "ru or en; without it, the language the environment chooses\n"
                            "(LANGUAGE, LC_ALL, LC_MESSAGES, LANG), as the program does"};

struct TSnapshotLine {
  bool Help = false;
  std::string Scale, Spins, Language;
  std::vector<std::string> Operands;  // OUT.png, then the files
};

void Declare(cmdline::TParser& parser, TSnapshotLine& line) {
  parser.Value(kScale, line.Scale);
  parser.Value(kSpins, line.Spins);
  parser.Value(kLanguage, line.Language);
  parser.Flag(cmdline::kHelpOption, line.Help);
  parser.Operands(line.Operands);
}

std::string HelpText() {
  TSnapshotLine unused;
  cmdline::TParser parser(kProgram, cmdline::TValueJoin::vjBlank);
  Declare(parser, unused);
  return R"(Usage: spintrak-snapshot [OPTION]... OUT.png [FILE]...
Paint Spintrak's main window after the given spins, entered one by one as a player types them,
and save its client area as OUT.png. No display is needed.

)" + parser.OptionsHelp() +
         R"(
The spins come from --spins and then from the FILEs, in the format that spintrak-stats reads:
the numbers 0 to 36 separated by newlines, commas, semicolons or blanks; "-" is standard input.
Without any, the window is shown as it starts.

Exit status: 0 saved; 1 a spin is not a wheel number or a file cannot be read; 2 the command
line is wrong; 3 the picture cannot be saved.
)";
}

// The value of --scale: a whole number from 1 to 8.
int ParseScale(const std::string& text) {
  return cmdline::CheckedValue("scale", text, [](const std::string& value) {
    int scale = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), scale);
    if (error != std::errc() || end != value.data() + value.size() || scale < 1 || scale > 8)
      throw std::invalid_argument("a whole number from 1 to 8 is needed");
    return scale;
  });
}

struct TSnapshotJob {
  int Scale = 1;
  std::string Out, Language;
  std::vector<std::int32_t> Spins;
};

// Reads the command line and the spins; throws cmdline::TUsageError, session::TSpinInputError
// and session::TSpinReadError.
std::optional<TSnapshotJob> ReadJob(int argc, char** argv) {
  TSnapshotLine line;
  cmdline::TParser parser(kProgram, cmdline::TValueJoin::vjBlank);
  Declare(parser, line);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  parser.Parse(args);
  if (line.Help) return std::nullopt;
  if (line.Operands.empty()) throw cmdline::TUsageError("no output file given");
  TSnapshotJob job;
  job.Scale = parser.Count(kScale) != 0 ? ParseScale(line.Scale) : 1;
  job.Out = line.Operands.front();
  job.Language =
      parser.Count(kLanguage) != 0 ? line.Language : app::ChooseLanguage(std::getenv, app::BuiltCatalogues());
  if (job.Language.empty()) throw cmdline::TUsageError("option '--language' needs a value");
  if (parser.Count(kSpins) != 0) {
    session::TSpinParser spins("--spins", job.Spins, session::TInvalidTokens::itStop);
    spins.Feed(line.Spins);
    spins.Finish();
  }
  for (std::size_t i = 1; i < line.Operands.size(); ++i)
    session::ReadSpins(line.Operands[i], job.Spins, session::TInvalidTokens::itStop);
  return job;
}

int Fail(const std::string& message, int status) {
  std::cerr << kProgram << ": " << message << '\n';
  return status;
}

// Paints the window after the job's spins and saves it.
int Snapshot(const TSnapshotJob& job) {
  if (!app::UseLanguage(job.Language, app::CatalogueFolders())) {
    std::cerr << cmdline::UsageErrorText(kProgram, "no catalogue for the language '" + job.Language + "'");
    return cmdline::kUsageStatus;
  }
  try {
    testing::TTestApp test;
    test.Host.SetWindowScale(job.Scale);
    app::TForm1& form = app::StartUp(test.App);
    form.Show();
    test.Host.RunUntilIdle();
    for (std::int32_t spin : job.Spins) {
      testing::TypeText(test.Host, form, std::to_string(spin));
      testing::PressKey(test.Host, form, gui::VK_RETURN);
    }
    test.Host.SaveFormPng(form, job.Out);
  } catch (const std::exception& e) {
    return Fail(e.what(), 3);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<TSnapshotJob> job;
  try {
    job = ReadJob(argc, argv);
  } catch (const cmdline::TUsageError& e) {
    std::cerr << cmdline::UsageErrorText(kProgram, e.what());
    return cmdline::kUsageStatus;
  } catch (const session::TSpinInputError& e) {
    return Fail(e.what(), 1);
  } catch (const session::TSpinReadError& e) {
    return Fail(e.what(), 1);
  }
  if (!job) {
    const std::optional<std::string> failed = cmdline::WriteText(std::cout, HelpText());
    return failed ? Fail("cannot write the help: " + *failed, 1) : 0;
  }
  return Snapshot(*job);
}
