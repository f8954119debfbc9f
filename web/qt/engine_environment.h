#pragma once

namespace pelorin::browser {

// Sets up the web engine before the application object exists: shared GL
// contexts, and engine flags that keep it local and quiet (no background
// traffic, no GPU; no sandbox only when running as root, where it cannot
// start with one). Flags already in the environment are kept.
void PrepareWebEngine();

} // namespace pelorin::browser
