#include "motion/status_text.h"

namespace rw {
namespace {

Text Hz(double hz) { return QString::number(hz, 'f', 2).replace(u'.', u','); }

Text SourceName(TimeSource source) {
  switch (source) {
    case TimeSource::Hardware: return u"Hardware"_qs;
    case TimeSource::Compositor: return u"Compositor"_qs;
    case TimeSource::Timer: return u"Zeitgeber"_qs;
  }
  return Text();
}

}  // namespace

Text MotionStatusText(const FrameCounts& counts, double nominal_hz) {
  const Text measured = counts.measured_hz > 0 ? Hz(counts.measured_hz) + u" Hz gemessen"_qs : u"– Hz gemessen"_qs;
  const Text mode = nominal_hz > 0 ? u"Modus "_qs + Hz(nominal_hz) + u" Hz"_qs : u"Modus unbekannt"_qs;
  return measured + u", "_qs + mode + u", "_qs + QString::number(counts.frames) + u" Bilder gezeigt, "_qs +
         QString::number(counts.missed) + u" verpasst, "_qs + QString::number(counts.discarded) +
         u" verworfen, Zeitquelle: "_qs + SourceName(counts.source);
}

}  // namespace rw
