#include "platform/gtk/web_engine.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdlib>

namespace platform::gtk {
namespace {

constexpr const char* kVendorList = "__EGL_VENDOR_LIBRARY_FILENAMES";

// The window process keeps the GL driver out, while the engine's own processes, which inherit
// the environment, still see the user's choice of driver. The GL dispatch library decides once
// per process, so everything is checked in this one test.
TEST(WebEngine, TheWindowProcessLoadsNoGlDriverAndChildrenStillFindTheirs) {
  void* dispatch = dlopen("libEGL.so.1", RTLD_NOW | RTLD_LOCAL);
  if (dispatch == nullptr) GTEST_SKIP() << "no GL dispatch library on this machine";
  if (WebEngine() == nullptr) GTEST_SKIP() << "built or run without the web engine";

  const char* mesa = "/usr/share/glvnd/egl_vendor.d/50_mesa.json";
  setenv(kVendorList, mesa, 1);
  KeepGlDriversOutOfThisProcess();
  EXPECT_STREQ(std::getenv(kVendorList), mesa) << "the user's value is put back for child processes";

  using TGetDisplay = void* (*)(void*);
  auto getDisplay = reinterpret_cast<TGetDisplay>(dlsym(dispatch, "eglGetDisplay"));
  ASSERT_NE(getDisplay, nullptr);
  EXPECT_EQ(getDisplay(nullptr), nullptr) << "no driver may answer for the default display";
  EXPECT_EQ(dlopen("libEGL_mesa.so.0", RTLD_NOW | RTLD_NOLOAD), nullptr) << "the driver was loaded";

  unsetenv(kVendorList);
  KeepGlDriversOutOfThisProcess();
  EXPECT_EQ(std::getenv(kVendorList), nullptr) << "an unset variable stays unset";
}

}  // namespace
}  // namespace platform::gtk
