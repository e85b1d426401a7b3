// The journal's one piece of state shared by every host: whether a journal
// is on, so the object API does nothing more for one until it is.
#include "engine/call_journal.h"

namespace host_engine {

bool CallJournal::s_anyStarted = false;

} // namespace host_engine
