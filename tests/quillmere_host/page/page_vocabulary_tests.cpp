// The words of a page, taken from whatever layout its plug-in built.
#include "page/page_vocabulary.h"

#include "base/text_encoding.h"

#include <gtest/gtest.h>

namespace {

using host_engine::LayoutItem;
using quillmere_host::PageAction;
using quillmere_host::PageStep;
using quillmere_host::PageVocabulary;

LayoutItem Entry(LayoutItem::Kind kind, const wchar_t* name = L"", const wchar_t* label = L"")
{
	LayoutItem item;
	item.kind = kind;
	item.name = name;
	item.label = label;
	return item;
}

PageStep Step(PageStep::Kind kind, const wchar_t* name = L"", bool value = false)
{
	PageStep step;
	step.kind = kind;
	step.name = name;
	step.value = value;
	return step;
}

// Parameters added in one order, laid out in another; one not on the page.
PageVocabulary Vocabulary()
{
	return PageVocabulary({Entry(LayoutItem::Row), Entry(LayoutItem::Button, L"Reset", L"Reset All"),
	                       Entry(LayoutItem::Button, L"Swap", L"Swap"), Entry(LayoutItem::EndRow),
	                       Entry(LayoutItem::Group, L"", L"Parts"), Entry(LayoutItem::Item, L"Wh", L"Wheel Hub"),
	                       Entry(LayoutItem::Item, L"Ax", L"Axle"),
	                       Entry(LayoutItem::Item, L"Ghost", L"Not a parameter"), Entry(LayoutItem::EndGroup)},
	                      {L"Ax", L"Wh", L"Hidden"});
}

PageAction Resolved(const PageVocabulary& words, const PageStep& step)
{
	PageAction action;
	std::string problem;
	EXPECT_TRUE(words.Resolve(step, &action, &problem)) << problem;
	return action;
}

std::string Refused(const PageVocabulary& words, const PageStep& step)
{
	PageAction action;
	std::string problem;
	EXPECT_FALSE(words.Resolve(step, &action, &problem));
	return problem;
}

TEST(PageVocabulary, NamesAndLabels_InAnyCase_BlanksLeftOut)
{
	PageVocabulary words = Vocabulary();
	for (const wchar_t* word : {L"Wh", L"wh", L"Wheel Hub", L"WHEELHUB", L"wheelhub"}) {
		PageAction action = Resolved(words, Step(PageStep::Name, word));
		EXPECT_EQ(action.kind, PageAction::Flip);
		EXPECT_EQ(action.name, L"Wh");
	}
	PageAction set = Resolved(words, Step(PageStep::Set, L"axle", true));
	EXPECT_EQ(set.kind, PageAction::Set);
	EXPECT_EQ(set.name, L"Ax");
	EXPECT_TRUE(set.value);
	for (const wchar_t* word : {L"Reset", L"ResetAll", L"reset all", L"RESETALL"}) {
		PageAction click = Resolved(words, Step(PageStep::Name, word));
		EXPECT_EQ(click.kind, PageAction::Click);
		EXPECT_EQ(click.name, L"Reset");
	}
	// A parameter the page doesn't show is still the property's, by its name.
	EXPECT_EQ(Resolved(words, Step(PageStep::Name, L"hidden")).name, L"Hidden");
	EXPECT_EQ(Resolved(words, Step(PageStep::Ok)).kind, PageAction::Ok);
	EXPECT_EQ(Resolved(words, Step(PageStep::Cancel)).kind, PageAction::Cancel);
}

TEST(PageVocabulary, WhatThePageCantTake_SaysWhy)
{
	PageVocabulary words = Vocabulary();
	EXPECT_EQ(Refused(words, Step(PageStep::Name, L"Wheel")), "the page has no option or button called \"Wheel\"");
	EXPECT_EQ(Refused(words, Step(PageStep::Set, L"Bogus", true)), "the page has no option called \"Bogus\"");
	// An item whose parameter the property lacks is no word.
	EXPECT_NE(Refused(words, Step(PageStep::Name, L"Ghost")).find("no option"), std::string::npos);
	EXPECT_NE(Refused(words, Step(PageStep::Set, L"Swap", false)).find("is a button"), std::string::npos);
	// Control characters typed with a word are escaped, not echoed.
	EXPECT_EQ(Refused(words, Step(PageStep::Name, L"\x1b[A")).find('\x1b'), std::string::npos);
}

TEST(PageVocabulary, AWordForTwoThings_TheExactNameOrNothing)
{
	// "Spin" is one parameter's name and another's label, once blanks go.
	PageVocabulary words({Entry(LayoutItem::Item, L"Spin", L"Spin"), Entry(LayoutItem::Item, L"Sp", L"S pin"),
	                      Entry(LayoutItem::Button, L"Go", L"spin")},
	                     {L"Spin", L"Sp"});
	EXPECT_EQ(Resolved(words, Step(PageStep::Name, L"Spin")).name, L"Spin");
	EXPECT_NE(Refused(words, Step(PageStep::Name, L"SPIN")).find("names both"), std::string::npos);
}

// What each action does, as a test reads it: "Click AllOn", "Set Pos off".
std::string Described(const PageAction& action)
{
	const char* const kKinds[] = {"Click", "Set", "Flip", "OK", "Cancel"};
	std::string text = kKinds[action.kind];
	if (action.kind != PageAction::Ok && action.kind != PageAction::Cancel) {
		text += " " + quillmere_host::ToUtf8(action.name);
	}
	if (action.kind == PageAction::Set) {
		text += action.value ? " on" : " off";
	}
	return text;
}

// The words of a line or of --page, as the page takes them: each action,
// or the column and problem of the first word it refuses.
std::vector<std::string> Taken(const PageVocabulary& words, const std::string& text)
{
	std::vector<std::string> taken;
	for (const PageStep& step : words.Grouped(quillmere_host::SplitPageSteps(text))) {
		PageAction action;
		std::string problem = step.problem;
		if (problem.empty() && words.Resolve(step, &action, &problem)) {
			taken.push_back(Described(action));
			continue;
		}
		taken.push_back(std::to_string(step.column) + ": " + problem);
		break;
	}
	return taken;
}

TEST(PageVocabulary, AnswerWords_LabelsWithBlanks_TheLongestRunThatSpellsOne)
{
	// A page with labels of several words, one of them starting with the
	// name of another option, one with a tab between its words, and two
	// things one word answers to.
	PageVocabulary words(
	    {Entry(LayoutItem::Button, L"AllOn", L"All ON"), Entry(LayoutItem::Button, L"AllOff", L"All OFF"),
	     Entry(LayoutItem::Item, L"Pos", L"Position"), Entry(LayoutItem::Item, L"Chain", L"Chain"),
	     Entry(LayoutItem::Item, L"ChainUpVector", L"Chain Up Vector"), Entry(LayoutItem::Item, L"Spin", L"Spin"),
	     Entry(LayoutItem::Item, L"Sp", L"S pin"), Entry(LayoutItem::Item, L"Tb", L"Tab\tStop")},
	    {L"Pos", L"Chain", L"ChainUpVector", L"Spin", L"Sp", L"Tb"});
	using Words = std::vector<std::string>;
	const std::pair<const char*, Words> cases[] = {
	    {"All ON", {"Click AllOn"}},
	    {"all on Position=off OK", {"Click AllOn", "Set Pos off", "OK"}},
	    {"AllOn allon", {"Click AllOn", "Click AllOn"}},
	    {"chain up vector=OFF Cancel", {"Set ChainUpVector off", "Cancel"}},
	    {"Chain\tUp\nVector", {"Flip ChainUpVector"}}, // any blank between a label's words
	    {"Chain Pos", {"Flip Chain", "Flip Pos"}},
	    {"Chain Up", {"Flip Chain", "7: the page has no option or button called \"Up\""}},
	    {"Chain=on Up Vector", {"Set Chain on", "10: the page has no option or button called \"Up\""}},
	    {"ChainUp Vector", {"1: the page has no option or button called \"ChainUp\""}}, // all its blanks or none
	    {"All", {"1: the page has no option or button called \"All\""}},
	    {"All ON=on", {"1: AllOn (All ON) is a button: it is clicked by its name alone, with no value"}},
	    {"Pos\tSpin", {"Flip Pos", "Flip Spin"}},
	    // Exactly two things answer to "SPIN": its own name or label decides, else nothing.
	    {"Spin S pin", {"Flip Spin", "Flip Sp"}},
	    {"SPIN", {"1: \"SPIN\" names both Spin and Sp (S pin); use its name"}},
	    {"OK All ON", {"OK", "4: nothing may follow OK"}},
	    // A tab in a label is a blank like any other: its words answer.
	    {"Tab Stop", {"Flip Tb"}},
	    {"tabstop=on Pos", {"Set Tb on", "Flip Pos"}},
	    {"TAB\tSTOP=off", {"Set Tb off"}},
	};
	for (const auto& entry : cases) {
		EXPECT_EQ(Taken(words, entry.first), entry.second) << entry.first;
	}
}

TEST(PageVocabulary, ListedInPageOrder_LabelsBesideNames)
{
	PageVocabulary words = Vocabulary();
	EXPECT_EQ(words.Listing(false), "Wh (Wheel Hub), Ax (Axle), Hidden");
	EXPECT_EQ(words.Listing(true), "Reset (Reset All), Swap");
	EXPECT_EQ(PageVocabulary({}, {}).Listing(true), "none");
}

} // namespace
