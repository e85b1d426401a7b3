// The option property's texts: its name, parameters, page labels and buttons.
#ifndef QUILLMERE_OPTION_LITERALS_H
#define QUILLMERE_OPTION_LITERALS_H

const wchar_t* const kOptionPropertyName = L"QuillmereOption";

// Parameter script names, in the order they are added and written.
const wchar_t* const kPosParameter = L"Pos";
const wchar_t* const kDirParameter = L"Dir";
const wchar_t* const kOriParameter = L"Ori";
const wchar_t* const kPoseParameter = L"Pose";
const wchar_t* const kDistanceParameter = L"Distance";
const wchar_t* const kScalingParameter = L"Scaling";
const wchar_t* const kSymmetryParameter = L"Symmetry";
const wchar_t* const kChainUpVectorParameter = L"ChainUpVector";

const wchar_t* const kOptionParameters[] = {kPosParameter,      kDirParameter,          kOriParameter,
                                            kPoseParameter,     kDistanceParameter,     kScalingParameter,
                                            kSymmetryParameter, kChainUpVectorParameter};
const int kOptionParameterCount = sizeof(kOptionParameters) / sizeof(kOptionParameters[0]);

struct OptionButton {
	const wchar_t* scriptName;
	const wchar_t* label;
};

const wchar_t* const kAllOnButton = L"AllOn";
const wchar_t* const kAllOffButton = L"AllOff";
const wchar_t* const kAllToggleButton = L"AllToggle";

const OptionButton kOptionButtons[] = {
    {kAllOnButton, L"All ON"},
    {kAllOffButton, L"All OFF"},
    {kAllToggleButton, L"All Toggle"},
};

struct OptionPageItem {
	const wchar_t* parameter;
	const wchar_t* label;
};

// Page order, which puts Orientation before Direction unlike the parameters.
const OptionPageItem kOptionPageItems[] = {
    {kPosParameter, L"Position"},      {kOriParameter, L"Orientation"},
    {kDirParameter, L"Direction"},     {kPoseParameter, L"Pose"},
    {kDistanceParameter, L"Distance"}, {kScalingParameter, L"Scaling"},
    {kSymmetryParameter, L"Symmetry"}, {kChainUpVectorParameter, L"Chain Up Vector"},
};

const wchar_t* const kTargetGroupLabel = L"Target Constraints";
const wchar_t* const kButtonAttribute = L"Button";

#endif
