#pragma once
// Reading spin logs: wheel numbers separated by newlines, commas, semicolons or blanks.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace session {

// A token that is not a wheel number, or a source without any spins.
class TSpinInputError : public std::runtime_error {
 public:
  TSpinInputError(std::string source, std::size_t line, std::string token, const std::string& message);

  const std::string& Source() const noexcept { return FSource; }
  std::size_t Line() const noexcept { return FLine; }  // 0 when the error is about the whole source
  const std::string& Token() const noexcept { return FToken; }

 private:
  std::string FSource;
  std::size_t FLine;
  std::string FToken;
};

// A file that cannot be opened or read.
class TSpinReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What ends a spin in a log: newlines, blanks, commas and semicolons. Writers that append to a
// log use it too, so that a new line never joins the file's last number.
constexpr bool IsSpinSeparator(char c) {
  switch (c) {
    case '\n':
    case '\r':
    case ' ':
    case '\t':
    case '\v':
    case '\f':
    case ',':
    case ';': return true;
    default: return false;
  }
}

// The longest token read as a possible wheel number ("007", a byte order mark before "36");
// a longer one is refused as soon as it is seen, without reading it whole.
inline constexpr std::size_t MaxTokenLength = 8;

// What to do with a token that is not a wheel number: stop, or leave it out and tell the caller.
enum class TInvalidTokens : std::uint8_t { itStop, itSkip };

// Turns one source's text into spins as it arrives in pieces of any size; a token split between
// two pieces is joined again, and no token is kept longer than MaxTokenLength. Feed the pieces
// in order, then call Finish once.
class TSpinParser {
 public:
  TSpinParser(std::string source, std::vector<std::int32_t>& spins, TInvalidTokens invalid);

  void Feed(std::string_view text);
  // Takes the last token and checks that the source held a spin at all.
  void Finish();

  // The errors left out under itSkip, in the order met.
  const std::vector<TSpinInputError>& Skipped() const noexcept { return FSkipped; }

 private:
  void EndToken(std::string_view token);
  void Reject(std::string_view token, const char* why);
  void RejectLong(std::string_view start);

  std::string FSource;
  std::vector<std::int32_t>& FSpins;
  TInvalidTokens FInvalid;
  std::string FPending;  // the start of a token cut off at the end of the last piece
  std::size_t FLine = 1;
  std::size_t FColumn = 0;            // of the last character fed
  std::size_t FTokenLength = 0;       // of the token being read
  bool FSkipping = false;             // a long token refused under itSkip: left out up to its end
  bool FAfterCarriageReturn = false;  // the last piece ended in CR: an LF first in the next ends no line
  std::size_t FFirstSpin;
  std::vector<TSpinInputError> FSkipped;
};

// Appends the spins of a file ("-" is standard input) to `spins`. Throws TSpinReadError when the
// file cannot be read (or, with `regularOnly`, is not a regular file: a FIFO would block and a
// device may never end) and, under itStop, TSpinInputError at the first bad token.
std::vector<TSpinInputError> ReadSpins(const std::string& path, std::vector<std::int32_t>& spins,
                                       TInvalidTokens invalid, bool regularOnly = false);

// The name under which errors report a path: "standard input" for "-".
std::string SourceName(const std::string& path);

}  // namespace session
