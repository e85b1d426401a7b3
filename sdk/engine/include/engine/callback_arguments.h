// What the host hands a plug-in's callbacks: the context (with its page event
// and attributes) and the command being set up or run.
#ifndef HOST_ENGINE_CALLBACK_ARGUMENTS_H
#define HOST_ENGINE_CALLBACK_ARGUMENTS_H

#include "engine/object_table.h"

#include <xsi_decl.h>
#include <xsi_value.h>

#include <string>
#include <string_view>

namespace host_engine {

// A context of class `contextClass` (a Context or a PPGEventContext) about
// `source`, for one callback: top-level, destroyed when the callback returns.
Handle CreateContext(ObjectTable& objects, XSI::siClassID contextClass, const Handle& source, int eventId = 0);

// The command object a registered command is set up and run through,
// named by its script name.
Handle CreateCommand(ObjectTable& objects, std::wstring_view scriptName);

// What the context is about (the command, the property, the layout, the
// parameter changed); an invalid handle when `context` is not a context.
Handle ContextSource(const ObjectTable& objects, uint32_t context);

// The page event the context carries: 0 (undefined) for a context of no
// event, or anything not a context.
int ContextEventId(const ObjectTable& objects, uint32_t context);

// The context's attribute `name`; empty when it has none of that name.
XSI::CValue ContextAttribute(const ObjectTable& objects, uint32_t context, const std::wstring& name);
// Sets (or replaces) the attribute; false when `context` is not a context.
bool PutContextAttribute(ObjectTable& objects, uint32_t context, const std::wstring& name, const XSI::CValue& value);

// Whether the command returns a value; false for anything not a command.
bool CommandReturnsValue(const ObjectTable& objects, uint32_t command);
// False when `command` is not a command.
bool EnableCommandReturnValue(ObjectTable& objects, uint32_t command, bool enable);

} // namespace host_engine

#endif
