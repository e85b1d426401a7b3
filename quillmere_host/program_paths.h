// Where the program finds what it was built with.
#ifndef QUILLMERE_HOST_PROGRAM_PATHS_H
#define QUILLMERE_HOST_PROGRAM_PATHS_H

#include <string>

namespace quillmere_host {

// The plug-in module beside this program's executable.
std::string DefaultPluginPath();

// The sample rig that comes with the sources.
std::string DefaultScenePath();

} // namespace quillmere_host

#endif
