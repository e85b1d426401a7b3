// The floor of the end-to-end benchmark: a scene file read through the JSON
// library and written back, with nothing in between. Every parser event is
// written out again as JSON (without the file's blanks and line breaks),
// through the same chunked input and the same atomic, flushed output that
// quillmere-host uses.
//
//   quillmere-json-floor FILE OUT
#include "output/atomic_file.h"
#include "base/output_buffer.h"
#include "scene_file/json_events.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

using Json = nlohmann::json;
using quillmere_host::OutputBuffer;

// Writes each event back as JSON, a comma before every value but the
// first of its container.
class Echo
{
public:
	explicit Echo(OutputBuffer& out) : m_out(out) {}

	bool null() { return Scalar("null"); }
	bool boolean(bool value) { return Scalar(value ? "true" : "false"); }
	bool number_integer(Json::number_integer_t value)
	{
		Separate();
		m_out.AppendNumber(value);
		return true;
	}
	bool number_unsigned(Json::number_unsigned_t value) { return number_integer(static_cast<long long>(value)); }
	bool number_float(Json::number_float_t, const std::string& text) { return Scalar(text); }
	bool string(std::string& text)
	{
		Separate();
		quillmere_host::AppendJsonString(m_out, text);
		return true;
	}
	bool binary(Json::binary_t&) { return true; }
	bool start_object(std::size_t) { return Open('{'); }
	bool end_object() { return Close('}'); }
	bool start_array(std::size_t) { return Open('['); }
	bool end_array() { return Close(']'); }
	bool key(std::string& name)
	{
		Separate();
		quillmere_host::AppendJsonString(m_out, name);
		m_out.Append(':');
		m_afterKey = true;
		return true;
	}
	bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error)
	{
		std::cerr << "quillmere-json-floor: " << error.what() << "\n";
		return false;
	}

private:
	void Separate()
	{
		if (m_afterKey) {
			m_afterKey = false;
		} else if (!m_first.empty() && !m_first.back()) {
			m_out.Append(',');
		}
		if (!m_first.empty()) {
			m_first.back() = false;
		}
	}
	bool Scalar(const std::string& text)
	{
		Separate();
		m_out.Append(text);
		return true;
	}
	bool Open(char bracket)
	{
		Separate();
		m_out.Append(bracket);
		m_first.push_back(true);
		return true;
	}
	bool Close(char bracket)
	{
		m_out.Append(bracket);
		m_first.pop_back();
		return true;
	}

	OutputBuffer& m_out;
	std::vector<bool> m_first;
	bool m_afterKey = false;
};

} // namespace

int main(int argc, char** argv)
{
	if (argc != 3) {
		std::cerr << "usage: quillmere-json-floor FILE OUT\n";
		return 2;
	}
	std::FILE* in = std::fopen(argv[1], "rb");
	if (in == nullptr) {
		std::cerr << "quillmere-json-floor: cannot read " << argv[1] << "\n";
		return 2;
	}
	quillmere_host::AtomicFile file;
	std::string error;
	if (!file.Open(argv[2], &error)) {
		std::cerr << "quillmere-json-floor: " << error << "\n";
		return 1;
	}
	bool parsed = false;
	{
		OutputBuffer out([&file, &error](const char* data, size_t size) {
			if (!file.Write(data, size, &error)) {
				throw std::runtime_error(error);
			}
		});
		quillmere_host::SceneInput input(in, argv[1]);
		Echo echo(out);
		// The parser as quillmere-host drives it, over the same input.
		parsed = nlohmann::detail::parser<Json, quillmere_host::SceneInputAdapter>(
		             quillmere_host::SceneInputAdapter{&input}, nullptr, true, false)
		             .sax_parse(&echo, true);
		out.Append('\n');
		out.Flush();
	}
	std::fclose(in);
	if (!parsed || !file.Commit(&error)) {
		std::cerr << "quillmere-json-floor: " << (parsed ? error : "the file is not JSON") << "\n";
		return 1;
	}
	return 0;
}
