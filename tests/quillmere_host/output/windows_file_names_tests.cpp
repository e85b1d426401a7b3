// The names the Windows build refuses as --out before the run: devices, with
// or without an extension, and streams of a file.
#include "output/windows_file_names.h"

#include <gtest/gtest.h>

namespace {

using quillmere_host::WindowsNameProblem;

TEST(WindowsFileNames, DevicesWithOrWithoutAnExtension_AndStreams_AreNoFiles)
{
	const char* const kDevice = "is a Windows device name";
	const char* const kStream = "names a stream of a file";
	const std::pair<const char*, const char*> cases[] = {
	    {"NUL", kDevice},
	    {"nul", kDevice},
	    {"CON", kDevice},
	    {"nul.json", kDevice},
	    {"NUL.tar.gz", kDevice},
	    {"nul .json", kDevice}, // the blanks before the dot are dropped
	    {"nul.", kDevice},
	    {"Com1", kDevice},
	    {"com9.txt", kDevice},
	    {"COM0", kDevice},
	    {"lpt1", kDevice},
	    {"LPT9.json", kDevice},
	    {"com\xc2\xb9.json", kDevice}, // a superscript one
	    {"prn", kDevice},
	    {"aux.json", kDevice},
	    {"conin$", kDevice},
	    {"CONOUT$.json", kDevice},
	    {"C:\\scenes\\nul.json", kDevice},
	    {"scenes/con", kDevice},
	    {"C:nul", kDevice},
	    {"\\\\.\\NUL", "is in the Windows device namespace"},
	    {"scene.json:notes", kStream},
	    {"C:\\scenes\\scene.json:notes", kStream},
	    {"scene.json::$DATA", kStream},
	    {"scenes:x\\scene.json", kStream},
	    // Files of their own.
	    {"scene.json", ""},
	    {"C:\\scenes\\scene.json", ""},
	    {"c:/scenes/scene.json", ""},
	    {"\\\\?\\C:\\scenes\\scene.json", ""},
	    {"\\\\server\\share\\scene.json", ""},
	    {"nullify.json", ""},
	    {"console.json", ""},
	    {"com10.json", ""},
	    {"lpt.json", ""},
	    {"my nul.json", ""},
	    {"nul\\scene.json", ""}, // a folder of that name: the system says it doesn't exist
	};
	for (const auto& entry : cases) {
		std::string problem = WindowsNameProblem(entry.first);
		EXPECT_EQ(problem.substr(0, std::string(entry.second).size()), entry.second) << entry.first << ": " << problem;
		EXPECT_EQ(problem.empty(), *entry.second == '\0') << entry.first << ": " << problem;
	}
}

} // namespace
