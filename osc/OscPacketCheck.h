// Structural check of one OSC datagram, done on the raw bytes before any OSC
// library parses them. Every size in the datagram is bounded by the bytes that
// are actually there, so a packet that passes can be walked by any parser
// (oscpack included, whatever its version) without reading past its end.
//
// A packet passes when it is
//  - a message: an address pattern starting with '/', then either nothing
//    (an address-only message, which oscpack also accepts: no arguments) or a
//    type-tag string starting with ',', then the arguments the tags name:
//    i f c r m (4 bytes), h t d (8), s S (string), b (4-byte size, data),
//    T F N I (none), balanced [ ] arrays; any other tag fails;
//  - or a bundle: "#bundle\0", an 8-byte time tag, then elements, each a
//    4-byte big-endian size (a non-zero multiple of four, within what is left)
//    followed by a packet, nested at most kMaxOscBundleDepth deep.
// Strings end in a NUL and are padded with NULs to a multiple of four inside
// the datagram; the whole packet is a multiple of four bytes.
// Free of host and library headers: the plug-in and the tools share it.
#pragma once

#include <cstddef>
#include <string>

namespace zub {

constexpr int kMaxOscBundleDepth = 16;

// Empty when the datagram is well formed; otherwise a short reason, in
// English, naming what is wrong ("blob size 2147483644 exceeds the 0 bytes
// left in the message").
std::string checkOscPacket(const char* data, std::size_t size);

}  // namespace zub
