#include "session/spin_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "files/file_io.h"
#include "stats/wheel.h"

namespace session {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t ShownTokenLength = 32;

// A token as an error shows it: cut short, and with control and non-ASCII bytes escaped so a
// binary file cannot scramble the terminal.
std::string Printable(std::string_view token) {
  std::string shown;
  for (std::size_t i = 0; i < token.size() && i < ShownTokenLength; ++i) {
    const auto c = static_cast<unsigned char>(token[i]);
    if (c == '"' || c == '\\') {
      shown += '\\';
      shown += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7F) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      shown += escaped;
    } else {
      shown += static_cast<char>(c);
    }
  }
  if (token.size() > ShownTokenLength) shown += "...";
  return shown;
}

std::string Describe(const std::string& source, std::size_t line, const std::string& token,
                     const std::string& message) {
  std::string text = source;
  if (line > 0) text += ':' + std::to_string(line);
  text += ": ";
  if (!token.empty() || line > 0) text += '"' + token + "\" ";
  return text + message;
}

}  // namespace

TSpinInputError::TSpinInputError(std::string source, std::size_t line, std::string token,
                                 const std::string& message)
    : std::runtime_error(Describe(source, line, token, message)),
      FSource(std::move(source)),
      FLine(line),
      FToken(std::move(token)) {}

TSpinParser::TSpinParser(std::string source, std::vector<std::int32_t>& spins, TInvalidTokens invalid)
    : FSource(std::move(source)), FSpins(spins), FInvalid(invalid), FFirstSpin(spins.size()) {}

void TSpinParser::Feed(std::string_view text) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    ++FColumn;
    if (!IsSpinSeparator(c)) {
      if (++FTokenLength > MaxTokenLength && !FSkipping) {
        FPending.append(text.data() + start, i + 1 - start);
        start = i + 1;
        RejectLong(FPending);
        FSkipping = true;
      }
      continue;
    }
    if (FSkipping) {
      FSkipping = false;
    } else if (!FPending.empty()) {
      FPending.append(text.data() + start, i - start);
      EndToken(FPending);
    } else if (i > start) {
      EndToken(text.substr(start, i - start));
    }
    FPending.clear();
    FTokenLength = 0;
    // CR LF, a lone LF and a lone CR each end one line.
    if (c == '\r' || (c == '\n' && !(i > 0 ? text[i - 1] == '\r' : FAfterCarriageReturn))) ++FLine;
    if (c == '\r' || c == '\n') FColumn = 0;
    start = i + 1;
  }
  if (FSkipping)
    FPending.clear();
  else if (start < text.size())
    FPending.append(text.data() + start, text.size() - start);
  if (!text.empty()) FAfterCarriageReturn = text.back() == '\r';
}

void TSpinParser::Finish() {
  if (!FPending.empty() && !FSkipping) {
    EndToken(FPending);
    FPending.clear();
  }
  if (FSpins.size() == FFirstSpin) {
    TSpinInputError error(FSource, 0, {}, "holds no spins");
    if (FInvalid == TInvalidTokens::itStop) throw error;
    FSkipped.push_back(std::move(error));
  }
}

void TSpinParser::EndToken(std::string_view token) {
  // Editors on some desktops start a text file with a byte order mark.
  if (FLine == 1 && FSpins.size() == FFirstSpin && token.starts_with(ByteOrderMark)) {
    token.remove_prefix(ByteOrderMark.size());
    if (token.empty()) return;
  }
  std::size_t digits = 0;
  std::int64_t value = 0;
  for (char c : token) {
    if (c < '0' || c > '9') return Reject(token, "is not a wheel number (a whole number from 0 to 36)");
    value = value * 10 + (c - '0');
    if (value > stats::MaxWheelNumber) return Reject(token, "is not a wheel number (a whole number from 0 to 36)");
    ++digits;
  }
  // "00" is the second zero of the double-zero wheel; read as 0 it would count into the wrong pocket.
  if (value == 0 && digits > 1) return Reject(token, "is not on a single-zero wheel (numbers 0 to 36)");
  FSpins.push_back(static_cast<std::int32_t>(value));
}

void TSpinParser::RejectLong(std::string_view start) {
  const std::size_t column = FColumn + 1 - FTokenLength;
  TSpinInputError error(FSource, FLine, Printable(start) + "...",
                        "at column " + std::to_string(column) + " is longer than any wheel number (" +
                            std::to_string(MaxTokenLength) + " characters at most)");
  if (FInvalid == TInvalidTokens::itStop) throw error;
  FSkipped.push_back(std::move(error));
}

void TSpinParser::Reject(std::string_view token, const char* why) {
  TSpinInputError error(FSource, FLine, Printable(token), why);
  if (FInvalid == TInvalidTokens::itStop) throw error;
  FSkipped.push_back(std::move(error));
}

std::string SourceName(const std::string& path) { return path == "-" ? "standard input" : path; }

std::vector<TSpinInputError> ReadSpins(const std::string& path, std::vector<std::int32_t>& spins,
                                       TInvalidTokens invalid, bool regularOnly) {
  const bool standardInput = path == "-";
  const std::string source = SourceName(path);
  // Opened without waiting, so that a FIFO is refused rather than waited on.
  files::TFd own(
      standardInput ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | (regularOnly ? O_NONBLOCK : 0)));
  if (!standardInput && !own.Valid()) throw TSpinReadError(path + ": " + std::strerror(errno));
  const int fd = standardInput ? STDIN_FILENO : own.Get();
  if (regularOnly) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) throw TSpinReadError(source + ": " + std::strerror(errno));
    if (!S_ISREG(info.st_mode)) throw TSpinReadError(source + ": It is not a regular file");
  }

  TSpinParser parser(source, spins, invalid);
  std::unique_ptr<char[]> buffer(new char[1 << 20]);
  for (;;) {
    const ssize_t got = ::read(fd, buffer.get(), 1 << 20);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw TSpinReadError(source + ": " + std::strerror(errno));
    }
    if (got == 0) break;
    parser.Feed({buffer.get(), static_cast<std::size_t>(got)});
  }
  parser.Finish();
  return parser.Skipped();
}

}  // namespace session
