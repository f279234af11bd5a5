#pragma once

#include <glib-object.h>

namespace platform::gtk {

// g_signal_connect is a macro, which breaks on lambdas with commas in them; this is the same call
// for a plain function (a captureless lambda converts to one).
template <typename Handler>
gulong Connect(gpointer instance, const char* signal, Handler* handler, gpointer data) {
  return g_signal_connect_data(instance, signal, reinterpret_cast<GCallback>(handler), data, nullptr,
                               GConnectFlags(0));
}

} // namespace platform::gtk
