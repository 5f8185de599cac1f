#pragma once

namespace arkivo::platform {

class RegistryStore;

// On SIGTERM, SIGINT and SIGHUP: writes the registry file and quits the
// application, so that a logout or Ctrl+C keeps the settings. The signal only
// wakes the event loop (a self-pipe); the saving runs on the UI thread.
// Call once, after the QApplication exists.
void installRegistryFlushOnSignals(RegistryStore& store);

} // namespace arkivo::platform
