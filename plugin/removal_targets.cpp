#include "plugin/removal_targets.h"

namespace RemovalTargets {

bool Pos = false;
bool Ori = false;
bool Dir = false;
bool Pose = false;
bool Distance = false;
bool Scaling = false;
bool Symmetry = false;
bool ChainUpVector = false;

} // namespace RemovalTargets
