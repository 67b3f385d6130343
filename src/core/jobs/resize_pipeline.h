#pragma once
// Decode, stretch and encode of one picture on two threads: a helper thread decodes rows while
// this thread stretches the rows already there and hands them to the encoder. The result is the
// same as decoding, stretching and encoding one after the other.

#include <cstddef>
#include <cstdint>
#include <string>

// The encoded JPEG of the picture in data stretched to width x height. Throws JpegDecodeError
// when the picture cannot be read (also when the damage shows only after the last row was
// used) and JpegEncodeError when it cannot be encoded.
std::string DecodeStretchEncode(const std::uint8_t* data, std::size_t size, int width, int height,
                                int quality);
