#pragma once

namespace rw {

// Shows the information page in window 1 and runs its own event loop until
// the page is closed; sets InfoClosed when its OK button closed it.
void ShowInformationPage();

}  // namespace rw
