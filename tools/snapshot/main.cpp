// spintrak-snapshot: the main window as it looks after a list of spins, painted on the headless
// host and saved as PNG; no display is needed. The spins go in one by one through the entry
// field and Enter, as a player types them.

#include <charconv>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"
#include "app/startup.h"
#include "platform/headless/testing/input_script.h"
#include "session/spin_reader.h"

namespace {

namespace testing = platform::headless::testing;

constexpr const char* Usage =
    R"(Usage: spintrak-snapshot [--scale N] [--spins LIST] [--language LANG] OUT.png [FILE]...
Paint Spintrak's main window after the given spins, entered one by one as a player types them,
and save its client area as OUT.png. No display is needed. With --scale N (1 to 8, default 1) the
window is painted as on a screen of that scale factor: N times the pixels each way.

The spins come from LIST (for example "5,17,0") and then from the FILEs, in the format that
spintrak-stats reads: the numbers 0 to 36 separated by newlines, commas, semicolons or blanks;
"-" is standard input. Without any, the window is shown as it starts.

The window speaks the language the environment chooses, as the program does (LANGUAGE,
LC_ALL, LC_MESSAGES, LANG); --language ru or --language en chooses one.

Exit status: 0 saved; 1 a spin is not a wheel number or a file cannot be read; 2 the command
line is wrong; 3 the picture cannot be saved.
)";

// The value of an option given as "--name VALUE" or "--name=VALUE"; empty when it has none.
std::optional<std::string_view> OptionValue(std::string_view name, int argc, char** argv, int& i) {
  const std::string_view arg = argv[i];
  if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=')
    return arg.substr(name.size() + 1);
  if (arg != name) return std::nullopt;
  if (i + 1 >= argc) return std::string_view{};
  return std::string_view(argv[++i]);
}

int UsageError(const std::string& message) {
  std::cerr << "spintrak-snapshot: " << message << "\nTry 'spintrak-snapshot --help' for more information.\n";
  return 2;
}

// The value of --scale: a whole number from 1 to 8, else nothing.
std::optional<int> ParseScale(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > 8) return std::nullopt;
  return value;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::int32_t> spins;
  int scale = 1;
  std::string out;
  std::vector<std::string> files;
  std::string language = app::ChooseLanguage(std::getenv, app::BuiltCatalogues());
  try {
    for (int i = 1; i < argc; ++i) {
      const std::string_view arg = argv[i];
      if (arg == "--help" || arg == "-h") {
        std::cout << Usage;
        return 0;
      }
      if (arg == "--scale" || arg.starts_with("--scale=")) {
        if (arg == "--scale" && i + 1 >= argc) return UsageError("option '--scale' needs a value");
        const std::string_view value = arg == "--scale" ? std::string_view(argv[++i]) : arg.substr(8);
        const std::optional<int> parsed = ParseScale(value);
        if (!parsed)
          return UsageError("the scale must be a whole number from 1 to 8, not '" + std::string(value) + "'");
        scale = *parsed;
      } else if (const auto value = OptionValue("--language", argc, argv, i)) {
        if (value->empty()) return UsageError("option '--language' needs a value");
        language = *value;
      } else if (arg == "--spins" || arg.starts_with("--spins=")) {
        std::string_view list;
        if (arg == "--spins") {
          if (i + 1 >= argc) return UsageError("option '--spins' needs a value");
          list = argv[++i];
        } else {
          list = arg.substr(8);
        }
        session::TSpinParser parser("--spins", spins, session::TInvalidTokens::itStop);
        parser.Feed(list);
        parser.Finish();
      } else if (arg.size() > 1 && arg.starts_with('-')) {
        return UsageError("unknown option '" + std::string(arg) + "'");
      } else if (out.empty()) {
        out = arg;
      } else {
        files.emplace_back(arg);
      }
    }
    if (out.empty()) return UsageError("no output file given");
    for (const std::string& file : files) session::ReadSpins(file, spins, session::TInvalidTokens::itStop);
  } catch (const session::TSpinInputError& e) {
    std::cerr << "spintrak-snapshot: " << e.what() << '\n';
    return 1;
  } catch (const session::TSpinReadError& e) {
    std::cerr << "spintrak-snapshot: " << e.what() << '\n';
    return 1;
  }

  if (!app::UseLanguage(language, app::CatalogueFolders()))
    return UsageError("no catalogue for the language '" + language + "'");
  try {
    testing::TTestApp test;
    test.Host.SetWindowScale(scale);
    app::TForm1& form = app::StartUp(test.App);
    form.Show();
    test.Host.RunUntilIdle();
    for (std::int32_t spin : spins) {
      testing::TypeText(test.Host, form, std::to_string(spin));
      testing::PressKey(test.Host, form, gui::VK_RETURN);
    }
    test.Host.SaveFormPng(form, out);
  } catch (const std::exception& e) {
    std::cerr << "spintrak-snapshot: " << e.what() << '\n';
    return 3;
  }
  return 0;
}
