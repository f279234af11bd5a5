#pragma once

#include <optional>
#include <string>

typedef struct _GtkWindow GtkWindow;

namespace platform::gtk {

// The desktop services the program uses, on GTK and GIO. Text is UTF-8 here; the host converts
// from and to the program's own encoding.

// The display's bell (the desktop's default sound).
void Beep();

// Puts text on the clipboard. False when the clipboard could not be taken over (no display, or the
// selection owner could not be set).
bool SetClipboardText(const std::string& utf8);

// The clipboard's text; nothing when the clipboard holds no text or cannot be read. Waits for the
// owner (another process answers within a few tens of milliseconds); the toolkit runs a nested
// loop meanwhile, so the caller must be ready for events to arrive.
std::optional<std::string> GetClipboardText();

// Turns a target as a user would type it into an address: a URI stays as it is, an absolute path
// becomes a file:// URI, "www." gets "http://" in front. Nothing when it cannot be turned into one.
std::optional<std::string> TargetToUri(const std::string& target);

// Opens a target with the desktop's default handler for it. Does not wait for the handler to
// finish; true when a handler was found and started. `error` receives the reason on failure.
bool OpenWithDefaultHandler(const std::string& target, std::string* error = nullptr);

// Shows the desktop's application chooser for a content type ("text/html") without blocking. The
// application the user picks becomes the default for that type. `parent` may be null.
void ShowApplicationChooser(const std::string& contentType, GtkWindow* parent);

}  // namespace platform::gtk
