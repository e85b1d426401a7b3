// The host's texts the removal subsystem matches and runs.
#ifndef QUILLMERE_REMOVAL_LITERALS_H
#define QUILLMERE_REMOVAL_LITERALS_H

// Constraint names, one per kind. "ScalingCns" has no blank: that is the
// host's own name for it.
const wchar_t* const kPositionCnsName = L"Position Cns";
const wchar_t* const kOrientationCnsName = L"Orientation Cns";
const wchar_t* const kDirectionCnsName = L"Direction Cns";
const wchar_t* const kPoseCnsName = L"Pose Cns";
const wchar_t* const kDistanceCnsName = L"Distance Cns";
const wchar_t* const kScalingCnsName = L"ScalingCns";
const wchar_t* const kSymmetryCnsName = L"Symmetry Cns";

const wchar_t* const kChainBoneClass = L"ChainBone";
const wchar_t* const kOperatorClass = L"Operator";
const wchar_t* const kSkeletonUpVectorOpName = L"SkeletonUpVectorOp";

const wchar_t* const kDeleteObjCommand = L"DeleteObj";
const wchar_t* const kInspectObjCommand = L"InspectObj";

const wchar_t* const kSelectObjectsMessage = L"Please select object(s).";

#endif
