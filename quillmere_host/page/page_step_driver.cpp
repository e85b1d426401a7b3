// The --page steps grouped and looked up in the open page's words, then checked whole and applied.
#include "page/page_step_driver.h"

namespace quillmere_host {

std::string PageStepDriver::RefusalLine() const
{
	return m_refusal ? DescribeRefusal(*m_refusal) : std::string();
}

size_t PageStepDriver::StepCount(host_engine::PropertyPage& page)
{
	m_words.reset(new PageVocabulary(page));
	m_grouped = m_words->Grouped(m_steps);
	m_actions.assign(m_grouped.size(), PageAction());
	return m_grouped.size();
}

bool PageStepDriver::Check(host_engine::PropertyPage&, size_t step)
{
	std::string problem;
	if (m_words->Resolve(m_grouped[step], &m_actions[step], &problem)) {
		return true;
	}
	// No help to ask for here: the message says what the page has.
	problem += m_words->Offered();
	m_refusal.reset(new StepRefusal{m_grouped[step].column, problem});
	return false;
}

bool PageStepDriver::Apply(host_engine::PropertyPage& page, size_t step, host_engine::PageAnswer* answer)
{
	return ApplyOrClose(m_actions[step], page, answer);
}

} // namespace quillmere_host
