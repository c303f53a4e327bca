#include "imaging/jpeg.h"

#include "imaging/picture_limits.h"
#include "system/errors.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace imaging {

namespace {

// A progressive file may hold any number of scans, each a pass over the
// whole picture; a real one needs a dozen at most.
constexpr int kMaxScans = 500;

// libjpeg ends the program on an error unless its handler leaves by a long
// jump. We jump back into decodeJpeg and throw from there: an exception
// cannot travel through libjpeg's C frames.
struct Decoder {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

Decoder& decoderOf(j_common_ptr info) {
    return *reinterpret_cast<Decoder*>(reinterpret_cast<char*>(info) - offsetof(Decoder, info));
}

void onError(j_common_ptr info) {
    Decoder& d = decoderOf(info);
    (*info->err->format_message)(info, d.message);
    std::longjmp(d.jump, 1);
}

// Warnings (level -1) are corrupt or missing data that libjpeg would paper
// over with grey; we refuse the picture instead. Trace messages are dropped.
void onMessage(j_common_ptr info, int level) {
    if (level < 0)
        onError(info);
}

void onProgress(j_common_ptr info) {
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxScans) {
        Decoder& d = decoderOf(info);
        std::snprintf(d.message, sizeof d.message, "more than %d scans", kMaxScans);
        std::longjmp(d.jump, 1);
    }
}

struct DecoderDeleter {
    void operator()(Decoder* d) const {
        jpeg_destroy_decompress(&d->info);
        delete d;
    }
};

void copyRow(const std::vector<JSAMPLE>& rgb, std::uint32_t* out, int width) {
    for (int x = 0; x < width; ++x)
        out[x] = bgra(rgb[3 * x], rgb[3 * x + 1], rgb[3 * x + 2]);
}

} // namespace

Picture decodeJpeg(const std::uint8_t* data, std::size_t size) {
    if (size < 3 || data[0] != 0xFF || data[1] != 0xD8 || data[2] != 0xFF)
        throw EInvalidGraphic("JPEG: not a JPEG file (no start-of-image marker)");
    // Everything with a destructor exists before the jump target is set, so
    // the long jump skips none of them.
    std::unique_ptr<Decoder, DecoderDeleter> d(new Decoder{});
    Picture picture;
    std::vector<JSAMPLE> row;
    d->info.err = jpeg_std_error(&d->errors);
    d->errors.error_exit = onError;
    d->errors.emit_message = onMessage;
    if (setjmp(d->jump))
        throw EInvalidGraphic(std::string("JPEG: ") + d->message);

    jpeg_create_decompress(&d->info);
    d->progress.progress_monitor = onProgress;
    d->info.progress = &d->progress;
    jpeg_mem_src(&d->info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&d->info, TRUE);
    picture = allocatePicture("JPEG", d->info.image_width, d->info.image_height);
    d->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d->info);
    if (d->info.output_components != 3 || int(d->info.output_width) != picture.width ||
        int(d->info.output_height) != picture.height)
        throw EInvalidGraphic("JPEG: unexpected output layout");
    row.resize(std::size_t(picture.width) * 3);
    while (d->info.output_scanline < d->info.output_height) {
        std::uint32_t* out =
            picture.pixels.data() + std::size_t(d->info.output_scanline) * picture.width;
        JSAMPROW rows[1] = {row.data()};
        if (jpeg_read_scanlines(&d->info, rows, 1) != 1)
            throw EInvalidGraphic("JPEG: image data ends early");
        copyRow(row, out, picture.width);
    }
    jpeg_finish_decompress(&d->info);
    return picture;
}

} // namespace imaging
