// Datagrams that once crashed or froze the host through oscpack, and helpers
// to build more: shared by the check's unit tests and the reception tests.
#pragma once

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "OscPackets.h"

namespace osctest {

// The bytes of a literal, NULs included.
template <std::size_t N>
std::string raw(const char (&bytes)[N]) {
  return std::string(bytes, N - 1);
}

// A bundle (time tag 1) of the given elements, each with its size in front.
inline std::string bundleOf(const std::vector<std::string>& elements) {
  std::string bundle = raw("#bundle\0") + zubosc::bytesFromHex("00 00 00 00 00 00 00 01");
  for (const std::string& e : elements) {
    const auto n = static_cast<unsigned>(e.size());
    for (int shift = 24; shift >= 0; shift -= 8) bundle += static_cast<char>((n >> shift) & 0xffu);
    bundle += e;
  }
  return bundle;
}

// "/x" ",bb" with a blob size of 0x7FFFFFFC: oscpack read past its buffer.
inline std::string blobKiller() {
  return zubosc::bytesFromHex("2f 78 00 00 2c 62 62 00 7f ff ff fc");
}

// "/zubbase" ",sb", the string "hi", then the same blob size.
inline std::string blobAfterString() {
  return raw("/zubbase\0\0\0\0,sb\0hi\0\0") + zubosc::bytesFromHex("7f ff ff fc");
}

// An empty bundle followed by an element size of 0xFFFFFFFC: oscpack's
// 32-bit step wrapped to 0 and looped for ever.
inline std::string bundleKiller() { return bundleOf({}) + zubosc::bytesFromHex("ff ff ff fc"); }

// The two above and their variants: inside bundles, nested, after a valid
// element.
inline std::vector<std::string> hostileDatagrams() {
  const std::string valid = zubosc::textMessage("/zubbase", "ok");
  const std::string wrap = zubosc::bytesFromHex("ff ff ff fc");
  return {
      blobKiller(),
      blobAfterString(),
      zubosc::bytesFromHex("2f 78 00 00 2c 62 00 00 00 00 10 00"),  // 4096: stale heap instead
      bundleOf({blobKiller()}),
      bundleOf({valid, blobAfterString()}),
      bundleOf({bundleOf({blobKiller()})}),
      bundleKiller(),
      bundleOf({valid}) + wrap,
      bundleOf({bundleOf({}) + wrap}),
      bundleOf({valid, bundleOf({valid}) + wrap}),
  };
}

// The contents of every file in `dir`, in file-name order.
inline std::vector<std::string> corpusFiles(const std::string& dir) {
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.is_regular_file()) paths.push_back(entry.path());
  }
  std::sort(paths.begin(), paths.end());
  std::vector<std::string> contents;
  for (const auto& path : paths) {
    std::ifstream in(path, std::ios::binary);
    contents.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return contents;
}

}  // namespace osctest
