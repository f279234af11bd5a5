#include "platform/gtk/text_change.h"

#include <glib.h>

#include <string_view>

namespace platform::gtk {
namespace {

std::u32string CharsOf(const std::string& utf8) {
  glong count = 0;
  gunichar* chars = g_utf8_to_ucs4_fast(utf8.c_str(), -1, &count);
  std::u32string out(chars, chars + count);
  g_free(chars);
  return out;
}

std::string Utf8Of(std::u32string_view chars) {
  gchar* text = g_ucs4_to_utf8(reinterpret_cast<const gunichar*>(chars.data()), static_cast<glong>(chars.size()),
                               nullptr, nullptr, nullptr);
  std::string out = text ? text : "";
  g_free(text);
  return out;
}

}  // namespace

TTextChange TextChange(const std::string& was, const std::string& now, bool edit) {
  const std::u32string a = CharsOf(was), b = CharsOf(now);
  std::size_t prefix = 0, suffix = 0;
  if (edit) {
    while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix]) ++prefix;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
           a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
      ++suffix;
  }
  const std::u32string_view removed = std::u32string_view(a).substr(prefix, a.size() - prefix - suffix);
  const std::u32string_view inserted = std::u32string_view(b).substr(prefix, b.size() - prefix - suffix);
  return {static_cast<int>(prefix), Utf8Of(removed), Utf8Of(inserted), static_cast<int>(removed.size()),
          static_cast<int>(inserted.size())};
}

}  // namespace platform::gtk
