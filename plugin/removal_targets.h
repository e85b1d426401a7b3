// Which kinds of target the removal pass deletes: the last confirmed answers.
#ifndef QUILLMERE_REMOVAL_TARGETS_H
#define QUILLMERE_REMOVAL_TARGETS_H

// Process-wide on purpose: the host gives a command no place of its own to
// keep them. All off when the module loads.
namespace RemovalTargets {

extern bool Pos;
extern bool Ori;
extern bool Dir;
extern bool Pose;
extern bool Distance;
extern bool Scaling;
extern bool Symmetry;
extern bool ChainUpVector;

} // namespace RemovalTargets

#endif
