#include "platform/gtk/web_engine.h"

#include <gtk/gtk.h>
#ifdef SPINTRAK_HAVE_WEBKIT
#include <dlfcn.h>
#include <webkit2/webkit2.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace platform::gtk {

#ifdef SPINTRAK_HAVE_WEBKIT

struct TWebEngine {
  GType (*ViewType)() = nullptr;
  GType (*ContextType)() = nullptr;
  GType (*DataManagerType)() = nullptr;
  GType (*SettingsType)() = nullptr;
  void (*LoadUri)(WebKitWebView*, const gchar*) = nullptr;
  const gchar* (*GetTitle)(WebKitWebView*) = nullptr;
  void (*SetCacheModel)(WebKitWebContext*, WebKitCacheModel) = nullptr;
  WebKitMemoryPressureSettings* (*PressureNew)() = nullptr;
  void (*PressureFree)(WebKitMemoryPressureSettings*) = nullptr;
  void (*PressureLimit)(WebKitMemoryPressureSettings*, guint) = nullptr;
  void (*PressureConservative)(WebKitMemoryPressureSettings*, gdouble) = nullptr;
  void (*PressureStrict)(WebKitMemoryPressureSettings*, gdouble) = nullptr;
  void (*PressurePoll)(WebKitMemoryPressureSettings*, gdouble) = nullptr;
  void (*NetworkPressure)(WebKitMemoryPressureSettings*) = nullptr;
};

namespace {

// Memory pressure: past a third of the limit the web and network processes drop what they can
// spare, past half of it they drop everything they can rebuild. The limit is what a banner
// page plus the engine's fixed cost needs; nothing is ever killed for passing it. Each check
// reads the process's whole memory map (some 30 ms of CPU in each process); a still banner does
// not grow, so once an hour is enough, and an idle program stays idle in between.
constexpr guint kMemoryLimitMb = 96;
constexpr double kConservativeThreshold = 0.33;
constexpr double kStrictThreshold = 0.5;
constexpr double kPollSeconds = 3600;

bool gEngineDefaults = false;

template <typename F>
bool Bind(void* library, const char* name, F& function) {
  function = reinterpret_cast<F>(dlsym(library, name));
  return function != nullptr;
}

// Sets a boolean property of the engine's settings when this version of the engine has it.
void SetFlag(GObject* object, const char* name, gboolean value) {
  if (g_object_class_find_property(G_OBJECT_GET_CLASS(object), name) != nullptr)
    g_object_set(object, name, value, nullptr);
}

WebKitMemoryPressureSettings* PressureSettings(const TWebEngine& e) {
  WebKitMemoryPressureSettings* settings = e.PressureNew();
  e.PressureLimit(settings, kMemoryLimitMb);
  e.PressureConservative(settings, kConservativeThreshold);
  e.PressureStrict(settings, kStrictThreshold);
  e.PressurePoll(settings, kPollSeconds);
  return settings;
}

// The one context of every pane: no disk cache or other website data on disk, no memory cache.
WebKitWebContext* SmallContext(const TWebEngine& e) {
  static WebKitWebContext* context = [&e] {
    // The network process reads its limits when it starts, which is with the first context.
    WebKitMemoryPressureSettings* pressure = PressureSettings(e);
    e.NetworkPressure(pressure);
    GObject* manager = G_OBJECT(g_object_new(e.DataManagerType(), "is-ephemeral", TRUE, nullptr));
    const char* names[2] = {"website-data-manager", "memory-pressure-settings"};
    GValue values[2] = {G_VALUE_INIT, G_VALUE_INIT};
    g_value_init(&values[0], G_TYPE_OBJECT);
    g_value_set_object(&values[0], manager);
    g_value_init(&values[1], G_TYPE_POINTER);
    guint count = 1;
    auto* contextClass = static_cast<GObjectClass*>(g_type_class_ref(e.ContextType()));
    if (GParamSpec* property = g_object_class_find_property(contextClass, names[1])) {
      g_value_unset(&values[1]);
      g_value_init(&values[1], property->value_type);
      g_value_set_boxed(&values[1], pressure);
      count = 2;
    }
    g_type_class_unref(contextClass);
    auto* result =
        reinterpret_cast<WebKitWebContext*>(g_object_new_with_properties(e.ContextType(), count, names, values));
    for (GValue& value : values) g_value_unset(&value);
    g_object_unref(manager);
    e.PressureFree(pressure);
    e.SetCacheModel(result, WEBKIT_CACHE_MODEL_DOCUMENT_VIEWER);
    return result;
  }();
  return context;
}

GObject* SmallSettings(const TWebEngine& e) {
  GObject* settings = G_OBJECT(g_object_new(e.SettingsType(), nullptr));
  SetFlag(settings, "enable-plugins", FALSE);
  SetFlag(settings, "enable-java", FALSE);
  SetFlag(settings, "enable-webgl", FALSE);
  SetFlag(settings, "enable-webaudio", FALSE);
  SetFlag(settings, "enable-media", FALSE);
  SetFlag(settings, "enable-mediasource", FALSE);
  SetFlag(settings, "enable-page-cache", FALSE);
  SetFlag(settings, "enable-html5-database", FALSE);
  SetFlag(settings, "enable-html5-local-storage", FALSE);
  SetFlag(settings, "enable-offline-web-application-cache", FALSE);
  SetFlag(settings, "enable-dns-prefetching", FALSE);
  // A banner needs no GPU: the page is painted in software and handed over as a bitmap.
  if (g_object_class_find_property(G_OBJECT_GET_CLASS(settings), "hardware-acceleration-policy") != nullptr)
    g_object_set(settings, "hardware-acceleration-policy", WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER, nullptr);
  return settings;
}

}  // namespace

const TWebEngine* WebEngine() {
  static const std::optional<TWebEngine> engine = []() -> std::optional<TWebEngine> {
    void* library = dlopen(SPINTRAK_WEBKIT_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
      std::fprintf(stderr, "spintrak: no web engine, the banner pane shows the page's title (%s)\n", dlerror());
      return std::nullopt;
    }
    TWebEngine e;
    const bool complete =
        Bind(library, "webkit_web_view_get_type", e.ViewType) &&
        Bind(library, "webkit_web_context_get_type", e.ContextType) &&
        Bind(library, "webkit_website_data_manager_get_type", e.DataManagerType) &&
        Bind(library, "webkit_settings_get_type", e.SettingsType) &&
        Bind(library, "webkit_web_view_load_uri", e.LoadUri) &&
        Bind(library, "webkit_web_view_get_title", e.GetTitle) &&
        Bind(library, "webkit_web_context_set_cache_model", e.SetCacheModel) &&
        Bind(library, "webkit_memory_pressure_settings_new", e.PressureNew) &&
        Bind(library, "webkit_memory_pressure_settings_free", e.PressureFree) &&
        Bind(library, "webkit_memory_pressure_settings_set_memory_limit", e.PressureLimit) &&
        Bind(library, "webkit_memory_pressure_settings_set_conservative_threshold", e.PressureConservative) &&
        Bind(library, "webkit_memory_pressure_settings_set_strict_threshold", e.PressureStrict) &&
        Bind(library, "webkit_memory_pressure_settings_set_poll_interval", e.PressurePoll) &&
        Bind(library, "webkit_website_data_manager_set_memory_pressure_settings", e.NetworkPressure);
    if (!complete) {
      std::fprintf(stderr, "spintrak: the web engine lacks %s; the banner pane shows the page's title\n",
                   dlerror());
      return std::nullopt;
    }
    return e;
  }();
  return engine ? &*engine : nullptr;
}

void UseWebEngineDefaults(bool defaults) { gEngineDefaults = defaults; }

void KeepGlDriversOutOfThisProcess() {
  if (gEngineDefaults) return;
  void* dispatch = dlopen("libEGL.so.1", RTLD_NOW | RTLD_LOCAL);
  if (dispatch == nullptr) return;
  using TQueryString = const char* (*)(void* display, int name);
  auto queryString = reinterpret_cast<TQueryString>(dlsym(dispatch, "eglQueryString"));
  if (queryString == nullptr) return;
  constexpr const char* kVendorList = "__EGL_VENDOR_LIBRARY_FILENAMES";
  constexpr int kExtensions = 0x3055;  // EGL_EXTENSIONS, asked of no display
  const char* userValue = std::getenv(kVendorList);
  const std::optional<std::string> saved = userValue ? std::optional<std::string>(userValue) : std::nullopt;
  setenv(kVendorList, "", 1);
  queryString(nullptr, kExtensions);
  if (saved)
    setenv(kVendorList, saved->c_str(), 1);
  else
    unsetenv(kVendorList);
  // The library stays open: the engine links it, and the choice made above lives in it.
}

GtkWidget* NewEngineView(const TWebEngine& e) {
  if (gEngineDefaults) return GTK_WIDGET(g_object_new(e.ViewType(), nullptr));
  GObject* settings = SmallSettings(e);
  GtkWidget* view =
      GTK_WIDGET(g_object_new(e.ViewType(), "web-context", SmallContext(e), "settings", settings, nullptr));
  g_object_unref(settings);
  return view;
}

void EngineLoadUri(const TWebEngine& e, GtkWidget* view, const std::string& uri) {
  e.LoadUri(reinterpret_cast<WebKitWebView*>(view), uri.c_str());
}

std::string EngineTitle(const TWebEngine& e, GtkWidget* view) {
  const gchar* title = e.GetTitle(reinterpret_cast<WebKitWebView*>(view));
  return title != nullptr ? title : "";
}

#else

struct TWebEngine {};

const TWebEngine* WebEngine() { return nullptr; }
void UseWebEngineDefaults(bool) {}
void KeepGlDriversOutOfThisProcess() {}
GtkWidget* NewEngineView(const TWebEngine&) { return nullptr; }
void EngineLoadUri(const TWebEngine&, GtkWidget*, const std::string&) {}
std::string EngineTitle(const TWebEngine&, GtkWidget*) { return {}; }

#endif

}  // namespace platform::gtk
