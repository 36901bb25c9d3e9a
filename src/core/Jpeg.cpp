#include "core/Jpeg.h"

#include <turbojpeg.h>

#include <memory>

TJpegInfo ValidateJpeg(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.empty())
        throw EImageError("JPEG error #42");
    std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitDecompress(), tjDestroy);
    if (!handle)
        throw EImageError("JPEG error: cannot start the decoder");
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    auto* data = const_cast<unsigned char*>(bytes.data());
    auto size = static_cast<unsigned long>(bytes.size());
    if (tjDecompressHeader3(handle.get(), data, size, &width, &height, &subsampling, &colorspace) != 0 ||
        width <= 0 || height <= 0)
        throw EImageError(std::string("JPEG error: ") + tjGetErrorStr2(handle.get()));
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 3);
    if (tjDecompress2(handle.get(), data, size, pixels.data(), width, 0, height, TJPF_RGB, 0) != 0 &&
        tjGetErrorCode(handle.get()) == TJERR_FATAL)
        throw EImageError(std::string("JPEG error: ") + tjGetErrorStr2(handle.get()));
    return {width, height};
}
