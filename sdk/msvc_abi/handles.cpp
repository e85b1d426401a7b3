// CRef, CBase and what every object handle shares, in the host's binary
// interface. A reference is one word on both sides: copying a reference or
// a handle copies the word; everything the word means, the stand-in says.
#include "bridge_calls.h"

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

using namespace msvc_abi;

namespace XSI {

// ---- CRef ----

CRef::CRef() : m_ptr(nullptr) {}

CRef::CRef(const CRef& in_ref) : m_ptr(in_ref.m_ptr) {}

CRef::~CRef() {}

CRef& CRef::operator=(const CRef& in_ref)
{
	m_ptr = in_ref.m_ptr;
	return *this;
}

siClassID CRef::GetClassID() const
{
	return static_cast<siClassID>(Checked(bridge_ref_class_id(Word(*this))));
}

bool CRef::IsA(siClassID in_classID) const
{
	return Checked(bridge_ref_is_a(Word(*this), static_cast<int32_t>(in_classID))) != 0;
}

CString CRef::GetClassIDName() const
{
	return Taken(bridge_ref_class_id_name(Word(*this)));
}

bool CRef::IsValid() const
{
	return Checked(bridge_ref_is_valid(Word(*this))) != 0;
}

CRef::operator bool() const
{
	return Checked(bridge_ref_to_bool(Word(*this))) != 0;
}

bool CRef::operator==(const CRef& in_ref) const
{
	return Checked(bridge_ref_compare(Word(*this), BRIDGE_EQ, Word(in_ref))) != 0;
}

bool CRef::operator!=(const CRef& in_ref) const
{
	return Checked(bridge_ref_compare(Word(*this), BRIDGE_NE, Word(in_ref))) != 0;
}

bool CRef::operator<(const CRef& in_ref) const
{
	return Checked(bridge_ref_compare(Word(*this), BRIDGE_LT, Word(in_ref))) != 0;
}

bool CRef::operator>(const CRef& in_ref) const
{
	return Checked(bridge_ref_compare(Word(*this), BRIDGE_GT, Word(in_ref))) != 0;
}

CStatus CRef::Set(const CString& in_path)
{
	bridge_ref word = Word(*this);
	CStatus status = Status(bridge_ref_set(&word, Box(in_path)));
	SetWord(*this, word);
	return status;
}

CString CRef::GetAsText() const
{
	return Taken(bridge_ref_as_text(Word(*this)));
}

// ---- CBase ----

CBase::CBase() {}

CBase::~CBase() {}

CString CBase::GetClassIDName() const
{
	return Taken(bridge_handle_class_id_name(ClassOf(*this), Word(*this)));
}

bool CBase::IsA(siClassID in_classID) const
{
	return Checked(bridge_handle_is_a(ClassOf(*this), Word(*this), static_cast<int32_t>(in_classID))) != 0;
}

bool CBase::IsA(const CRef& in_ref) const
{
	return Checked(bridge_handle_is_a_ref(ClassOf(*this), Word(*this), Word(in_ref))) != 0;
}

CStatus CBase::SetObject(const CRef& in_ref)
{
	bridge_ref word = Word(*this);
	CStatus status = Status(bridge_handle_set_object(ClassOf(*this), &word, Word(in_ref)));
	SetWord(m_ref, word);
	return status;
}

bool CBase::IsValid() const
{
	return Checked(bridge_handle_is_valid(ClassOf(*this), Word(*this))) != 0;
}

void CBase::ResetObject()
{
	SetWord(m_ref, Checked(bridge_handle_reset_object(ClassOf(*this), Word(*this))));
}

CBase::operator CRef&()
{
	return m_ref;
}

bool CBase::operator==(const CBase& in_obj) const
{
	return Checked(bridge_handle_compare(ClassOf(*this), Word(*this), BRIDGE_EQ, ClassOf(in_obj), Word(in_obj))) != 0;
}

bool CBase::operator!=(const CBase& in_obj) const
{
	return Checked(bridge_handle_compare(ClassOf(*this), Word(*this), BRIDGE_NE, ClassOf(in_obj), Word(in_obj))) != 0;
}

const CRef& CBase::GetRef() const
{
	return m_ref;
}

// The host's object pointer is its reference's: here, the reference's word.
void CBase::SetPtr(void* in_ptr)
{
	SetWord(m_ref, reinterpret_cast<bridge_ref>(in_ptr));
}

void CBase::SetRef(const CRef& in_ref)
{
	m_ref = in_ref;
}

void CBase::Clear()
{
	m_ref = CRef();
}

void* CBase::GetPtr() const
{
	return reinterpret_cast<void*>(Word(m_ref));
}

// ---- What every handle class declares ----
// A handle binds to a reference as the stand-in binds it; a copy holds the
// same word.

#define MSVC_ABI_HANDLE_BODY(C, BASE, ID)                                                                              \
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
		return static_cast<siClassID>(Checked(bridge_handle_class_id(ID, Word(GetRef()))));                            \
	}                                                                                                                  \
	C& C::operator=(const C& in_obj)                                                                                   \
	{                                                                                                                  \
		SetRef(in_obj.GetRef());                                                                                       \
		return *this;                                                                                                  \
	}                                                                                                                  \
	C& C::operator=(const CRef& in_ref)                                                                                \
	{                                                                                                                  \
		SetRef(RefOfWord(bridge_handle_bind(ID, Word(in_ref))));                                                       \
		return *this;                                                                                                  \
	}

#define MSVC_ABI_HANDLE(C, BASE, ID)                                                                                   \
	C::C() {}                                                                                                          \
	C::C(const CRef& in_ref)                                                                                           \
	{                                                                                                                  \
		SetRef(RefOfWord(bridge_handle_bind(ID, Word(in_ref))));                                                       \
	}                                                                                                                  \
	C::~C() {}                                                                                                         \
	MSVC_ABI_HANDLE_BODY(C, BASE, ID)

MSVC_ABI_HANDLE(SIObject, CBase, siSIObjectID)
MSVC_ABI_HANDLE(Selection, CBase, siSelectionID)
MSVC_ABI_HANDLE(Parameter, SIObject, siParameterID)
MSVC_ABI_HANDLE(ProjectItem, SIObject, siProjectItemID)
MSVC_ABI_HANDLE(Property, ProjectItem, siPropertyID)
MSVC_ABI_HANDLE(CustomProperty, Property, siCustomPropertyID)
MSVC_ABI_HANDLE(SceneItem, ProjectItem, siSceneItemID)
MSVC_ABI_HANDLE(X3DObject, SceneItem, siX3DObjectID)
MSVC_ABI_HANDLE(Model, X3DObject, siModelID)
MSVC_ABI_HANDLE(ChainElement, X3DObject, siChainElementID)
MSVC_ABI_HANDLE(ChainBone, ChainElement, siChainBoneID)
MSVC_ABI_HANDLE(Kinematics, Property, siKinematicsID)
MSVC_ABI_HANDLE(Joint, Property, siJointID)
MSVC_ABI_HANDLE(Constraint, Property, siConstraintID)
MSVC_ABI_HANDLE(Operator, ProjectItem, siOperatorID)
MSVC_ABI_HANDLE(Context, CBase, siContextID)
MSVC_ABI_HANDLE(PPGEventContext, Context, siPPGEventContextID)
MSVC_ABI_HANDLE(Command, SIObject, siCommandID)
MSVC_ABI_HANDLE(PPGItem, CBase, siPPGItemID)
MSVC_ABI_HANDLE(PPGLayout, CBase, siPPGLayoutID)
MSVC_ABI_HANDLE(PluginItem, SIObject, siPluginItemID)
MSVC_ABI_HANDLE(PluginRegistrar, SIObject, siPluginRegistrarID)

// Application() refers to the running host; its destructor is inline.
Application::Application()
{
	SetRef(RefOfWord(bridge_handle_application()));
}

Application::Application(const CRef& in_ref)
{
	SetRef(RefOfWord(bridge_handle_bind(siApplicationID, Word(in_ref))));
}

MSVC_ABI_HANDLE_BODY(Application, SIObject, siApplicationID)

} // namespace XSI
