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

GtkWidget* NewEngineView(const TWebEngine& engine);
void EngineLoadUri(const TWebEngine& engine, GtkWidget* view, const std::string& uri);
std::string EngineTitle(const TWebEngine& engine, GtkWidget* view);

}  // namespace platform::gtk
