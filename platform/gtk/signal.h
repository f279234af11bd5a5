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

// The same, run after the signal's default handler.
template <typename Handler>
gulong ConnectAfter(gpointer instance, const char* signal, Handler* handler, gpointer data) {
  return g_signal_connect_data(instance, signal, reinterpret_cast<GCallback>(handler), data, nullptr,
                               G_CONNECT_AFTER);
}

}  // namespace platform::gtk

#include <functional>

namespace platform::gtk {

// Runs `action` once from the main loop when nothing more urgent is pending.
inline guint CallWhenIdle(std::function<void()> action) {
  using TAction = std::function<void()>;
  return g_idle_add_full(
      G_PRIORITY_DEFAULT_IDLE,
      +[](gpointer data) -> gboolean {
        (*static_cast<TAction*>(data))();
        return G_SOURCE_REMOVE;
      },
      new TAction(std::move(action)), +[](gpointer data) { delete static_cast<TAction*>(data); });
}

}  // namespace platform::gtk
