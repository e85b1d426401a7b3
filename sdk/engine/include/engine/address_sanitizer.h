// Whether AddressSanitizer watches this build. The stand-in's caches of
// memory it hands to plug-ins are then left out, so that a plug-in using a
// text or an array past its life is caught, as it would fail on the host.
#ifndef HOST_ENGINE_ADDRESS_SANITIZER_H
#define HOST_ENGINE_ADDRESS_SANITIZER_H

namespace host_engine {

#if defined(__SANITIZE_ADDRESS__)
const bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
const bool kAddressSanitizer = true;
#else
const bool kAddressSanitizer = false;
#endif
#else
const bool kAddressSanitizer = false;
#endif

} // namespace host_engine

#endif
