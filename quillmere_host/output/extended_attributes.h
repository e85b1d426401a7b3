// A file's extended attributes, its POSIX ACL among them, taken from the
// file a new one replaces.
#ifndef QUILLMERE_HOST_EXTENDED_ATTRIBUTES_H
#define QUILLMERE_HOST_EXTENDED_ATTRIBUTES_H

#include <string>
#include <utility>
#include <vector>

namespace quillmere_host {

// Every extended attribute this user can see on a file, name and value:
// user.* notes, the ACL (system.posix_acl_access), security labels. A file
// renamed over another gets none of them by itself: an ACL lost is access
// lost for the users it named, and a wider group mode for the rest. (Linux
// only; elsewhere a file has none here.)
class ExtendedAttributes
{
public:
	// Those of `path`, through its links. False, with errno saying why, when
	// they can't be read; a file system without extended attributes has none.
	bool ReadFrom(const std::string& path);
	// Puts each on the open file `fd`, and takes off an ACL it has that the
	// original lacked (one a default ACL of the folder gave it). False when
	// one can't be put (another user's file, a capability, an attribute the
	// file system refuses), with `refused` naming it and errno saying why.
	bool PutOn(int fd, std::string* refused) const;

private:
	std::vector<std::pair<std::string, std::string>> m_attributes;
};

} // namespace quillmere_host

#endif
