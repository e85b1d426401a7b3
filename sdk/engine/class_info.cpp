// The host's table of classes, and the questions the engine asks of it: names, kinds, families.
#include "engine/class_info.h"

#include <cstddef>
#include <utility>

namespace host_engine {
namespace {

struct ClassInfo {
	XSI::siClassID id;
	const wchar_t* name;
	XSI::siClassID base;
};

constexpr ClassInfo kClasses[] = {
    {XSI::siSIObjectID, L"SIObject", XSI::siUnknownClassID},
    {XSI::siApplicationID, L"Application", XSI::siSIObjectID},
    {XSI::siCommandID, L"Command", XSI::siSIObjectID},
    {XSI::siSelectionID, L"Selection", XSI::siUnknownClassID},
    {XSI::siParameterID, L"Parameter", XSI::siSIObjectID},
    {XSI::siProjectItemID, L"ProjectItem", XSI::siSIObjectID},
    {XSI::siOperatorID, L"Operator", XSI::siProjectItemID},
    {XSI::siPropertyID, L"Property", XSI::siProjectItemID},
    {XSI::siConstraintID, L"Constraint", XSI::siPropertyID},
    {XSI::siCustomPropertyID, L"CustomProperty", XSI::siPropertyID},
    {XSI::siJointID, L"Joint", XSI::siPropertyID},
    {XSI::siKinematicsID, L"Kinematics", XSI::siPropertyID},
    {XSI::siSceneItemID, L"SceneItem", XSI::siProjectItemID},
    {XSI::siGroupID, L"Group", XSI::siSceneItemID},
    {XSI::siX3DObjectID, L"X3DObject", XSI::siSceneItemID},
    {XSI::siModelID, L"Model", XSI::siX3DObjectID},
    {XSI::siChainElementID, L"ChainElement", XSI::siX3DObjectID},
    {XSI::siChainRootID, L"ChainRoot", XSI::siChainElementID},
    {XSI::siChainBoneID, L"ChainBone", XSI::siChainElementID},
    {XSI::siChainEffectorID, L"ChainEffector", XSI::siChainElementID},
    {XSI::siNullID, L"Null", XSI::siX3DObjectID},
    {XSI::siPPGLayoutID, L"PPGLayout", XSI::siUnknownClassID},
    {XSI::siPPGItemID, L"PPGItem", XSI::siUnknownClassID},
    {XSI::siContextID, L"Context", XSI::siUnknownClassID},
    {XSI::siPPGEventContextID, L"PPGEventContext", XSI::siContextID},
    {XSI::siPluginItemID, L"PluginItem", XSI::siSIObjectID},
    {XSI::siPluginRegistrarID, L"PluginRegistrar", XSI::siSIObjectID},
};

// Class IDs are small numbers, so lookups go through a table indexed by ID,
// built at compile time.
struct ClassIndex {
	const ClassInfo* byId[kMaxClassId] = {};

	constexpr ClassIndex()
	{
		for (const ClassInfo& info : kClasses) {
			byId[info.id] = &info;
		}
	}
};

constexpr ClassIndex kIndex;

constexpr ClassKinds MakeClassKinds()
{
	ClassKinds kinds{};
	for (const ClassInfo& info : kClasses) {
		for (XSI::siClassID base = info.id; base != XSI::siUnknownClassID; base = kIndex.byId[base]->base) {
			kinds.kindOf[info.id][base] = true;
		}
	}
	return kinds;
}

const ClassInfo* Find(XSI::siClassID id)
{
	unsigned index = static_cast<unsigned>(id);
	return (index > 0 && index < static_cast<unsigned>(kMaxClassId)) ? kIndex.byId[index] : nullptr;
}

} // namespace

constexpr ClassKinds kClassKinds = MakeClassKinds();

const wchar_t* ClassIdName(XSI::siClassID id)
{
	const ClassInfo* info = Find(id);
	return info ? info->name : L"";
}

Family FamilyFromName(const std::wstring& name)
{
	const std::pair<const wchar_t*, Family> kFamilies[] = {
	    {XSI::si3DObjectFamily, Family::Objects3D},     {XSI::siChainElementFamily, Family::ChainElements},
	    {XSI::siConstraintFamily, Family::Constraints}, {XSI::siOperatorFamily, Family::Operators},
	    {XSI::siPropertyFamily, Family::Properties},    {XSI::siGroupFamily, Family::Groups},
	    {XSI::siNullPrimitiveFamily, Family::Nulls},
	};
	for (const auto& family : kFamilies) {
		if (name == family.first) {
			return family.second;
		}
	}
	return Family::Unknown;
}

namespace {

bool In3DObjectFamily(XSI::siClassID id, const HostReadings& readings)
{
	if (IsKindOf(id, XSI::siChainElementID)) {
		return readings.ChainElementsAre3DObjects();
	}
	if (IsKindOf(id, XSI::siModelID)) {
		return readings.ModelsAre3DObjects();
	}
	return IsKindOf(id, XSI::siX3DObjectID);
}

} // namespace

bool IsInFamily(XSI::siClassID id, Family family, const HostReadings& readings)
{
	switch (family) {
	case Family::Objects3D: return In3DObjectFamily(id, readings);
	case Family::ChainElements: return IsKindOf(id, XSI::siChainElementID);
	case Family::Constraints: return IsKindOf(id, XSI::siConstraintID);
	case Family::Operators: return IsKindOf(id, XSI::siOperatorID);
	// Constraints are properties in the class tree but not of this family.
	case Family::Properties: return IsKindOf(id, XSI::siPropertyID) && !IsKindOf(id, XSI::siConstraintID);
	case Family::Groups: return id == XSI::siGroupID;
	case Family::Nulls: return id == XSI::siNullID;
	default: return false;
	}
}

} // namespace host_engine
