// The menu tune: sixteen cheerful bars in C major at 120 beats a minute, a
// lead melody over off-beat chords, a bouncing bass and a simple beat, mixed
// so that its last bar leads back into its first.
#pragma once

#include "artgen/synth.h"

namespace artgen {

LoopMix MenuTune();

}  // namespace artgen
