#include "info/information_page.h"

namespace rw {

// Placeholder until the page with the version number exists: it opens
// nothing and returns at once, so menu command 9 leaves the main window as
// it was.
void ShowInformationPage() {}

}  // namespace rw
