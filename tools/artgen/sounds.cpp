#include "artgen/artgen.h"

namespace artgen {

void SynthesiseSounds(const std::string&) {}

}  // namespace artgen
