// The members every object handle shares: construction, binding and assignment.
#include "engine/current_host.h"

#include <xsi_application.h>
#include <xsi_chainbone.h>
#include <xsi_command.h>
#include <xsi_constraint.h>
#include <xsi_context.h>
#include <xsi_customproperty.h>
#include <xsi_joint.h>
#include <xsi_kinematics.h>
#include <xsi_model.h>
#include <xsi_operator.h>
#include <xsi_parameter.h>
#include <xsi_pluginitem.h>
#include <xsi_pluginregistrar.h>
#include <xsi_ppgeventcontext.h>
#include <xsi_ppgitem.h>
#include <xsi_ppglayout.h>
#include <xsi_selection.h>

namespace XSI {

// A handle binds only to objects of its class or a class derived from it;
// anything else leaves it empty, so IsValid() answers false.
#define XSI_STANDIN_HANDLE_BODY(C, BASE, ID)                                                                           \
	C::C(const C& in_obj) : BASE()                                                                                     \
	{                                                                                                                  \
		SetRef(in_obj.GetRef());                                                                                       \
	}                                                                                                                  \
	bool C::IsA(siClassID in_ClassID) const                                                                            \
	{                                                                                                                  \
		return CBase::IsA(in_ClassID);                                                                                 \
	}                                                                                                                  \
	siClassID C::GetClassID() const                                                                                    \
	{                                                                                                                  \
		return ID;                                                                                                     \
	}                                                                                                                  \
	C& C::operator=(const C& in_obj)                                                                                   \
	{                                                                                                                  \
		SetRef(in_obj.GetRef());                                                                                       \
		return *this;                                                                                                  \
	}                                                                                                                  \
	C& C::operator=(const CRef& in_ref)                                                                                \
	{                                                                                                                  \
		SetRef(in_ref.IsA(ID) ? in_ref : CRef());                                                                      \
		return *this;                                                                                                  \
	}

#define XSI_STANDIN_HANDLE(C, BASE, ID)                                                                                \
	C::C() {}                                                                                                          \
	C::C(const CRef& in_ref)                                                                                           \
	{                                                                                                                  \
		if (in_ref.IsA(ID)) {                                                                                          \
			SetRef(in_ref);                                                                                            \
		}                                                                                                              \
	}                                                                                                                  \
	C::~C() {}                                                                                                         \
	XSI_STANDIN_HANDLE_BODY(C, BASE, ID)

XSI_STANDIN_HANDLE(SIObject, CBase, siSIObjectID)
XSI_STANDIN_HANDLE(Selection, CBase, siSelectionID)
XSI_STANDIN_HANDLE(Parameter, SIObject, siParameterID)
XSI_STANDIN_HANDLE(ProjectItem, SIObject, siProjectItemID)
XSI_STANDIN_HANDLE(Property, ProjectItem, siPropertyID)
XSI_STANDIN_HANDLE(CustomProperty, Property, siCustomPropertyID)
XSI_STANDIN_HANDLE(SceneItem, ProjectItem, siSceneItemID)
XSI_STANDIN_HANDLE(X3DObject, SceneItem, siX3DObjectID)
XSI_STANDIN_HANDLE(Model, X3DObject, siModelID)
XSI_STANDIN_HANDLE(ChainElement, X3DObject, siChainElementID)
XSI_STANDIN_HANDLE(ChainBone, ChainElement, siChainBoneID)
XSI_STANDIN_HANDLE(Kinematics, Property, siKinematicsID)
XSI_STANDIN_HANDLE(Joint, Property, siJointID)
XSI_STANDIN_HANDLE(Constraint, Property, siConstraintID)
XSI_STANDIN_HANDLE(Operator, ProjectItem, siOperatorID)
XSI_STANDIN_HANDLE(Context, CBase, siContextID)
XSI_STANDIN_HANDLE(PPGEventContext, Context, siPPGEventContextID)
XSI_STANDIN_HANDLE(Command, SIObject, siCommandID)
XSI_STANDIN_HANDLE(PPGItem, CBase, siPPGItemID)
XSI_STANDIN_HANDLE(PPGLayout, CBase, siPPGLayoutID)
XSI_STANDIN_HANDLE(PluginItem, SIObject, siPluginItemID)
XSI_STANDIN_HANDLE(PluginRegistrar, SIObject, siPluginRegistrarID)

// Application() refers to the running host; its destructor is inline.
Application::Application()
{
	host_engine::Host& host = host_engine::CurrentHost();
	SetRef(host.Scene().RefOf(host.Scene().ApplicationSlot()));
}

Application::Application(const CRef& in_ref)
{
	if (in_ref.IsA(siApplicationID)) {
		SetRef(in_ref);
	}
}

XSI_STANDIN_HANDLE_BODY(Application, SIObject, siApplicationID)

} // namespace XSI
