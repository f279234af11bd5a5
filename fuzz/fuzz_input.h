#pragma once
// Takes typed values off the front of a fuzzer's input; what is left over is the text or data
// under test. Past the end every value reads as zero.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace fuzz {

class TFuzzInput {
 public:
  TFuzzInput(const std::uint8_t* data, std::size_t size) : FData(data), FSize(size) {}

  template <typename T>
  T Take() {
    T value{};
    const std::size_t n = sizeof(T) < FSize ? sizeof(T) : FSize;
    std::memcpy(&value, FData, n);
    FData += n;
    FSize -= n;
    return value;
  }

  std::string_view Rest() const { return {reinterpret_cast<const char*>(FData), FSize}; }

 private:
  const std::uint8_t* FData;
  std::size_t FSize;
};

}  // namespace fuzz
