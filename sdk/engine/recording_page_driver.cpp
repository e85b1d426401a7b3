// Recording what a page showed as it opened and as it closed, around the
// answers a subclass gives.
#include "engine/recording_page_driver.h"

#include <xsi_ref.h>

#include <chrono>

namespace host_engine {

namespace {

PageValues ValuesOf(PropertyPage& page)
{
	PageValues values;
	for (const std::wstring& name : page.ParameterNames()) {
		values.emplace_back(name, static_cast<bool>(page.Value(name)));
	}
	return values;
}

} // namespace

PageAnswer RecordingPageDriver::Run(PropertyPage& page)
{
	auto opened = std::chrono::steady_clock::now();
	++m_record.timesShown;
	m_record.title = page.Title();
	m_record.layout = page.Layout();
	m_record.propertyFullName = page.Property().GetAsText().GetWideString();
	m_record.openValues = ValuesOf(page);
	PageAnswer answer = Respond(page);
	m_record.confirmed = answer == PageAnswer::OK;
	m_record.closeValues = ValuesOf(page);
	m_record.seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - opened).count();
	return answer;
}

} // namespace host_engine
