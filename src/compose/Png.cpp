#include "compose/Png.h"

#include "font/Error.h"
#include "font/WriteFile.h"

#ifdef LEDFONT_HAVE_PNG
#include <png.h>

#include <csetjmp>
#endif

namespace ledfont::compose {

namespace {

[[maybe_unused]] Error pngError(const char* why) {
    ErrorPlace place;
    place.note = why;
    return Error(ErrorCode::DeviceIOError, place);
}

}  // namespace

#ifdef LEDFONT_HAVE_PNG

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

void noFlush(png_structp) {}

// libpng's own messages would go to stderr; its fault is kept for the one error this program reports.
[[noreturn]] void keepError(png_structp png, png_const_charp message) {
    *static_cast<std::string*>(png_get_error_ptr(png)) = message;
    png_longjmp(png, 1);
}

void dropWarning(png_structp, png_const_charp) {}

// Apart from the caller, so that nothing but what libpng holds lives across its long jump.
bool writeImage(png_structp png, png_infop info, const Image& image) {
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()),
                 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const std::size_t stride = static_cast<std::size_t>(image.width()) * 3;
    for (int y = 0; y < image.height(); ++y) {
        // libpng takes a non-const row but only reads it.
        png_write_row(png,
                      const_cast<png_bytep>(image.bytes().data() + static_cast<std::size_t>(y) * stride));
    }
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

bool pngAvailable() {
    return true;
}

std::string encodePng(const Image& image) {
    std::string out;
    std::string fault;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &fault, keepError, dropWarning);
    png_infop info = png == nullptr ? nullptr : png_create_info_struct(png);
    bool written = false;
    if (info != nullptr) {
        png_set_write_fn(png, &out, appendBytes, noFlush);
        written = writeImage(png, info, image);
    }
    png_destroy_write_struct(&png, &info);
    if (!written) {
        throw pngError(fault.empty() ? "PNG encoding failed" : ("PNG encoding failed: " + fault).c_str());
    }
    return out;
}

#else

bool pngAvailable() {
    return false;
}

std::string encodePng(const Image&) {
    throw pngError("this build has no PNG output");
}

#endif

void writePngFile(const Image& image, const std::filesystem::path& target) {
    writeFileAtomically(target, encodePng(image));
}

}  // namespace ledfont::compose
