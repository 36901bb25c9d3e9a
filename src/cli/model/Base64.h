// Base64 text of binary data (the logo's JPEG bytes in JSON).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

std::string EncodeBase64(const std::vector<std::uint8_t>& bytes);
bool DecodeBase64(const std::string& text, std::vector<std::uint8_t>& bytes);
