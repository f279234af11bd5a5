#pragma once

#include <cstdint>
#include <initializer_list>

namespace gui {

// A small set of flags of one enumeration whose values are distinct bits.
template <class E>
class TFlags {
 public:
  constexpr TFlags() = default;
  constexpr TFlags(E flag) : FBits(static_cast<std::uint32_t>(flag)) {}
  constexpr TFlags(std::initializer_list<E> flags) {
    for (E flag : flags) FBits |= static_cast<std::uint32_t>(flag);
  }
  constexpr bool Contains(E flag) const { return (FBits & static_cast<std::uint32_t>(flag)) != 0; }
  constexpr TFlags& Include(E flag) { FBits |= static_cast<std::uint32_t>(flag); return *this; }
  constexpr TFlags& Exclude(E flag) { FBits &= ~static_cast<std::uint32_t>(flag); return *this; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr std::uint32_t Bits() const { return FBits; }
  constexpr friend TFlags operator|(TFlags a, TFlags b) { TFlags r; r.FBits = a.FBits | b.FBits; return r; }
  constexpr friend TFlags operator&(TFlags a, TFlags b) { TFlags r; r.FBits = a.FBits & b.FBits; return r; }
  constexpr bool operator==(const TFlags&) const = default;

 private:
  std::uint32_t FBits = 0;
};

}  // namespace gui
