#pragma once

// The web engine behind the browser pane. Its library is opened when the first pane is made,
// after the form's first frame: linked at start-up, mapping and relocating it alone would delay
// the first frame by ~80 ms and add ~35 MB of resident memory before any page is shown.
// A banner needs little of a browser, so views are made with the engine's settings for a small
// footprint: one shared context caching nothing, keeping no data on disk, with memory-pressure
// limits, and no plug-ins, WebGL, media or back-forward page cache.

#include <string>

typedef struct _GtkWidget GtkWidget;

namespace platform::gtk {

struct TWebEngine;

// The engine, or null when it was not built in or its library cannot be loaded.
const TWebEngine* WebEngine();

// Views made afterwards use the engine's own defaults instead of the small-footprint settings.
// For measuring what the settings save; the program never calls it.
void UseWebEngineDefaults(bool defaults);

// The window process draws no GL: with hardware acceleration off the page reaches it as a
// shared-memory bitmap. The engine's window side still opens a GL display when its first page
// starts, which loads the GL driver; Mesa's brings its LLVM compiler, ~20 MB of proportional
// memory for nothing. The GL dispatch library picks its drivers once per process, at its first
// call, from __EGL_VENDOR_LIBRARY_FILENAMES; this makes that first call with no driver named and
// then puts the variable back as it was, so the engine's web process, which cannot paint without
// a GL display, still finds its driver. Must run before any thread starts; does nothing after
// UseWebEngineDefaults(true) or where the dispatch library is not found.
void KeepGlDriversOutOfThisProcess();

GtkWidget* NewEngineView(const TWebEngine& engine);
void EngineLoadUri(const TWebEngine& engine, GtkWidget* view, const std::string& uri);
std::string EngineTitle(const TWebEngine& engine, GtkWidget* view);

}  // namespace platform::gtk
