// The shell including a test's header.
#include "patterns/redraw.h"
#include "tests/drawing/surface_fixture.h"
