// The host headers the plug-in is written against, gathered in one place.
#ifndef QUILLMERE_HOST_API_H
#define QUILLMERE_HOST_API_H

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
#include <xsi_ppglayout.h>
#include <xsi_selection.h>
#include <xsi_status.h>
#include <xsi_string.h>
#include <xsi_value.h>
#include <xsi_x3dobject.h>

#endif
