#pragma once

class QApplication;

namespace arkivo::test {

// The one QApplication of a test binary, made on first use (offscreen under CTest).
// For tests that need an event loop, widgets or the palette.
QApplication* ensureApplication();

} // namespace arkivo::test
