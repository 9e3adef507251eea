#pragma once

class QWindow;

namespace rw {

// Runs Qt's events until the compositor has configured and exposed
// `window`, for at most `most_ms`; whether it was exposed by then. Input
// that arrives meanwhile is queued as usual.
bool AwaitExposure(QWindow& window, int most_ms);

}  // namespace rw
