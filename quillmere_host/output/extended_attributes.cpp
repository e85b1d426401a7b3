#include "output/extended_attributes.h"

#include <cerrno>

#ifdef __linux__
#include <sys/xattr.h>
#endif

namespace quillmere_host {

#ifdef __linux__

namespace {

const char* const kAccessAcl = "system.posix_acl_access";

// The names of `path`'s attributes, NUL-separated as the system lists them.
bool ListNames(const std::string& path, std::string* names)
{
	for (;;) {
		ssize_t size = listxattr(path.c_str(), nullptr, 0);
		if (size < 0) {
			return errno == ENOTSUP; // a file system without them: none to keep
		}
		names->assign(static_cast<size_t>(size), '\0');
		ssize_t got = size == 0 ? 0 : listxattr(path.c_str(), &(*names)[0], names->size());
		if (got >= 0) {
			names->resize(static_cast<size_t>(got));
			return true;
		}
		if (errno != ERANGE) {
			return false;
		}
		// One was added meanwhile: list again, larger.
	}
}

bool ReadValue(const std::string& path, const std::string& name, std::string* value)
{
	for (;;) {
		ssize_t size = getxattr(path.c_str(), name.c_str(), nullptr, 0);
		if (size < 0) {
			return false;
		}
		value->assign(static_cast<size_t>(size), '\0');
		ssize_t got = size == 0 ? 0 : getxattr(path.c_str(), name.c_str(), &(*value)[0], value->size());
		if (got >= 0) {
			value->resize(static_cast<size_t>(got));
			return true;
		}
		if (errno != ERANGE) {
			return false;
		}
	}
}

// True when the open file already holds `value` under `name` (a label the
// system gave it as it was made): nothing to put.
bool Holds(int fd, const std::string& name, const std::string& value)
{
	std::string held(value.size() + 1, '\0');
	ssize_t got = fgetxattr(fd, name.c_str(), &held[0], held.size());
	return got == static_cast<ssize_t>(value.size()) && held.compare(0, value.size(), value) == 0;
}

} // namespace

bool ExtendedAttributes::ReadFrom(const std::string& path)
{
	m_attributes.clear();
	std::string names;
	if (!ListNames(path, &names)) {
		return false;
	}
	for (size_t at = 0; at < names.size();) {
		std::string name = names.c_str() + at;
		at += name.size() + 1;
		std::string value;
		if (!ReadValue(path, name, &value)) {
			if (errno == ENODATA) {
				continue; // removed since it was listed
			}
			return false;
		}
		m_attributes.emplace_back(name, value);
	}
	return true;
}

bool ExtendedAttributes::PutOn(int fd, std::string* refused) const
{
	bool hasAcl = false;
	for (const auto& attribute : m_attributes) {
		hasAcl = hasAcl || attribute.first == kAccessAcl;
		if (!Holds(fd, attribute.first, attribute.second) &&
		    fsetxattr(fd, attribute.first.c_str(), attribute.second.data(), attribute.second.size(), 0) != 0) {
			*refused = attribute.first;
			return false;
		}
	}
	// The folder's default ACL, inherited as the file was made, would grant
	// what the replaced file did not.
	if (!hasAcl && fremovexattr(fd, kAccessAcl) != 0 && errno != ENODATA && errno != ENOTSUP) {
		*refused = kAccessAcl;
		return false;
	}
	return true;
}

#else

bool ExtendedAttributes::ReadFrom(const std::string&)
{
	m_attributes.clear();
	return true;
}

bool ExtendedAttributes::PutOn(int, std::string*) const
{
	return true;
}

#endif

} // namespace quillmere_host
