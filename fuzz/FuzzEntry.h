#pragma once

#include <cstddef>
#include <cstdint>

// Entry points shared by the fuzz targets and the test that replays their regression inputs.
// Each takes untrusted bytes through one way the library reads third-party data.
namespace VelQtFuzz {

// Creates the application object on the offscreen platform, silences Qt and initialises the
// library; safe to call more than once.
void setUp();

// Bytes as a package archive, loaded as a theme package and as a fresh package.
void package(const std::uint8_t* data, std::size_t size);
// Bytes as "style.json": parsed, then every record looked up and painted.
void styles(const std::uint8_t* data, std::size_t size);
// Bytes as "theme.json" and as the UI description of a window, built and painted.
void description(const std::uint8_t* data, std::size_t size);
// Bytes as an image member, decoded in colour and gray.
void image(const std::uint8_t* data, std::size_t size);

} // namespace VelQtFuzz
