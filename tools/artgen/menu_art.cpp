#include "artgen/artgen.h"

namespace artgen {

void DrawMenuArt(const std::string&) {}

}  // namespace artgen
