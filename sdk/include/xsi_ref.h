// Stand-in for the host's xsi_ref.h: handles to host objects.
#ifndef XSI_REF_H
#define XSI_REF_H

#include "sicppsdk.h"
#include "xsi_decl.h"
#include "xsi_string.h"

#include <new>
#include <vector>

namespace XSI {

class CStatus;

namespace standin {

// The stand-in's storage for CRefArray and CValueArray: up to N elements in
// place, more on the heap. Most arrays a plug-in builds or gets (a command's
// arguments, an object's constraints) are short, and the host engine fills
// them for every object of a pass. Not part of the host's SDK.
template <typename T, int N> class SmallArray
{
public:
	SmallArray() {}
	explicit SmallArray(size_t count) { resize(count); }
	SmallArray(const SmallArray& other) { assign(other); }
	~SmallArray()
	{
		clear();
		if (m_data != Inline()) {
			::operator delete(m_data);
		}
	}
	SmallArray& operator=(const SmallArray& other)
	{
		if (this != &other) {
			clear();
			assign(other);
		}
		return *this;
	}

	size_t size() const { return m_size; }
	bool empty() const { return m_size == 0; }
	T& operator[](size_t index) { return m_data[index]; }
	const T& operator[](size_t index) const { return m_data[index]; }
	T* begin() { return m_data; }
	T* end() { return m_data + m_size; }
	const T* begin() const { return m_data; }
	const T* end() const { return m_data + m_size; }

	void reserve(size_t capacity)
	{
		if (capacity <= m_capacity) {
			return;
		}
		T* grown = static_cast<T*>(::operator new(capacity * sizeof(T)));
		for (size_t i = 0; i < m_size; ++i) {
			new (grown + i) T(m_data[i]);
			m_data[i].~T();
		}
		if (m_data != Inline()) {
			::operator delete(m_data);
		}
		m_data = grown;
		m_capacity = capacity;
	}
	void push_back(const T& value)
	{
		if (m_size == m_capacity) {
			T copy(value); // `value` may live in this array
			reserve(m_capacity * 2);
			new (m_data + m_size) T(copy);
		} else {
			new (m_data + m_size) T(value);
		}
		++m_size;
	}
	void resize(size_t count)
	{
		reserve(count);
		while (m_size < count) {
			new (m_data + m_size) T();
			++m_size;
		}
		while (m_size > count) {
			m_data[--m_size].~T();
		}
	}
	void clear() { resize(0); }

private:
	T* Inline() { return reinterpret_cast<T*>(m_inline); }
	void assign(const SmallArray& other)
	{
		reserve(other.m_size);
		for (size_t i = 0; i < other.m_size; ++i) {
			new (m_data + i) T(other.m_data[i]);
		}
		m_size = other.m_size;
	}

	T* m_data = Inline();
	size_t m_size = 0;
	size_t m_capacity = N;
	alignas(T) unsigned char m_inline[N * sizeof(T)];
};

} // namespace standin

class SICPPSDKDECL CRef
{
public:
	// Handles are copied at every call: these are inline.
	CRef() : m_slot(0), m_generation(0) {}
	CRef(const CRef& in_ref) : m_slot(in_ref.m_slot), m_generation(in_ref.m_generation) {}
	~CRef() {}
	CRef& operator=(const CRef& in_ref)
	{
		m_slot = in_ref.m_slot;
		m_generation = in_ref.m_generation;
		return *this;
	}

	siClassID GetClassID() const;
	bool IsA(siClassID in_classID) const;
	CString GetClassIDName() const;
	bool IsValid() const;
	operator bool() const;
	bool operator==(const CRef& in_ref) const { return m_slot == in_ref.m_slot && m_generation == in_ref.m_generation; }
	bool operator!=(const CRef& in_ref) const { return !(*this == in_ref); }
	bool operator<(const CRef& in_ref) const;
	bool operator>(const CRef& in_ref) const;
	CStatus Set(const CString& in_path);
	CString GetAsText() const;

private:
	// A slot in the host's object table and the generation it was issued
	// for; a reused slot has a newer generation, so stale handles stay stale.
	unsigned int m_slot;
	unsigned int m_generation;
	friend struct CRefAccess;
};

class SICPPSDKDECL CRefArray
{
public:
	CRefArray(LONG in_lSize = 0);
	CRefArray(const CRefArray& in_array);
	virtual ~CRefArray();

	CRefArray& operator=(const CRefArray& in_array);
	CRefArray& operator+=(const CRefArray& in_array);
	// Inline in range, as a pass indexes every element.
	const CRef& operator[](LONG in_index) const
	{
		return (in_index >= 0 && static_cast<size_t>(in_index) < m_items.size())
		           ? m_items[static_cast<size_t>(in_index)]
		           : OutOfRange();
	}
	CRef& operator[](LONG in_index)
	{
		return (in_index >= 0 && static_cast<size_t>(in_index) < m_items.size())
		           ? m_items[static_cast<size_t>(in_index)]
		           : Scratch();
	}
	virtual CRef GetItem(LONG in_index) const;
	virtual CRef GetItem(const CString& in_name) const;
	virtual void Add(const CRef& in_item);
	virtual LONG GetCount() const;
	virtual bool IsValid() const;
	operator bool() const;
	siClassID GetClassID() const;
	CString GetClassIDName() const;
	bool IsA(siClassID in_classID) const;
	CStatus Filter(const CString& in_strType, const CStringArray& in_strFam, const CString& in_strObjName,
	               CRefArray& io_array) const;

private:
	// Out of range: an invalid handle, or a scratch one to write to, rather
	// than memory that isn't the array's.
	static const CRef& OutOfRange();
	static CRef& Scratch();

	standin::SmallArray<CRef, 4> m_items;
	friend struct CRefAccess;
};

} // namespace XSI

#endif // XSI_REF_H
