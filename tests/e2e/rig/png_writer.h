// Writes 24-bit pictures as PNG files (uncompressed deflate blocks: simple,
// and screenshots are small).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace rig {

// rgb holds width*height pixels, 3 bytes each, rows from the top.
bool WritePng(const std::wstring& path, int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace rig
