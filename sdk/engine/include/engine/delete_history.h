// Every DeleteObj the host ran, in call order, with what it removed.
#ifndef HOST_ENGINE_DELETE_HISTORY_H
#define HOST_ENGINE_DELETE_HISTORY_H

#include "engine/chunked_list.h"
#include "engine/object_handle.h"

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
	// The object asked for and the one it belonged to, by slot; kNoSlot when
	// the call named nothing that could go. A removed object keeps its slot
	// while an undo can bring it back, so a report can tell it from what
	// stayed; one the host refused is named here as a removed one is.
	uint32_t slot = kNoSlot;
	uint32_t ownerSlot = kNoSlot;
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
