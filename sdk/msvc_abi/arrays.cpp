// CStringArray, CValueArray and CRefArray in the host's binary interface.
// Behind each array's pointer: the stand-in's array, and the items operator[]
// has handed out, each a view of the stand-in's item. A view stays where it
// is for the array's life, as a reference to an item would.
#include "bridge_calls.h"

#include <xsi_ref.h>
#include <xsi_status.h>
#include <xsi_string.h>
#include <xsi_value.h>

#include <string.h>

using namespace msvc_abi;

namespace {

// The views of an array's items, made as they are first handed out, in
// chunks that never move.
template <typename Item> class ViewTable
{
public:
	void Init()
	{
		m_chunks = nullptr;
		m_chunkCount = 0;
	}

	// The view of item `index`, made (default-constructed) when new. Only an
	// index the stand-in took comes here: it faults on one outside its array.
	Item& At(LONG index)
	{
		LONG chunk = index / kChunk;
		if (chunk >= m_chunkCount) {
			Grow(chunk + 1);
		}
		if (m_chunks[chunk] == nullptr) {
			m_chunks[chunk] = static_cast<Chunk*>(Allocate(sizeof(Chunk)));
			memset(m_chunks[chunk]->made, 0, sizeof(m_chunks[chunk]->made));
			memset(m_chunks[chunk]->writable, 0, sizeof(m_chunks[chunk]->writable));
		}
		Chunk& at = *m_chunks[chunk];
		LONG slot = index % kChunk;
		Item* item = reinterpret_cast<Item*>(at.storage) + slot;
		if (!at.made[slot]) {
			new (item, MsvcAbiInPlace()) Item();
			at.made[slot] = 1;
		}
		return *item;
	}

	// Marks view `index` (made already) as handed out for writing; true the first time.
	bool MarkWritable(LONG index)
	{
		unsigned char& marked = m_chunks[index / kChunk]->writable[index % kChunk];
		bool first = marked == 0;
		marked = 1;
		return first;
	}
	void UnmarkWritable(LONG index) { m_chunks[index / kChunk]->writable[index % kChunk] = 0; }
	// For a view handed out for writing: the stand-in's item as the view last
	// showed it, so that a write through the view shows as a difference.
	uintptr_t& Synced(LONG index) { return m_chunks[index / kChunk]->synced[index % kChunk]; }

	void Destroy()
	{
		for (LONG chunk = 0; chunk < m_chunkCount; ++chunk) {
			if (m_chunks[chunk] == nullptr) {
				continue;
			}
			for (LONG slot = 0; slot < kChunk; ++slot) {
				if (m_chunks[chunk]->made[slot]) {
					(reinterpret_cast<Item*>(m_chunks[chunk]->storage) + slot)->~Item();
				}
			}
			free(m_chunks[chunk]);
		}
		free(m_chunks);
	}

private:
	static const LONG kChunk = 64;
	struct Chunk {
		alignas(Item) unsigned char storage[sizeof(Item) * kChunk];
		unsigned char made[kChunk];
		unsigned char writable[kChunk];
		uintptr_t synced[kChunk];
	};

	void Grow(LONG chunks)
	{
		Chunk** grown = static_cast<Chunk**>(Allocate(sizeof(Chunk*) * static_cast<size_t>(chunks)));
		for (LONG i = 0; i < chunks; ++i) {
			grown[i] = i < m_chunkCount ? m_chunks[i] : nullptr;
		}
		free(m_chunks);
		m_chunks = grown;
		m_chunkCount = chunks;
	}

	Chunk** m_chunks;
	LONG m_chunkCount;
};

template <typename Box, typename Item> struct ArrayState {
	Box* box;
	ViewTable<Item> views;
};

template <typename State> State* NewState()
{
	State* state = static_cast<State*>(Allocate(sizeof(State)));
	state->box = nullptr;
	state->views.Init();
	return state;
}

template <typename State> void DeleteState(State* state)
{
	state->views.Destroy();
	free(state);
}

using TextArrayState = ArrayState<bridge_string_array, XSI::CString>;
using ValueArrayState = ArrayState<bridge_value_array, XSI::CValue>;

// A reference can't carry a mark, and the plug-in writes through the one
// operator[] handed out with a plain word copy: each view handed out for
// writing is listed once, and before any call on its array a view whose word
// differs from what it last showed is written into the stand-in's item, as
// a write through the host's own reference would already be.
struct RefArrayState : ArrayState<bridge_ref_array, XSI::CRef> {
	LONG* writable;
	LONG writableCount;
	LONG writableCapacity;
};

TextArrayState* StateOf(const XSI::CStringArray& array)
{
	return static_cast<TextArrayState*>(XSI::StandinAccess::Items(array));
}

ValueArrayState* StateOf(const XSI::CValueArray& array)
{
	return static_cast<ValueArrayState*>(XSI::StandinAccess::Items(array));
}

RefArrayState* StateOf(const XSI::CRefArray& array)
{
	return static_cast<RefArrayState*>(XSI::StandinAccess::Items(array));
}

RefArrayState* NewRefState(bridge_ref_array* box)
{
	RefArrayState* state = NewState<RefArrayState>();
	state->box = box;
	state->writable = nullptr;
	state->writableCount = 0;
	state->writableCapacity = 0;
	return state;
}

void ListWritable(RefArrayState& state, LONG index)
{
	if (!state.views.MarkWritable(index)) {
		return;
	}
	if (state.writableCount == state.writableCapacity) {
		LONG capacity = state.writableCapacity == 0 ? 8 : state.writableCapacity * 2;
		LONG* grown = static_cast<LONG*>(Allocate(sizeof(LONG) * static_cast<size_t>(capacity)));
		if (state.writableCount > 0) {
			memcpy(grown, state.writable, sizeof(LONG) * static_cast<size_t>(state.writableCount));
		}
		free(state.writable);
		state.writable = grown;
		state.writableCapacity = capacity;
	}
	state.writable[state.writableCount++] = index;
}

// After a call that changed the array: its count as the host's class keeps
// it, and each view handed out for writing showing its item again (a view
// past the new end is one no longer).
void MirrorCount(XSI::CRefArray& array)
{
	RefArrayState& state = *StateOf(array);
	LONG count = Checked(bridge_ref_array_count(state.box));
	XSI::StandinAccess::Count(array) = count;
	LONG kept = 0;
	for (LONG i = 0; i < state.writableCount; ++i) {
		LONG index = state.writable[i];
		if (index >= count) {
			state.views.UnmarkWritable(index);
			continue;
		}
		bridge_ref word = Checked(bridge_ref_array_get(state.box, index, 0));
		SetWord(state.views.At(index), word);
		state.views.Synced(index) = word;
		state.writable[kept++] = index;
	}
	state.writableCount = kept;
}

} // namespace

namespace msvc_abi {

bridge_string_array* Box(const XSI::CStringArray& array)
{
	return StateOf(array)->box;
}

bridge_value_array* Box(const XSI::CValueArray& array)
{
	return StateOf(array)->box;
}

bridge_ref_array* Box(const XSI::CRefArray& array)
{
	Flush(array);
	return StateOf(array)->box;
}

void Flush(const XSI::CRefArray& array)
{
	RefArrayState& state = *StateOf(array);
	for (LONG i = 0; i < state.writableCount; ++i) {
		LONG index = state.writable[i];
		bridge_ref word = Word(state.views.At(index));
		if (word != state.views.Synced(index)) {
			bridge_ref_array_set(state.box, index, word);
			Check();
			state.views.Synced(index) = word;
		}
	}
}

XSI::CRefArray TakenRefs(bridge_ref_array* box)
{
	Check();
	XSI::CRefArray refs;
	RefArrayState& state = *StateOf(refs);
	bridge_ref_array_delete(state.box);
	state.box = box;
	MirrorCount(refs);
	return refs;
}

XSI::CStringArray TakenTexts(bridge_string_array* box)
{
	Check();
	XSI::CStringArray texts;
	TextArrayState& state = *StateOf(texts);
	bridge_string_array_delete(state.box);
	state.box = box;
	return texts;
}

} // namespace msvc_abi

namespace XSI {

// ---- CStringArray ----

CStringArray::CStringArray(LONG in_size) : m_items(NewState<TextArrayState>())
{
	StateOf(*this)->box = Checked(bridge_string_array_new(static_cast<int32_t>(in_size)));
}

CStringArray::CStringArray(const CStringArray& in_array) : m_items(NewState<TextArrayState>())
{
	StateOf(*this)->box = Checked(bridge_string_array_new_copy(Box(in_array)));
}

CStringArray::~CStringArray()
{
	TextArrayState* state = StateOf(*this);
	bridge_string_array_delete(state->box);
	DeleteState(state);
}

CStringArray& CStringArray::operator=(const CStringArray& in_array)
{
	bridge_string_array_assign(Box(*this), Box(in_array));
	Check();
	return *this;
}

LONG CStringArray::GetCount() const
{
	return Checked(bridge_string_array_count(Box(*this)));
}

CStatus CStringArray::Add(const CString& in_item)
{
	return Status(bridge_string_array_add(Box(*this), msvc_abi::Box(in_item)));
}

CStatus CStringArray::Clear()
{
	return Status(bridge_string_array_clear(Box(*this)));
}

CStatus CStringArray::Resize(LONG in_size)
{
	return Status(bridge_string_array_resize(Box(*this), static_cast<int32_t>(in_size)));
}

namespace {

CString& TextView(const CStringArray& array, LONG index, int writable)
{
	TextArrayState& state = *StateOf(array);
	bridge_string* item = Checked(bridge_string_array_at(state.box, static_cast<int32_t>(index), writable));
	CString& view = state.views.At(index);
	Replace(view, static_cast<bridge_string*>(Borrowed(item)));
	return view;
}

} // namespace

const CString& CStringArray::operator[](LONG in_index) const
{
	return TextView(*this, in_index, 0);
}

CString& CStringArray::operator[](LONG in_index)
{
	return TextView(*this, in_index, 1);
}

bool CStringArray::operator==(const CStringArray& in_array) const
{
	return Checked(bridge_string_array_compare(Box(*this), BRIDGE_EQ, Box(in_array))) != 0;
}

bool CStringArray::operator!=(const CStringArray& in_array) const
{
	return Checked(bridge_string_array_compare(Box(*this), BRIDGE_NE, Box(in_array))) != 0;
}

// ---- CValueArray ----

CValueArray::CValueArray(LONG in_size) : m_items(NewState<ValueArrayState>())
{
	StateOf(*this)->box = Checked(bridge_value_array_new(static_cast<int32_t>(in_size)));
}

CValueArray::CValueArray(const CValueArray& in_array) : m_items(NewState<ValueArrayState>())
{
	StateOf(*this)->box = Checked(bridge_value_array_new_copy(Box(in_array)));
}

CValueArray::~CValueArray()
{
	ValueArrayState* state = StateOf(*this);
	bridge_value_array_delete(state->box);
	DeleteState(state);
}

CValueArray& CValueArray::operator=(const CValueArray& in_array)
{
	bridge_value_array_assign(Box(*this), Box(in_array));
	Check();
	return *this;
}

LONG CValueArray::GetCount() const
{
	return Checked(bridge_value_array_count(Box(*this)));
}

CStatus CValueArray::Add(const CValue& in_item)
{
	return Status(bridge_value_array_add(Box(*this), msvc_abi::Box(in_item)));
}

CStatus CValueArray::Clear()
{
	return Status(bridge_value_array_clear(Box(*this)));
}

CStatus CValueArray::Resize(LONG in_size)
{
	return Status(bridge_value_array_resize(Box(*this), static_cast<int32_t>(in_size)));
}

namespace {

CValue& ValueView(const CValueArray& array, LONG index, int writable)
{
	ValueArrayState& state = *StateOf(array);
	bridge_value* item = Checked(bridge_value_array_at(state.box, static_cast<int32_t>(index), writable));
	CValue& view = state.views.At(index);
	Replace(view, static_cast<bridge_value*>(Borrowed(item)));
	return view;
}

} // namespace

const CValue& CValueArray::operator[](LONG in_index) const
{
	return ValueView(*this, in_index, 0);
}

CValue& CValueArray::operator[](LONG in_index)
{
	return ValueView(*this, in_index, 1);
}

bool CValueArray::operator==(const CValueArray& in_array) const
{
	return Checked(bridge_value_array_compare(Box(*this), BRIDGE_EQ, Box(in_array))) != 0;
}

bool CValueArray::operator!=(const CValueArray& in_array) const
{
	return Checked(bridge_value_array_compare(Box(*this), BRIDGE_NE, Box(in_array))) != 0;
}

// ---- CRefArray ----

CRefArray::CRefArray(LONG in_lSize) : m_count(0), m_items(nullptr)
{
	m_items = NewRefState(Checked(bridge_ref_array_new(static_cast<int32_t>(in_lSize))));
	MirrorCount(*this);
}

CRefArray::CRefArray(const CRefArray& in_array) : m_count(0), m_items(nullptr)
{
	m_items = NewRefState(Checked(bridge_ref_array_new_copy(msvc_abi::Box(in_array))));
	MirrorCount(*this);
}

CRefArray::~CRefArray()
{
	RefArrayState* state = StateOf(*this);
	bridge_ref_array_delete(state->box);
	free(state->writable);
	DeleteState(state);
}

CRefArray& CRefArray::operator=(const CRefArray& in_array)
{
	bridge_ref_array_assign(msvc_abi::Box(*this), msvc_abi::Box(in_array));
	MirrorCount(*this);
	return *this;
}

CRefArray& CRefArray::operator+=(const CRefArray& in_array)
{
	bridge_ref_array_append(msvc_abi::Box(*this), msvc_abi::Box(in_array));
	MirrorCount(*this);
	return *this;
}

namespace {

CRef& RefView(const CRefArray& array, LONG index, int writable)
{
	bridge_ref word = Checked(bridge_ref_array_get(msvc_abi::Box(array), static_cast<int32_t>(index), writable));
	RefArrayState& state = *StateOf(array);
	CRef& view = state.views.At(index);
	SetWord(view, word);
	state.views.Synced(index) = word;
	if (writable) {
		ListWritable(state, index);
	}
	return view;
}

} // namespace

const CRef& CRefArray::operator[](LONG in_index) const
{
	return RefView(*this, in_index, 0);
}

CRef& CRefArray::operator[](LONG in_index)
{
	return RefView(*this, in_index, 1);
}

CRef CRefArray::GetItem(LONG in_index) const
{
	return RefOfWord(bridge_ref_array_item(msvc_abi::Box(*this), static_cast<int32_t>(in_index)));
}

CRef CRefArray::GetItem(const CString& in_name) const
{
	return RefOfWord(bridge_ref_array_item_named(msvc_abi::Box(*this), msvc_abi::Box(in_name)));
}

void CRefArray::Add(const CRef& in_item)
{
	bridge_ref_array_add(msvc_abi::Box(*this), Word(in_item));
	Check();
	MirrorCount(*this);
}

LONG CRefArray::GetCount() const
{
	return Checked(bridge_ref_array_count(msvc_abi::Box(*this)));
}

bool CRefArray::IsValid() const
{
	return Checked(bridge_ref_array_is_valid(msvc_abi::Box(*this))) != 0;
}

CRefArray::operator bool() const
{
	return Checked(bridge_ref_array_to_bool(msvc_abi::Box(*this))) != 0;
}

siClassID CRefArray::GetClassID() const
{
	return static_cast<siClassID>(Checked(bridge_ref_array_class_id(msvc_abi::Box(*this))));
}

CString CRefArray::GetClassIDName() const
{
	return Taken(bridge_ref_array_class_id_name(msvc_abi::Box(*this)));
}

bool CRefArray::IsA(siClassID in_classID) const
{
	return Checked(bridge_ref_array_is_a(msvc_abi::Box(*this), static_cast<int32_t>(in_classID))) != 0;
}

CStatus CRefArray::Filter(const CString& in_strType, const CStringArray& in_strFam, const CString& in_strObjName,
                          CRefArray& io_array) const
{
	CStatus status =
	    Status(bridge_ref_array_filter(msvc_abi::Box(*this), msvc_abi::Box(in_strType), msvc_abi::Box(in_strFam),
	                                   msvc_abi::Box(in_strObjName), msvc_abi::Box(io_array)));
	MirrorCount(io_array);
	return status;
}

} // namespace XSI
