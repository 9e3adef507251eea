#pragma once

#include "platform/base/text.h"

#include <cstdint>
#include <filesystem>

// The program's shared state. Its procedures take no arguments and exchange
// everything through these process-wide values; start-up gives them their
// initial values (InitialiseGlobals) before anything reads them.
namespace rw {

inline std::int64_t ScreenWidth = 1274;
inline std::int64_t ScreenHeight = 958;
inline std::int64_t RedrawPending = 1;
inline std::int64_t NextPattern = 0;
// How many images of the test series SPACE, Backspace, the keys and the menu
// reach: the first nine, or the whole series (--full-screen, --pattern).
inline std::int64_t PatternCount = 9;
inline Text MetricsText;
inline Text RatioText;
inline Text TitleHint;
inline Text LineOrientation;
inline Text AlphabetText;
inline std::int64_t DrawToImage = 0;
inline std::int64_t MonochromeMode = 0;
inline std::int64_t WheelPosition = 0;
inline std::int64_t ColourRed = 0;
inline std::int64_t ColourGreen = 0;
inline std::int64_t ColourBlue = 0;
inline std::int64_t LastKeyPoll = 0;
inline std::int64_t CurrentEvent = 0;
inline std::int64_t InfoClosed = 0;
inline Text ProgramSearchRoot;
// The file system's own bytes: a name need not be valid UTF-8.
inline std::filesystem::path ProgramFilePath;
inline Text VersionText;

// Sets every global to its start value.
void InitialiseGlobals();

}  // namespace rw
