// A page answered by a script written in the tests: clicks, values set, steps
// of the test's own, then OK or Cancel, checked whole before any is applied.
#ifndef QUILLMERE_TESTS_SCRIPTED_PAGE_DRIVER_H
#define QUILLMERE_TESTS_SCRIPTED_PAGE_DRIVER_H

#include "engine/property_page.h"
#include "engine/whole_script_driver.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quillmere_tests {

// Answers from a script: clicks, values set, steps of the caller's own, then
// OK (the default) or Cancel. A click or a value for something the page
// lacks refuses the whole script: Refused() says why.
class ScriptedPageDriver : public host_engine::WholeScriptDriver
{
public:
	using Step = std::function<void(host_engine::PropertyPage&)>;

	struct Refusal {
		size_t step;       // the script's step, counted from 0
		bool button;       // a button, else a parameter
		std::wstring name; // as the script named it
		// One the page has that names the same item as every driver reads
		// names (SamePageItemName: differing in the case of A to Z or in
		// blanks only); or empty.
		std::wstring nearest;
	};

	ScriptedPageDriver& Click(const std::wstring& button);
	ScriptedPageDriver& Set(const std::wstring& parameter, bool value);
	ScriptedPageDriver& Do(Step step);
	ScriptedPageDriver& Answer(host_engine::PageAnswer answer);

	// The first step the page could not take, or nullptr.
	const Refusal* Refused() const { return m_refusal.get(); }
	// "script step 3: the page has no parameter called "pos" (it has
	// "Pos")", steps counted from 1; empty when the page took the script.
	std::string RefusalLine() const override;

protected:
	size_t StepCount(host_engine::PropertyPage& page) override;
	bool Check(host_engine::PropertyPage& page, size_t step) override;
	bool Apply(host_engine::PropertyPage& page, size_t step, host_engine::PageAnswer* answer) override;
	host_engine::PageAnswer AnswerAfterSteps() const override { return m_answer; }

private:
	struct ScriptStep {
		enum Kind { Click, Set, Do } kind;
		std::wstring name;
		bool value;
		Step run;
	};

	std::vector<ScriptStep> m_steps;
	host_engine::PageAnswer m_answer = host_engine::PageAnswer::OK;
	std::unique_ptr<Refusal> m_refusal;
};

} // namespace quillmere_tests

#endif
