// Fuzzes the --page step parser: steps are refused with one short line
// saying where, or they end with exactly one OK or Cancel.
#include "base/program_errors.h"
#include "page/page_steps.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void Require(bool condition)
{
	if (!condition) {
		__builtin_trap();
	}
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
	using namespace quillmere_host;
	std::string text(reinterpret_cast<const char*>(data), size);
	try {
		std::vector<PageStep> steps = ParsePageSteps(text);
		Require(!steps.empty());
		for (size_t i = 0; i + 1 < steps.size(); ++i) {
			Require(steps[i].kind == PageStep::Name || steps[i].kind == PageStep::Set);
			Require(steps[i].problem.empty());
			Require(!steps[i].name.empty());
			Require(steps[i].column >= 1 && steps[i].column <= text.size());
		}
		Require(steps.back().kind == PageStep::Ok || steps.back().kind == PageStep::Cancel);
	} catch (const InputError& error) {
		std::string message = error.what();
		Require(message.compare(0, 7, "--page:") == 0 && message.find('\n') == std::string::npos);
		Require(message.size() <= 600); // an excerpt of the step, however long
	}
	return 0;
}
