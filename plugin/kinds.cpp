// The eight kinds, in page order: each one's parameter, label, switch and
// constraint name; and the order their parameters are added in.
#include "plugin/kinds.h"

#include "plugin/removal_targets.h"

// "ScalingCns" has no blank before "Cns": that is the host's own name for it.
extern const Kind kKinds[kKindCount] = {
    {L"Pos", L"Position", &RemovalTargets::Pos, L"Position Cns"},
    {L"Ori", L"Orientation", &RemovalTargets::Ori, L"Orientation Cns"},
    {L"Dir", L"Direction", &RemovalTargets::Dir, L"Direction Cns"},
    {L"Pose", L"Pose", &RemovalTargets::Pose, L"Pose Cns"},
    {L"Distance", L"Distance", &RemovalTargets::Distance, L"Distance Cns"},
    {L"Scaling", L"Scaling", &RemovalTargets::Scaling, L"ScalingCns"},
    {L"Symmetry", L"Symmetry", &RemovalTargets::Symmetry, L"Symmetry Cns"},
    {L"ChainUpVector", L"Chain Up Vector", &RemovalTargets::ChainUpVector, nullptr},
};

// Pos, Dir, Ori, Pose, Distance, Scaling, Symmetry, ChainUpVector.
extern const int kParameterOrder[kKindCount] = {0, 2, 1, 3, 4, 5, 6, 7};
