#pragma once

namespace platform::gtk {

// Sets the variables that make the toolkit and the web engine start quickly and quietly on a
// machine without a GPU (no OpenGL probe, no compositing in the web engine) and keep the engine
// asleep while nothing happens (no polling of the system's memory). A value the user has set,
// even an empty one, is kept. Must run before the toolkit is initialised.
void ApplyEnvironmentDefaults();

}  // namespace platform::gtk
