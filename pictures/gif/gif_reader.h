#pragma once
// Reads a GIF stream into a picture: header, screen, global colours, extension blocks and the
// frames with their data as stored. Every read is checked against the end of the bytes.

#include <cstdint>
#include <span>

class TWkGIFImage;

void ReadGifStream(TWkGIFImage& image, std::span<const std::uint8_t> bytes);
