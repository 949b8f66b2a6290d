#include "platform/JpegDecoder.h"

#include <bit>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include <unistd.h>

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
    // The source: the file's bytes from offset, read with pread.
    jpeg_source_mgr source{};
    int fd = -1;
    off_t offset = 0;
    bool started = false;
    std::vector<std::uint32_t> pixels;
    JSAMPROW rows[kBatchRows] = {};
    JOCTET buffer[65536] = {};

    ~Decoder() { jpeg_destroy_decompress(&info); } // safe on a decoder never created
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

void NoOp(j_decompress_ptr /*info*/) {}

// As libjpeg's own file source does: an empty file fails, a file cut short gets an
// end-of-image marker after a warning (which marks the image as ending early).
boolean Fill(j_decompress_ptr info) {
    Decoder& d = Of(reinterpret_cast<j_common_ptr>(info));
    ssize_t n = 0;
    do
        n = ::pread(d.fd, d.buffer, sizeof d.buffer, d.offset);
    while (n < 0 && errno == EINTR);
    if (n <= 0) {
        if (!d.started)
            ERREXIT(info, JERR_INPUT_EMPTY);
        WARNMS(info, JWRN_JPEG_EOF);
        d.buffer[0] = 0xFF;
        d.buffer[1] = JPEG_EOI;
        n = 2;
    } else {
        d.offset += n;
    }
    d.started = true;
    d.source.next_input_byte = d.buffer;
    d.source.bytes_in_buffer = static_cast<std::size_t>(n);
    return TRUE;
}

void Skip(j_decompress_ptr info, long count) {
    if (count <= 0)
        return;
    Decoder& d = Of(reinterpret_cast<j_common_ptr>(info));
    const auto want = static_cast<std::size_t>(count);
    if (want <= d.source.bytes_in_buffer) {
        d.source.next_input_byte += want;
        d.source.bytes_in_buffer -= want;
        return;
    }
    d.offset += static_cast<off_t>(want - d.source.bytes_in_buffer);
    d.source.bytes_in_buffer = 0;
}

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

JpegOutcome Run(int fd, int scale, const JpegInfo* expected, JpegInfo* info,
                const JpegRowSink* sink, std::size_t maxMemory) {
    JpegOutcome out;
    if (scale != 1 && scale != 2 && scale != 4 && scale != 8) {
        out.error = "no such scale";
        return out;
    }
    auto d = std::make_unique<Decoder>();
    d->fd = fd;
    d->source.init_source = NoOp;
    d->source.fill_input_buffer = Fill;
    d->source.skip_input_data = Skip;
    d->source.resync_to_restart = jpeg_resync_to_restart;
    d->source.term_source = NoOp;
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
    d->info.src = &d->source;
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

bool IsJpegFile(int fd) {
    unsigned char start[3] = {};
    return ::pread(fd, start, 3, 0) == 3 && start[0] == 0xFF && start[1] == 0xD8 &&
           start[2] == 0xFF;
}

JpegOutcome ReadJpegInfo(int fd, JpegInfo* info) {
    return Run(fd, 1, nullptr, info, nullptr, 0);
}

JpegOutcome DecodeJpeg(int fd, int scale, const JpegInfo& expected, const JpegRowSink& sink,
                       std::size_t maxMemory) {
    return Run(fd, scale, &expected, nullptr, &sink, maxMemory);
}

} // namespace platform
