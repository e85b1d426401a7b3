// Reading a scene back past the object API, for tests: an object's name, a
// parameter's definition, the object a path names. It lives in the engine, not
// beside the tests, because a parameter's definition is a record only the
// engine sees.
#ifndef HOST_ENGINE_SCENE_READ_BACK_H
#define HOST_ENGINE_SCENE_READ_BACK_H

#include "engine/current_host.h"

#include <xsi_ref.h>
#include <xsi_value.h>

#include <string>

namespace host_engine {

class SceneReadBack
{
public:
	explicit SceneReadBack(const Host& host = CurrentHost()) : m_host(host) {}

	struct ParameterInfo {
		XSI::CValue::DataType type = XSI::CValue::siEmpty;
		int capabilities = 0;
		XSI::CValue value;
	};
	// A parameter as it was defined and what it holds; empty for anything else.
	ParameterInfo DescribeParameter(const XSI::CRef& parameter) const;
	// The object's own name, as stored; empty for an object that is gone.
	std::wstring NameOf(const XSI::CRef& ref) const;
	// The object a name or dotted full name names; invalid when none.
	XSI::CRef Find(const std::wstring& path) const;

private:
	const Host& m_host;
};

} // namespace host_engine

#endif
