#pragma once

namespace rw {

// Starts turning the input that reaches the program's windows into raw
// events and feeding the tracked key state; once per application, later
// calls do nothing.
void InstallInputTranslator();

}  // namespace rw
