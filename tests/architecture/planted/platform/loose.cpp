// A source in the platform's hall instead of one of its rooms.
#include "platform/base/text.h"
