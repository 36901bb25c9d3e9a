// Writes logo.jpg, the 8 x 8 picture the fixtures carry as their logo:
//   c++ make_logo.cpp -lturbojpeg -o /tmp/make_logo && /tmp/make_logo logo.jpg
#include <turbojpeg.h>

#include <cstdio>

int main(int argc, char** argv)
{
    unsigned char pixels[8 * 8 * 3];
    for (int i = 0; i < 64; ++i) {
        pixels[3 * i] = static_cast<unsigned char>(32 * (i % 8));
        pixels[3 * i + 1] = static_cast<unsigned char>(32 * (i / 8));
        pixels[3 * i + 2] = 128;
    }
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    if (tjCompress2(handle, pixels, 8, 0, 8, TJPF_RGB, &jpeg, &size, TJSAMP_444, 90, 0) != 0)
        return 1;
    std::FILE* out = std::fopen(argc > 1 ? argv[1] : "logo.jpg", "wb");
    std::fwrite(jpeg, 1, size, out);
    std::fclose(out);
    tjFree(jpeg);
    tjDestroy(handle);
    return 0;
}
