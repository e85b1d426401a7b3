// A list appended at its end, held in chunks that never move: growing it
// copies nothing and touches only the memory it fills, and clearing it keeps
// the chunks for the next fill. For the host's per-run records, which reach
// millions of entries in one run and a handful in the next.
#ifndef HOST_ENGINE_CHUNKED_LIST_H
#define HOST_ENGINE_CHUNKED_LIST_H

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

namespace host_engine {

template <typename T> class ChunkedList
{
	static_assert(std::is_trivially_destructible<T>::value, "entries are dropped without destruction");
	struct FreeChunk {
		void operator()(T* chunk) const { std::free(chunk); }
	};
	using Chunk = std::unique_ptr<T, FreeChunk>;

public:
	static constexpr size_t kChunkEntries = 16384;

	class const_iterator
	{
	public:
		const_iterator(const ChunkedList* list, size_t index) : m_list(list), m_index(index) {}
		const T& operator*() const { return (*m_list)[m_index]; }
		const T* operator->() const { return &(*m_list)[m_index]; }
		const_iterator& operator++()
		{
			++m_index;
			return *this;
		}
		bool operator!=(const const_iterator& other) const { return m_index != other.m_index; }
		bool operator==(const const_iterator& other) const { return m_index == other.m_index; }

	private:
		const ChunkedList* m_list;
		size_t m_index;
	};

	void push_back(const T& entry)
	{
		if (m_size == m_chunks.size() * kChunkEntries) {
			AddChunk();
		}
		new (&(*this)[m_size]) T(entry);
		++m_size;
	}
	T& operator[](size_t index) { return m_chunks[index / kChunkEntries].get()[index % kChunkEntries]; }
	const T& operator[](size_t index) const { return m_chunks[index / kChunkEntries].get()[index % kChunkEntries]; }
	T& back() { return (*this)[m_size - 1]; }
	size_t size() const { return m_size; }
	bool empty() const { return m_size == 0; }
	// Keeps the chunks: refilling them touches no new memory.
	void clear() { m_size = 0; }
	void swap(ChunkedList& other)
	{
		m_chunks.swap(other.m_chunks);
		std::swap(m_size, other.m_size);
	}
	size_t capacity() const { return m_chunks.size() * kChunkEntries; }

	const_iterator begin() const { return const_iterator(this, 0); }
	const_iterator end() const { return const_iterator(this, m_size); }

private:
	void AddChunk()
	{
		// Raw memory: a chunk's pages are touched only as entries arrive.
		T* chunk = static_cast<T*>(std::malloc(kChunkEntries * sizeof(T)));
		if (chunk == nullptr) {
			throw std::bad_alloc();
		}
		m_chunks.emplace_back(chunk);
	}

	std::vector<Chunk> m_chunks;
	size_t m_size = 0;
};

} // namespace host_engine

#endif
