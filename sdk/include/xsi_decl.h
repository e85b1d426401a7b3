// Stand-in for the host's xsi_decl.h: SDK enums and the core-library constants.
#ifndef XSI_DECL_H
#define XSI_DECL_H

#include <stdlib.h>

#if defined(__unix__) && !defined(_WIN32)
#ifndef XSIDECL
#define XSIDECL
#endif
#else
#ifndef XSIDECL
#ifdef SICORESDKIMPL
#define XSIDECL __declspec(dllexport)
#else
#define XSIDECL __declspec(dllimport)
#endif
#endif
#endif

namespace XSI {

typedef enum siSeverityType {
	siFatalMsg = 1,
	siErrorMsg = 2,
	siWarningMsg = 4,
	siInfoMsg = 8,
	siVerboseMsg = 16,
	siCommentMsg = 32
} siSeverityType;

typedef enum siSeverity {
	siFatal = 1,
	siError = 2,
	siWarning = 4,
	siInfo = 8,
	siVerbose = 16,
	siComment = 32
} siSeverity;

typedef enum siCapabilities {
	siAnimatable = 1,
	siReadOnly = 2,
	siPersistable = 4,
	siNotInspectable = 8,
	siSilent = 16,
	siNotPresetPersistable = 128,
	siTexturable = 256,
	siKeyable = 2048,
	siNonKeyableVisible = 4096
} siCapabilities;

typedef enum siInspectMode {
	siRecycle = 1,
	siFollow = 2,
	siLock = 3,
	siModal = 4,
	siLockAndForceNew = 5
} siInspectMode;

typedef enum siPPGEventID {
	siUndefinedPPGEvent = 0,
	siOnInit = 1,
	siOnClosed = 2,
	siParameterChange = 3,
	siButtonClicked = 4,
	siTabChange = 5,
	siGridDataEvent = 6
} siPPGEventID;

typedef enum siParamClassification {
	siClassifVisualization = 1,
	siClassifPositioning = 2,
	siClassifAppearance = 4,
	siClassifMetaData = 8,
	siClassifModel = 16,
	siClassifGeometry = 16449,
	siClassifTopo = 16481,
	siClassifUnknown = 32768
} siParamClassification;

typedef enum siClassID {
	siUnknownClassID = 0,
	siObjectID = 0,
	siSIObjectID = 1,
	siApplicationID = 5,
	siCommandID = 7,
	siSelectionID = 39,
	siParameterID = 44,
	siProjectItemID = 47,
	siOperatorID = 53,
	siPropertyID = 57,
	siConstraintID = 59,
	siCustomPropertyID = 61,
	siJointID = 62,
	siKinematicsID = 63,
	siSceneItemID = 66,
	siClusterID = 67,
	siGroupID = 68,
	siX3DObjectID = 72,
	siModelID = 74,
	siChainElementID = 75,
	siChainRootID = 76,
	siChainBoneID = 77,
	siChainEffectorID = 78,
	siNullID = 82,
	siPPGLayoutID = 120,
	siPPGItemID = 121,
	siCustomOperatorID = 128,
	siContextID = 138,
	siPPGEventContextID = 139,
	siPluginItemID = 152,
	siPluginRegistrarID = 153
} siClassID;

extern XSIDECL const wchar_t* si3DObjectFamily;
extern XSIDECL const wchar_t* siChainElementFamily;
extern XSIDECL const wchar_t* siConstraintFamily;
extern XSIDECL const wchar_t* siOperatorFamily;
extern XSIDECL const wchar_t* siPropertyFamily;
extern XSIDECL const wchar_t* siGroupFamily;
extern XSIDECL const wchar_t* siNullPrimitiveFamily;

} // namespace XSI

#endif // XSI_DECL_H
