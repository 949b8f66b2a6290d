#include "platform/JpegDecoder.h"

#include <bit>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include <sys/stat.h>

// jpeglib.h needs FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace platform {

namespace {

// Rows asked of the decoder per call; it may give fewer.
constexpr int kBatchRows = 16;

// The words come out as 0xAARRGGBB in memory order on either byte order, alpha set to 0xFF.
constexpr J_COLOR_SPACE kWordOrder =
    std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// Everything libjpeg touches, on the heap: after a long jump only memory is trusted, never
// locals that may have lived in registers.
struct Decoder {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX] = {};
    bool endsEarly = false;
    bool damaged = false;
    bool allRows = false; // the last row went out: a later failure only concerns the tail
    std::FILE* file = nullptr;
    std::vector<std::uint32_t> pixels;
    JSAMPROW rows[kBatchRows] = {};

    ~Decoder() {
        jpeg_destroy_decompress(&info); // safe on a decoder never created
        if (file)
            std::fclose(file);
    }
};

Decoder& Of(j_common_ptr info) {
    // errors is not the first member, so find the owner from the decompressor instead.
    return *static_cast<Decoder*>(info->client_data);
}

[[noreturn]] void OnFatal(j_common_ptr info) {
    Decoder& d = Of(info);
    (*info->err->format_message)(info, d.message);
    std::longjmp(d.jump, 1);
}

void OnMessage(j_common_ptr info, int level) {
    if (level >= 0)
        return; // tracing
    Decoder& d = Of(info);
    switch (info->err->msg_code) {
    case JWRN_JPEG_EOF:
        d.endsEarly = true;
        break;
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION:
        d.damaged = true;
        break;
    default:
        // Bytes skipped between segments, an unknown revision, a bad colour profile: the
        // pixels themselves are whole.
        break;
    }
    ++info->err->num_warnings;
}

void Silent(j_common_ptr /*info*/) {}

// Adobe's CMYK files store the inks inverted, as every program that writes CMYK JPEG does.
void CmykToWords(std::uint32_t* row, int width) {
    auto* bytes = reinterpret_cast<const unsigned char*>(row);
    for (int x = 0; x < width; ++x) {
        const unsigned c = bytes[4 * x];
        const unsigned m = bytes[4 * x + 1];
        const unsigned y = bytes[4 * x + 2];
        const unsigned k = bytes[4 * x + 3];
        row[x] = 0xFF000000u | (k * c / 255) << 16 | (k * m / 255) << 8 | (k * y / 255);
    }
}

JpegOutcome Run(const std::string& path, int scale, const JpegInfo* expected, JpegInfo* info,
                const JpegRowSink* sink, std::size_t maxMemory) {
    JpegOutcome out;
    if (scale != 1 && scale != 2 && scale != 4 && scale != 8) {
        out.error = "no such scale";
        return out;
    }
    auto d = std::make_unique<Decoder>();
    d->file = std::fopen(path.c_str(), "rbe");
    if (!d->file) {
        out.error = std::strerror(errno);
        return out;
    }
    d->info.err = jpeg_std_error(&d->errors);
    d->errors.error_exit = OnFatal;
    d->errors.emit_message = OnMessage;
    d->errors.output_message = Silent;
    d->info.client_data = d.get();
    if (setjmp(d->jump)) {
        if (d->allRows) {
            // Every row is out: what failed after them (the trailer) is damage.
            out.ok = true;
            out.endsEarly = d->endsEarly;
            out.damaged = !d->endsEarly;
            return out;
        }
        out.error = d->message;
        return out;
    }
    jpeg_create_decompress(&d->info);
    jpeg_stdio_src(&d->info, d->file);
    jpeg_read_header(&d->info, TRUE);
    const JpegInfo got{static_cast<int>(d->info.image_width),
                       static_cast<int>(d->info.image_height), d->info.num_components,
                       d->info.progressive_mode != 0};
    if (!sink) {
        *info = got;
        out.ok = true;
        return out;
    }
    if (got.width != expected->width || got.height != expected->height ||
        got.components != expected->components || got.progressive != expected->progressive) {
        out.error = "the file changed while it was read";
        return out;
    }
    if (maxMemory > 0)
        d->info.mem->max_memory_to_use = static_cast<long>(maxMemory);
    d->info.scale_num = 1;
    d->info.scale_denom = static_cast<unsigned>(scale);
    const bool cmyk = d->info.jpeg_color_space == JCS_CMYK || d->info.jpeg_color_space == JCS_YCCK;
    d->info.out_color_space = cmyk ? JCS_CMYK : kWordOrder;
    jpeg_start_decompress(&d->info);
    const int width = static_cast<int>(d->info.output_width);
    const int height = static_cast<int>(d->info.output_height);
    if (width != JpegScaledSide(got.width, scale) || height != JpegScaledSide(got.height, scale) ||
        d->info.output_components != 4) {
        out.error = "unexpected output size";
        return out;
    }
    d->pixels.resize(static_cast<std::size_t>(width) * kBatchRows);
    for (int i = 0; i < kBatchRows; ++i)
        d->rows[i] =
            reinterpret_cast<JSAMPROW>(d->pixels.data() + static_cast<std::size_t>(i) * width);
    while (d->info.output_scanline < d->info.output_height) {
        const int first = static_cast<int>(d->info.output_scanline);
        const int count = static_cast<int>(jpeg_read_scanlines(&d->info, d->rows, kBatchRows));
        for (int i = 0; i < count; ++i) {
            auto* row = reinterpret_cast<std::uint32_t*>(d->rows[i]);
            if (cmyk)
                CmykToWords(row, width);
            if (!(*sink)(first + i, row)) {
                jpeg_abort_decompress(&d->info);
                out.stopped = true;
                return out;
            }
        }
    }
    d->allRows = true;
    jpeg_finish_decompress(&d->info);
    out.ok = true;
    out.endsEarly = d->endsEarly;
    out.damaged = d->damaged && !d->endsEarly; // a cut also reads as a broken segment
    return out;
}

} // namespace

bool IsJpegFile(const std::string& path) {
    // Asked before opening: opening a pipe would wait for its writer.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    std::FILE* file = std::fopen(path.c_str(), "rbe");
    if (!file)
        return false;
    unsigned char start[3] = {};
    const bool jpeg = std::fread(start, 1, 3, file) == 3 && start[0] == 0xFF && start[1] == 0xD8 &&
                      start[2] == 0xFF;
    std::fclose(file);
    return jpeg;
}

JpegOutcome ReadJpegInfo(const std::string& path, JpegInfo* info) {
    return Run(path, 1, nullptr, info, nullptr, 0);
}

JpegOutcome DecodeJpeg(const std::string& path, int scale, const JpegInfo& expected,
                       const JpegRowSink& sink, std::size_t maxMemory) {
    return Run(path, scale, &expected, nullptr, &sink, maxMemory);
}

} // namespace platform
