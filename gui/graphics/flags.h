#pragma once

#include <bit>
#include <cstdint>
#include <initializer_list>

namespace gui {

// How the values of an enumeration stand for members of a set: as distinct bits already
// (fsBold = 1, fsItalic = 2 ...), or as positions 0, 1, 2 ... whose bit is 1 << value.
enum class TFlagValues { Bits, Ordinals };

// A small set of flags of one enumeration.
template <class E, TFlagValues Values = TFlagValues::Bits>
class TFlags {
 public:
  constexpr TFlags() = default;
  // Implicit on purpose: a single flag is a one-element set.
  constexpr TFlags(E flag) : FBits(Bit(flag)) {}
  constexpr TFlags(std::initializer_list<E> flags) {
    for (E flag : flags) FBits |= Bit(flag);
  }
  static constexpr TFlags FromBits(std::uint32_t bits) {
    TFlags r;
    r.FBits = bits;
    return r;
  }
  constexpr bool Contains(E flag) const { return (FBits & Bit(flag)) != 0; }
  constexpr TFlags& Include(E flag) {
    FBits |= Bit(flag);
    return *this;
  }
  constexpr TFlags& Exclude(E flag) {
    FBits &= ~Bit(flag);
    return *this;
  }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr int Count() const { return std::popcount(FBits); }
  constexpr std::uint32_t Bits() const { return FBits; }
  constexpr TFlags& operator|=(TFlags other) {
    FBits |= other.FBits;
    return *this;
  }
  constexpr TFlags& operator&=(TFlags other) {
    FBits &= other.FBits;
    return *this;
  }
  constexpr friend TFlags operator|(TFlags a, TFlags b) { return a |= b; }
  constexpr friend TFlags operator&(TFlags a, TFlags b) { return a &= b; }
  constexpr bool operator==(const TFlags&) const = default;

 private:
  static constexpr std::uint32_t Bit(E flag) {
    const auto value = static_cast<std::uint32_t>(flag);
    return Values == TFlagValues::Bits ? value : std::uint32_t{1} << value;
  }

  std::uint32_t FBits = 0;
};

}  // namespace gui
