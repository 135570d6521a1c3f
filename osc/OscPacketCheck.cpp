#include "osc/OscPacketCheck.h"

#include <cstdint>
#include <cstring>

namespace zub {
namespace {

constexpr char kBundleHeader[8] = {'#', 'b', 'u', 'n', 'd', 'l', 'e', '\0'};
constexpr std::size_t kBundleHeadSize = 16;  // header and time tag

std::uint32_t bigEndian32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) |
         std::uint32_t{b[3]};
}

std::uint64_t padded4(std::uint64_t n) { return (n + 3) & ~std::uint64_t{3}; }

// A bounded view of the bytes still to be read.
struct Cursor {
  const char* p;
  std::size_t left;

  void skip(std::size_t n) {
    p += n;
    left -= n;
  }
};

// Reads a NUL-terminated, NUL-padded string; empty result when it is sound.
std::string readString(Cursor& c, const char* what) {
  const void* nul = std::memchr(c.p, '\0', c.left);
  if (nul == nullptr) return std::string(what) + " is not terminated inside the packet";
  const std::size_t length = static_cast<std::size_t>(static_cast<const char*>(nul) - c.p);
  const std::uint64_t total = padded4(std::uint64_t{length} + 1);
  if (total > c.left) return std::string(what) + " is not padded to four bytes inside the packet";
  for (std::size_t i = length; i < total; ++i) {
    if (c.p[i] != '\0') return std::string(what) + " has padding that is not zero";
  }
  c.skip(static_cast<std::size_t>(total));
  return {};
}

std::string tooLong(const char* what, std::uint64_t size, std::size_t left) {
  return std::string(what) + " " + std::to_string(size) + " exceeds the " + std::to_string(left) +
         " bytes left in the message";
}

std::string checkArguments(const char* tags, Cursor& c) {
  int arrayDepth = 0;
  for (const char* tag = tags; *tag != '\0'; ++tag) {
    std::size_t fixed = 0;
    switch (*tag) {
      case 'T':
      case 'F':
      case 'N':
      case 'I':
        continue;
      case '[':
        ++arrayDepth;
        continue;
      case ']':
        if (--arrayDepth < 0) return "type tag ']' closes no array";
        continue;
      case 'i':
      case 'f':
      case 'c':
      case 'r':
      case 'm':
        fixed = 4;
        break;
      case 'h':
      case 't':
      case 'd':
        fixed = 8;
        break;
      case 's':
      case 'S': {
        if (c.left == 0) return std::string("argument '") + *tag + "' is missing";
        std::string error = readString(c, "string argument");
        if (!error.empty()) return error;
        continue;
      }
      case 'b': {
        if (c.left < 4) return "blob size is missing";
        const std::uint64_t size = bigEndian32(c.p);
        c.skip(4);
        if (padded4(size) > c.left) return tooLong("blob size", size, c.left);
        c.skip(static_cast<std::size_t>(padded4(size)));
        continue;
      }
      default:
        return std::string("unknown type tag '") + *tag + "'";
    }
    if (fixed > c.left) return std::string("argument '") + *tag + "' is missing or cut short";
    c.skip(fixed);
  }
  if (arrayDepth != 0) return "type tag '[' opens an array that is not closed";
  if (c.left != 0) return std::to_string(c.left) + " bytes follow the last argument";
  return {};
}

std::string checkMessage(Cursor c) {
  if (c.p[0] != '/') return "address pattern does not start with '/'";
  std::string error = readString(c, "address pattern");
  if (!error.empty()) return error;
  if (c.left == 0) return {};  // address only: a message without arguments
  if (c.p[0] != ',') return "type tags do not start with ','";
  const char* tags = c.p + 1;
  error = readString(c, "type tag string");
  if (!error.empty()) return error;
  return checkArguments(tags, c);
}

std::string checkPacket(Cursor c, int depth);

std::string checkBundle(Cursor c, int depth) {
  if (depth > kMaxOscBundleDepth) {
    return "bundles nested deeper than " + std::to_string(kMaxOscBundleDepth);
  }
  if (c.left < kBundleHeadSize) return "bundle is shorter than its header and time tag";
  if (std::memcmp(c.p, kBundleHeader, sizeof kBundleHeader) != 0) {
    return "packet starts with '#' but not with \"#bundle\"";
  }
  c.skip(kBundleHeadSize);
  while (c.left > 0) {
    if (c.left < 4) return "bundle element size is cut short";
    const std::uint32_t size = bigEndian32(c.p);
    c.skip(4);
    if (size == 0) return "bundle element is empty";
    if (size % 4 != 0)
      return "bundle element size " + std::to_string(size) + " is not a multiple of four";
    if (size > c.left) {
      return "bundle element size " + std::to_string(size) + " exceeds the " +
             std::to_string(c.left) + " bytes left in the bundle";
    }
    std::string error = checkPacket(Cursor{c.p, size}, depth);
    if (!error.empty()) return error;
    c.skip(size);
  }
  return {};
}

// `depth` counts the bundles around this packet.
std::string checkPacket(Cursor c, int depth) {
  if (c.left == 0) return "packet is empty";
  if (c.left % 4 != 0)
    return "packet size " + std::to_string(c.left) + " is not a multiple of four";
  if (c.p[0] == '#') return checkBundle(c, depth + 1);
  return checkMessage(c);
}

}  // namespace

std::string checkOscPacket(const char* data, std::size_t size) {
  if (data == nullptr || size == 0) return "packet is empty";
  return checkPacket(Cursor{data, size}, 0);
}

}  // namespace zub
