#pragma once

#include <cstddef>
#include <cstdint>

// Entry points shared by the fuzz targets and the test that replays their regression inputs.
// Each takes untrusted bytes through one way the library reads third-party data.
namespace VelQtFuzz {

// Initialises the library and, when there is none yet, creates the application object on the
// offscreen platform with Qt's messages silenced; safe to call more than once.
void setUp();

// Bytes as a package archive, loaded both ways a package loads; then every entry, theme
// element and style record is looked up, images decoded and descriptions built.
void package(const std::uint8_t* data, std::size_t size);
// Bytes as "style.json": parsed, then every record looked up and painted.
void styles(const std::uint8_t* data, std::size_t size);
// Bytes as "theme.json" and as the UI description of a window: built, every control driven
// by the mouse and keys, given the theme elements in turn, painted enabled and disabled.
void description(const std::uint8_t* data, std::size_t size);
// Bytes as an image member, decoded in colour and gray and painted by every image painter.
void image(const std::uint8_t* data, std::size_t size);

} // namespace VelQtFuzz
