// CStatus: which codes are a success, and comparing codes either way round.
#include <xsi_status.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using XSI::CStatus;

const CStatus::Code kCodes[] = {
    CStatus::OK,           CStatus::False,      CStatus::Fail,    CStatus::InvalidArgument, CStatus::OutOfMemory,
    CStatus::AccessDenied, CStatus::Unexpected, CStatus::NotImpl, CStatus::MemberNotFound,  CStatus::Abort,
    CStatus::BadVarType};

// False is a success that answers "no" (a filter that kept nothing); every
// failure code is not one.
TEST(CStatus, OnlyOkAndFalseSucceed)
{
	for (CStatus::Code code : kCodes) {
		bool success = code == CStatus::OK || code == CStatus::False;
		EXPECT_EQ(CStatus(code).Succeeded(), success) << code;
	}
}

TEST(CStatus, CodesCompareEitherWayRoundAndChangeInPlace)
{
	CStatus status(CStatus::Fail);
	EXPECT_TRUE(status == CStatus::Fail);
	EXPECT_TRUE(CStatus::Fail == status);
	EXPECT_TRUE(status != CStatus::OK);
	EXPECT_TRUE(CStatus::OK != status);
	EXPECT_TRUE(status == CStatus(CStatus::Fail));
	status.PutCode(CStatus::OK);
	EXPECT_EQ(status.GetCode(), CStatus::OK);
	status = CStatus::Abort;
	EXPECT_EQ(status.GetCode(), CStatus::Abort);
	EXPECT_EQ(CStatus(static_cast<LONG>(CStatus::MemberNotFound)).GetCode(), CStatus::MemberNotFound);
}

TEST(CStatus, EachCodeDescribesItselfApart)
{
	std::set<std::wstring> descriptions;
	for (CStatus::Code code : kCodes) {
		std::wstring text = CStatus(code).GetDescription().GetWideString();
		EXPECT_FALSE(text.empty()) << code;
		descriptions.insert(text);
	}
	EXPECT_EQ(descriptions.size(), sizeof(kCodes) / sizeof(kCodes[0]));
}

} // namespace
