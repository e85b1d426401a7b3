// Every DeleteObj the host ran, in call order, with what it removed.
#ifndef HOST_ENGINE_DELETE_HISTORY_H
#define HOST_ENGINE_DELETE_HISTORY_H

#include "engine/chunked_list.h"

#include <xsi_decl.h>

#include <cstdint>
#include <vector>

namespace host_engine {

// Texts are ids in the host's name table: a million-object run keeps its
// history in a few bytes per call.
struct DeleteRecord {
	bool removed = false;
	// The removed object was made by the same top-level command run that
	// deleted it: a command's own temporary object (the plug-in's option
	// property), not part of the scene the user gave it.
	bool temporary = false;
	uint32_t nameId = 0; // the removed object's name, or the text asked for
	XSI::siClassID classId = XSI::siUnknownClassID;
	uint32_t ownerNameId = 0; // the 3D object (or scene root) it belonged to
};

class DeleteHistory
{
public:
	void Add(const DeleteRecord& record) { m_records.push_back(record); }
	using RecordList = ChunkedList<DeleteRecord>;
	const RecordList& Records() const { return m_records; }
	size_t FailedCount() const
	{
		size_t failed = 0;
		for (const DeleteRecord& record : m_records) {
			failed += record.removed ? 0 : 1;
		}
		return failed;
	}
	void Clear() { m_records.clear(); }

private:
	RecordList m_records;
};

} // namespace host_engine

#endif
