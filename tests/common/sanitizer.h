#pragma once
// AddressSanitizer keeps freed memory in quarantine and adds shadow memory, so resident-size
// checks only mean something in a normal build.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kResidentSizeIsMeaningful = false;
#else
constexpr bool kResidentSizeIsMeaningful = true;
#endif
