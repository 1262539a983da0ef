#include "decks/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <vector>

#include <QSysInfo>

#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

#include "platform/WholeFile.h"

namespace {

// Pictures larger than this are refused rather than allocated: no card needs them, and a
// damaged header must not make the program ask for gigabytes.
constexpr qint64 kMaxPixels = 32 * 1024 * 1024;

// libjpeg reports errors and warnings here instead of printing them and calling exit().
// Errors and the warnings that mean picture data is missing end the decoding at once through
// the jump buffer; other warnings (extraneous bytes before a marker, say) leave the picture
// whole and are normal in real-world files.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings after which libjpeg fills missing data in with grey: the file ended early, a
// segment's data ended early, or data was skipped up to the next restart marker.
bool MeansMissingData(int code) {
    return code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_MUST_RESYNC;
}

void EmitMessage(j_common_ptr cinfo, int msgLevel) {
    // Levels 0 and above are trace messages; below 0 is a warning about damaged data.
    if (msgLevel < 0 && MeansMissingData(cinfo->err->msg_code)) ErrorExit(cinfo);
}

void OutputMessage(j_common_ptr) {}

// Everything the decoding touches lives here, outside the function that holds the jump
// buffer, so nothing with a destructor is skipped by the jump and no value is lost with it.
struct DecodeJob {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    std::vector<JSAMPLE> row;
    QImage image;
};

// The smallest scale n/8 (n = 1..8) whose output still covers the target in both directions.
void ChooseScale(jpeg_decompress_struct& cinfo, QSize target) {
    cinfo.scale_denom = 8;
    for (unsigned int num = 1; num <= 8; ++num) {
        cinfo.scale_num = num;
        jpeg_calc_output_dimensions(&cinfo);
        if (int(cinfo.output_width) >= target.width() &&
            int(cinfo.output_height) >= target.height())
            return;
    }
}

// Converts one decoded row in the output colour space to RGB32 pixels.
void ConvertRow(const jpeg_decompress_struct& cinfo, const JSAMPLE* in, QRgb* out) {
    const int width = int(cinfo.output_width);
    if (cinfo.out_color_space == JCS_GRAYSCALE) {
        for (int x = 0; x < width; ++x) out[x] = qRgb(in[x], in[x], in[x]);
    } else if (cinfo.out_color_space == JCS_CMYK) {
        // Adobe applications store CMYK inverted (0 = full ink); others store it plainly.
        const bool inverted = cinfo.saw_Adobe_marker;
        for (int x = 0; x < width; ++x, in += 4) {
            const int c = inverted ? in[0] : 255 - in[0];
            const int m = inverted ? in[1] : 255 - in[1];
            const int y = inverted ? in[2] : 255 - in[2];
            const int k = inverted ? in[3] : 255 - in[3];
            out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
        }
    } else {
        for (int x = 0; x < width; ++x, in += 3) out[x] = qRgb(in[0], in[1], in[2]);
    }
}

void SetUpErrors(DecodeJob& job) {
    job.cinfo.err = jpeg_std_error(&job.errors.base);
    job.errors.base.error_exit = ErrorExit;
    job.errors.base.emit_message = EmitMessage;
    job.errors.base.output_message = OutputMessage;
}

// Reads the header of the picture in the bytes; false when it is no picture to decode.
// Called only where the jump buffer is set.
bool ReadHeader(jpeg_decompress_struct& cinfo, const QByteArray& bytes) {
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return false;
    // Progressive pictures keep all their coefficients in memory whatever the output size.
    return qint64(cinfo.image_width) * cinfo.image_height <= kMaxPixels;
}

// The size from the picture's header; false on any error. Jumped back into by libjpeg.
bool ReadSize(DecodeJob& job, const QByteArray& bytes, QSize& size) {
    if (setjmp(job.errors.jump)) return false;
    if (!ReadHeader(job.cinfo, bytes)) return false;
    size = QSize(int(job.cinfo.image_width), int(job.cinfo.image_height));
    return true;
}

// Decodes the bytes into job.image; false on an error or when picture data is missing.
// Jumped back into by libjpeg.
bool Decode(DecodeJob& job, const QByteArray& bytes, QSize target) {
    jpeg_decompress_struct& cinfo = job.cinfo;
    if (setjmp(job.errors.jump)) return false;
    if (!ReadHeader(cinfo, bytes)) return false;

    switch (cinfo.jpeg_color_space) {
        case JCS_GRAYSCALE:
            cinfo.out_color_space = JCS_GRAYSCALE;
            break;
        case JCS_CMYK:
        case JCS_YCCK:
            cinfo.out_color_space = JCS_CMYK;
            break;
        default:
            // Straight into the memory layout of RGB32 (0xAARRGGBB in native byte order).
            cinfo.out_color_space =
                QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;
            break;
    }
    if (target.isValid() && !target.isEmpty()) ChooseScale(cinfo, target);

    jpeg_start_decompress(&cinfo);
    const int width = int(cinfo.output_width);
    const int height = int(cinfo.output_height);
    if (width <= 0 || height <= 0) return false;
    job.image = QImage(width, height, QImage::Format_RGB32);
    if (job.image.isNull()) return false;

    const bool direct = cinfo.output_components == 4 && cinfo.out_color_space != JCS_CMYK;
    if (!direct) job.row.resize(size_t(width) * size_t(cinfo.output_components));
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
        auto* line = reinterpret_cast<QRgb*>(job.image.scanLine(y));
        JSAMPROW rowPointer = direct ? reinterpret_cast<JSAMPLE*>(line) : job.row.data();
        if (jpeg_read_scanlines(&cinfo, &rowPointer, 1) != 1) return false;
        if (!direct) ConvertRow(cinfo, job.row.data(), line);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

}  // namespace

QImage DecodeJpeg(const QString& path, QSize target) {
    const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxPictureFileBytes);
    if (!bytes || bytes->isEmpty()) return {};

    DecodeJob job;
    SetUpErrors(job);
    const bool decoded = Decode(job, *bytes, target);
    jpeg_destroy_decompress(&job.cinfo);  // also safe when creation itself failed
    if (!decoded) return {};

    if (target.isValid() && !target.isEmpty() && job.image.size() != target)
        return job.image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return job.image;
}

QSize JpegPictureSize(const QString& path) {
    const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxPictureFileBytes);
    if (!bytes || bytes->isEmpty()) return {};
    DecodeJob job;
    SetUpErrors(job);
    QSize size;
    const bool read = ReadSize(job, *bytes, size);
    jpeg_destroy_decompress(&job.cinfo);
    return read ? size : QSize();
}
