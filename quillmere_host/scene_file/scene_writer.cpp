#include "scene_file/scene_writer.h"

#include "scene_file/scene_format.h"

#include "engine/class_info.h"
#include "engine/scene_visit.h"

#include <string>
#include <vector>

namespace quillmere_host {

namespace {

const size_t kTopIndent = 4;

// `"key": `, as a key is laid out before its value.
std::string KeyOut(SceneKey key)
{
	return "\"" + std::string(SceneKeyText(key)) + "\": ";
}

// Lays the scene out as it is visited. Separators are written before the
// next item rather than after the last, as nothing says which is last.
class SceneFileWriter : public host_engine::SceneVisitor
{
public:
	explicit SceneFileWriter(OutputBuffer& out) : m_out(out) {}

	void BeginObjects()
	{
		m_out.Append("{\n  " + KeyOut(kObjectsKey) + "[");
		m_lists.push_back(List{kTopIndent, true});
	}

	void EndObjects()
	{
		m_out.Append(m_lists.back().empty ? "],\n" : "\n  ],\n");
		m_lists.pop_back();
	}

	void BeginObject(std::wstring_view name, XSI::siClassID classId, bool hasChildren) override
	{
		if (!m_objects.empty() && m_objects.back().inList != Children) {
			// The first child of the open object.
			EndInlineList(m_objects.back());
			OpenChildren(m_objects.back());
		}
		List& siblings = m_lists.back();
		m_out.Append(siblings.empty ? "\n" : ",\n");
		siblings.empty = false;
		m_out.Append(std::string(siblings.indent, ' '));
		m_out.Append(m_nameFirst);
		AppendJsonString(m_out, name);
		m_out.Append(m_classNext);
		AppendClassName(classId);
		m_objects.push_back(Open{hasChildren, None});
	}

	void Constraint(std::wstring_view name, std::wstring_view type) override
	{
		Item(Constraints, m_constraintsNext);
		if (type.empty()) {
			AppendJsonString(m_out, name);
			return;
		}
		m_out.Append(m_nameFirst);
		AppendJsonString(m_out, name);
		m_out.Append(m_typeNext);
		AppendJsonString(m_out, type);
		m_out.Append('}');
	}

	void Operator(std::wstring_view name) override
	{
		Item(Operators, m_operatorsNext);
		AppendJsonString(m_out, name);
	}

	void EndObject() override
	{
		Open& object = m_objects.back();
		EndInlineList(object);
		if (object.hasChildren) {
			m_out.Append('\n');
			m_out.Append(std::string(m_lists.back().indent - 2, ' '));
			m_out.Append("]}");
			m_lists.pop_back();
		} else {
			m_out.Append('}');
		}
		m_objects.pop_back();
	}

	void RootProperty(std::wstring_view preset) override { m_rootProperties.push_back(preset); }

	void Selection(const host_engine::Host& host)
	{
		m_out.Append("  " + KeyOut(kSelectionKey) + "[");
		bool empty = true;
		for (const host_engine::Handle& handle : host.Scene().SelectedObjects()) {
			m_out.Append(empty ? "\n    " : ",\n    ");
			AppendJsonString(m_out, host.Scene().Objects().Name(handle.slot));
			empty = false;
		}
		m_out.Append(empty ? "],\n" : "\n  ],\n");
	}

	void RootProperties()
	{
		m_out.Append("  " + KeyOut(kRootPropertiesKey) + "[");
		for (size_t i = 0; i < m_rootProperties.size(); ++i) {
			m_out.Append(i == 0 ? "" : ", ");
			AppendJsonString(m_out, m_rootProperties[i]);
		}
		m_out.Append("]\n}\n");
	}

private:
	enum ListKind { None, Constraints, Operators, Children };
	struct List {
		size_t indent;
		bool empty;
	};
	struct Open {
		bool hasChildren;
		ListKind inList;
	};

	void AppendClassName(XSI::siClassID classId)
	{
		const char* name = SceneClassName(classId);
		if (name != nullptr) {
			AppendJsonString(m_out, std::string_view(name));
			return;
		}
		// Only a scene made in memory holds other classes (a Null): their
		// host name says what they were, and a reader refuses it by name.
		AppendJsonString(m_out, std::wstring_view(host_engine::ClassIdName(classId)));
	}

	// `opening` is the list's key and bracket.
	void Item(ListKind kind, const std::string& opening)
	{
		Open& object = m_objects.back();
		if (object.inList == kind) {
			m_out.Append(", ");
			return;
		}
		EndInlineList(object);
		m_out.Append(opening);
		object.inList = kind;
	}

	void EndInlineList(Open& object)
	{
		if (object.inList == Constraints || object.inList == Operators) {
			m_out.Append(']');
			object.inList = None;
		}
	}

	void OpenChildren(Open& object)
	{
		m_out.Append(m_childrenNext);
		object.inList = Children;
		m_lists.push_back(List{m_lists.back().indent + 2, true});
	}

	OutputBuffer& m_out;
	// The keys as laid out between values, made once.
	const std::string m_nameFirst = "{" + KeyOut(kNameKey);
	const std::string m_classNext = ", " + KeyOut(kClassKey);
	const std::string m_typeNext = ", " + KeyOut(kTypeKey);
	const std::string m_constraintsNext = ", " + KeyOut(kConstraintsKey) + "[";
	const std::string m_operatorsNext = ", " + KeyOut(kOperatorsKey) + "[";
	const std::string m_childrenNext = ", " + KeyOut(kChildrenKey) + "[";
	std::vector<List> m_lists;
	std::vector<Open> m_objects;
	std::vector<std::wstring_view> m_rootProperties;
};

} // namespace

void WriteScene(const host_engine::Host& host, OutputBuffer& out)
{
	SceneFileWriter writer(out);
	writer.BeginObjects();
	host_engine::VisitScene(host, writer);
	writer.EndObjects();
	writer.Selection(host);
	writer.RootProperties();
	out.Flush();
}

std::string SceneToJson(const host_engine::Host& host)
{
	std::string text;
	OutputBuffer out(OutputBuffer::Into(text));
	WriteScene(host, out);
	return text;
}

} // namespace quillmere_host
