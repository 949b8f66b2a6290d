#pragma once

#include <cstdarg>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct tiff; // libtiff's TIFF

namespace map {

// How the first image of a TIFF file stores its pixels, checked to be a picture this program
// draws: unsigned samples of 1, 2, 4, 8 or 16 bits, grey, palette, RGB, CMYK or YCbCr (JPEG),
// with or without alpha, the samples of a pixel side by side.
struct TiffLayout {
    int width = 0;
    int height = 0;
    bool tiled = false;
    int tileWidth = 0; // tiled only
    int tileHeight = 0;
    enum class Colour { Grey, WhiteIsZero, Palette, Rgb, Cmyk } colour = Colour::Grey;
    int bits = 8;
    int samples = 1; // per pixel, alpha and extra samples included
    int alpha = -1;  // the sample holding the alpha, or -1
    bool premultiplied = false;
    std::vector<std::uint32_t> palette; // 0xFFRRGGBB per index, Palette only
};

// One row of count pixels of layout's samples (as libtiff delivers them) into 0xFFRRGGBB
// words, transparency laid over white.
void ConvertTiffRow(const TiffLayout& layout, const unsigned char* samples, std::uint32_t* out,
                    int count);

// A TIFF file (classic or BigTIFF) read through libtiff from an open file, with pread only, so
// the caller may read the same file meanwhile. libtiff's complaints are kept for the message of
// a failed read, never printed; no single allocation libtiff makes for the file's tags or
// tiles can exceed kMaxTiffAllocation, whatever the file claims; ReadLayout refuses a tile or
// row larger than that, so a reader's own buffer for one cannot either.
class TiffFile {
public:
    static constexpr long long kMaxTiffAllocation = 256LL << 20;

    // Null, with *error (plain English, without the path), when fd holds no TIFF libtiff reads.
    static std::unique_ptr<TiffFile> Open(int fd, std::string* error);
    ~TiffFile();
    TiffFile(const TiffFile&) = delete;
    TiffFile& operator=(const TiffFile&) = delete;

    [[nodiscard]] tiff* Handle() const { return tiff_; }
    // How the first image stores its pixels; false, with *error, when it is no picture this
    // program draws. JPEG-compressed YCbCr is asked of libtiff as RGB.
    bool ReadLayout(TiffLayout* layout, std::string* error);
    // libtiff's last error, or `otherwise` when it said nothing.
    [[nodiscard]] std::string Reason(const std::string& otherwise) const;

    // Where libtiff reads: the file and its own position in it.
    struct Source {
        int fd = -1;
        unsigned long long offset = 0;
    };

private:
    TiffFile() = default;
    static int OnError(tiff*, void* self, const char* module, const char* format, va_list args);

    Source source_;
    tiff* tiff_ = nullptr;
    std::string lastError_;
};

// Whether the file starts as TIFF files do: "II" or "MM", then 42 (classic) or 43 (BigTIFF).
bool IsTiffFile(int fd);

} // namespace map
