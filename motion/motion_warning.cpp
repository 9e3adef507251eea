#include "motion/motion_warning.h"

#include "platform/base/text.h"
#include "platform/window/warning_box.h"

namespace rw {
namespace {

bool g_confirmed = false;

}  // namespace

const char16_t* const kMotionWarningText =
    u"Die folgenden Testbilder ändern sich sehr schnell und blinken. Menschen mit fotosensibler Epilepsie "
    u"sollten sie nicht ansehen.";

bool ConfirmMotionWarning() {
  if (!g_confirmed) g_confirmed = ConfirmMessage(u"Rasterwacht"_qs, QString::fromUtf16(kMotionWarningText));
  return g_confirmed;
}

}  // namespace rw
