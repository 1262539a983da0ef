#include "decks/JpegWriter.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <vector>

#include <jpeglib.h>

#include "platform/WholeFile.h"

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void EmitMessage(j_common_ptr, int) {}
void OutputMessage(j_common_ptr) {}

// Collects the encoded bytes in a QByteArray that grows by whole blocks.
struct ByteDestination {
    jpeg_destination_mgr base;
    QByteArray bytes;
};

constexpr qsizetype kBlock = 64 * 1024;

void InitDestination(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<ByteDestination*>(cinfo->dest);
    dest->bytes.resize(kBlock);
    dest->base.next_output_byte = reinterpret_cast<JOCTET*>(dest->bytes.data());
    dest->base.free_in_buffer = size_t(kBlock);
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
    // libjpeg calls this only when the whole buffer is full.
    auto* dest = reinterpret_cast<ByteDestination*>(cinfo->dest);
    const qsizetype used = dest->bytes.size();
    dest->bytes.resize(used + kBlock);
    dest->base.next_output_byte = reinterpret_cast<JOCTET*>(dest->bytes.data() + used);
    dest->base.free_in_buffer = size_t(kBlock);
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<ByteDestination*>(cinfo->dest);
    dest->bytes.resize(dest->bytes.size() - qsizetype(dest->base.free_in_buffer));
}

// The encoder's state, kept outside the function that libjpeg may jump back into.
struct EncodeJob {
    jpeg_compress_struct cinfo{};
    ErrorManager errors{};
    ByteDestination destination{};
    std::vector<JSAMPLE> row;
};

// One row of RGB32 pixels in the input layout of the colour space.
void FillRow(const QRgb* in, int width, JpegColourSpace space, JSAMPLE* out) {
    for (int x = 0; x < width; ++x) {
        const int r = qRed(in[x]), g = qGreen(in[x]), b = qBlue(in[x]);
        switch (space) {
            case JpegColourSpace::Grey:
                *out++ = JSAMPLE(qGray(r, g, b));
                break;
            case JpegColourSpace::Cmyk:
            case JpegColourSpace::Ycck: {
                // Inverted inks: each stored value is 255 minus the amount of ink.
                const int key = std::max({r, g, b});
                *out++ = JSAMPLE(key ? r * 255 / key : 255);
                *out++ = JSAMPLE(key ? g * 255 / key : 255);
                *out++ = JSAMPLE(key ? b * 255 / key : 255);
                *out++ = JSAMPLE(key);
                break;
            }
            case JpegColourSpace::YCbCr:
                *out++ = JSAMPLE(r);
                *out++ = JSAMPLE(g);
                *out++ = JSAMPLE(b);
                break;
        }
    }
}

bool Encode(EncodeJob& job, const QImage& image, int quality, JpegColourSpace space) {
    jpeg_compress_struct& cinfo = job.cinfo;
    if (setjmp(job.errors.jump)) return false;

    jpeg_create_compress(&cinfo);
    job.destination.base.init_destination = InitDestination;
    job.destination.base.empty_output_buffer = EmptyOutputBuffer;
    job.destination.base.term_destination = TermDestination;
    cinfo.dest = &job.destination.base;
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    const bool inks = space == JpegColourSpace::Cmyk || space == JpegColourSpace::Ycck;
    cinfo.input_components = space == JpegColourSpace::Grey ? 1 : inks ? 4 : 3;
    cinfo.in_color_space = space == JpegColourSpace::Grey ? JCS_GRAYSCALE
                           : inks                         ? JCS_CMYK
                                                          : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    // Writes the Adobe marker that tells readers the inks are inverted.
    if (space == JpegColourSpace::Ycck) jpeg_set_colorspace(&cinfo, JCS_YCCK);
    jpeg_set_quality(&cinfo, std::clamp(quality, 1, 100), TRUE);
    jpeg_start_compress(&cinfo, TRUE);

    job.row.resize(size_t(image.width()) * size_t(cinfo.input_components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const auto* line =
            reinterpret_cast<const QRgb*>(image.constScanLine(int(cinfo.next_scanline)));
        FillRow(line, image.width(), space, job.row.data());
        JSAMPROW rowPointer = job.row.data();
        jpeg_write_scanlines(&cinfo, &rowPointer, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

}  // namespace

QByteArray EncodeJpeg(const QImage& image, int quality, JpegColourSpace space) {
    if (image.isNull()) return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);

    EncodeJob job;
    job.cinfo.err = jpeg_std_error(&job.errors.base);
    job.errors.base.error_exit = ErrorExit;
    job.errors.base.emit_message = EmitMessage;
    job.errors.base.output_message = OutputMessage;
    const bool encoded = Encode(job, rgb, quality, space);
    jpeg_destroy_compress(&job.cinfo);
    return encoded ? job.destination.bytes : QByteArray();
}

bool WriteJpeg(const QImage& image, const QString& path, int quality, QString* errorString) {
    const QByteArray bytes = EncodeJpeg(image, quality);
    if (bytes.isEmpty()) {
        if (errorString) *errorString = QStringLiteral("The picture could not be encoded");
        return false;
    }
    return WriteWholeFile(path, bytes, errorString);
}
