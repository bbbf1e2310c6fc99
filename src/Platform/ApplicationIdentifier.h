#pragma once

namespace quillorbitex {

// The program's own identifier (its desktop-file ID), also the prefix of its queue and thread
// names.
inline constexpr const char* kApplicationIdentifier = "org.quillorbitex.Quillorbitex";

}  // namespace quillorbitex
