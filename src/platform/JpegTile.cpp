#include "platform/JpegTile.h"

#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>

// jpeglib.h needs FILE declared first.
#include <jpeglib.h>

namespace platform {

namespace {

// 0xFFRRGGBB words in memory order; the decoder sets the fourth byte to 0xFF.
constexpr J_COLOR_SPACE kWordOrder =
    std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// libjpeg's structures on the heap: after a long jump only memory is trusted.
struct Errors {
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
};

[[noreturn]] void OnFatal(j_common_ptr info) {
    std::longjmp(reinterpret_cast<Errors*>(info->err)->jump, 1);
}

// A tile with a warning (corrupt data skipped, data cut short) is a damaged tile.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0)
        std::longjmp(reinterpret_cast<Errors*>(info->err)->jump, 1);
}

struct Compressor {
    jpeg_compress_struct info{};
    Errors errors;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    ~Compressor() {
        jpeg_destroy_compress(&info);
        std::free(buffer);
    }
};

struct Decompressor {
    jpeg_decompress_struct info{};
    Errors errors;
    ~Decompressor() { jpeg_destroy_decompress(&info); }
};

} // namespace

bool EncodeJpegTile(const std::uint32_t* pixels, int side, int quality, std::string& out) {
    const auto c = std::make_unique<Compressor>();
    c->info.err = jpeg_std_error(&c->errors.manager);
    c->errors.manager.error_exit = OnFatal;
    if (setjmp(c->errors.jump))
        return false;
    jpeg_create_compress(&c->info);
    jpeg_mem_dest(&c->info, &c->buffer, &c->size);
    c->info.image_width = static_cast<JDIMENSION>(side);
    c->info.image_height = static_cast<JDIMENSION>(side);
    c->info.input_components = 4;
    c->info.in_color_space = kWordOrder;
    jpeg_set_defaults(&c->info);
    jpeg_set_quality(&c->info, quality, TRUE);
    for (int i = 0; i < c->info.num_components; ++i) {
        c->info.comp_info[i].h_samp_factor = 1;
        c->info.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&c->info, TRUE);
    while (c->info.next_scanline < c->info.image_height) {
        // libjpeg reads the rows and never writes them.
        auto* row = reinterpret_cast<JSAMPROW>(
            const_cast<std::uint32_t*>(pixels + std::size_t{c->info.next_scanline} * side));
        jpeg_write_scanlines(&c->info, &row, 1);
    }
    jpeg_finish_compress(&c->info);
    out.append(reinterpret_cast<const char*>(c->buffer), c->size);
    return true;
}

bool DecodeJpegTile(std::span<const std::byte> jpeg, std::uint32_t* pixels, int side) {
    const auto d = std::make_unique<Decompressor>();
    d->info.err = jpeg_std_error(&d->errors.manager);
    d->errors.manager.error_exit = OnFatal;
    d->errors.manager.emit_message = OnMessage;
    if (setjmp(d->errors.jump))
        return false;
    jpeg_create_decompress(&d->info);
    jpeg_mem_src(&d->info, reinterpret_cast<const unsigned char*>(jpeg.data()),
                 static_cast<unsigned long>(jpeg.size()));
    if (jpeg_read_header(&d->info, TRUE) != JPEG_HEADER_OK ||
        d->info.image_width != static_cast<JDIMENSION>(side) ||
        d->info.image_height != static_cast<JDIMENSION>(side) || d->info.num_components != 3 ||
        d->info.progressive_mode)
        return false;
    d->info.out_color_space = kWordOrder;
    jpeg_start_decompress(&d->info);
    while (d->info.output_scanline < d->info.output_height) {
        auto* row =
            reinterpret_cast<JSAMPROW>(pixels + std::size_t{d->info.output_scanline} * side);
        if (jpeg_read_scanlines(&d->info, &row, 1) != 1)
            return false;
    }
    jpeg_finish_decompress(&d->info);
    return true;
}

} // namespace platform
