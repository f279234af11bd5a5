// spintrak-stats' reading of spin logs on any bytes, handed over in two pieces split anywhere:
// the split changes nothing, skipping keeps exactly the good tokens, and when nothing is
// skipped, stopping at the first bad token reads the same spins.

#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "session/spin_reader.h"
#include "stats/wheel.h"

namespace {

struct TRead {
  std::vector<std::int32_t> Spins;
  std::vector<session::TSpinInputError> Skipped;
};

TRead Read(std::string_view first, std::string_view second) {
  TRead read;
  session::TSpinParser parser("log", read.Spins, session::TInvalidTokens::itSkip);
  parser.Feed(first);
  parser.Feed(second);
  parser.Finish();
  read.Skipped = parser.Skipped();
  return read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::TFuzzInput input(data, size);
  const auto split = input.Take<std::uint16_t>();
  const std::string_view text = input.Rest();
  const std::size_t at = split % (text.size() + 1);

  const TRead whole = Read(text, {});
  const TRead pieces = Read(text.substr(0, at), text.substr(at));
  if (whole.Spins != pieces.Spins || whole.Skipped.size() != pieces.Skipped.size()) std::abort();
  for (std::size_t i = 0; i < whole.Skipped.size(); ++i)
    if (std::string_view(whole.Skipped[i].what()) != pieces.Skipped[i].what()) std::abort();
  for (std::int32_t spin : whole.Spins)
    if (!stats::IsWheelNumber(spin)) std::abort();

  std::vector<std::int32_t> stopped;
  session::TSpinParser strict("log", stopped, session::TInvalidTokens::itStop);
  try {
    strict.Feed(text);
    strict.Finish();
    if (!whole.Skipped.empty() || stopped != whole.Spins) std::abort();
  } catch (const session::TSpinInputError& e) {
    if (whole.Skipped.empty() || std::string_view(e.what()) != whole.Skipped.front().what()) std::abort();
  }
  return 0;
}
