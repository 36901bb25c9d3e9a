// JPEG data of the project logo.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Globals.h"

class EImageError : public EPelmarkError {
  public:
    using EPelmarkError::EPelmarkError;
};

struct TJpegInfo {
    int Width = 0;
    int Height = 0;
};

// Decodes the whole image to prove the bytes are a JPEG picture; raises EImageError otherwise.
TJpegInfo ValidateJpeg(const std::vector<std::uint8_t>& bytes);
