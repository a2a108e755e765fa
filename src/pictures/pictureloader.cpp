#include "pictures/pictureloader.h"

#include <QFile>
#include <QImageReader>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace kinrow {

namespace {

constexpr qint64 kMaxPixels = 100'000'000;
constexpr qint64 kMaxFileBytes = 512LL * 1024 * 1024;
constexpr int kMaxBytesPerPixel = 4;
// A crafted progressive file with thousands of scans would take minutes to decode.
constexpr int kMaxScans = 500;

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

// Everything the decoder touches lives here, on the heap and constructed before setjmp, so the
// long jump out of libjpeg neither skips a destructor nor leaves a value in a stale register.
struct JpegJob
{
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    jpeg_progress_mgr progress;
    std::vector<JSAMPLE> cmykRow;
    QImage image;
};

[[noreturn]] void failDecoding(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void discardMessage(j_common_ptr) {}

void onMessage(j_common_ptr cinfo, int level)
{
    // Without this a cut-off file would be shown with a grey lower part.
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        failDecoding(cinfo);
}

void onProgress(j_common_ptr cinfo)
{
    const auto* decoder = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (cinfo->is_decompressor && decoder->input_scan_number > kMaxScans)
        failDecoding(cinfo);
}

bool sensibleSize(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width * height <= kMaxPixels;
}

void cmykToRgb(const JSAMPLE* in, uchar* out, JDIMENSION width, bool adobeInverted)
{
    for (JDIMENSION x = 0; x < width; ++x, in += 4, out += 3) {
        // Adobe writes the inks inverted, so the stored values are already 255 minus the ink.
        const int k = adobeInverted ? in[3] : 255 - in[3];
        for (int i = 0; i < 3; ++i) {
            const int c = adobeInverted ? in[i] : 255 - in[i];
            out[i] = uchar(c * k / 255);
        }
    }
}

// Holds no object with a destructor: libjpeg may jump out of any call below.
bool decodeInto(JpegJob& job, const QByteArray& data)
{
    jpeg_decompress_struct& cinfo = job.cinfo;
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = 1024L * 1024 * 1024;
    job.progress.progress_monitor = onProgress;
    cinfo.progress = &job.progress;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK ||
        !sensibleSize(cinfo.image_width, cinfo.image_height))
        return false;

    QImage::Format format = QImage::Format_RGB888;
    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        cinfo.out_color_space = JCS_GRAYSCALE;
        format = QImage::Format_Grayscale8;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        cinfo.out_color_space = JCS_CMYK;
        break;
    default:
        cinfo.out_color_space = JCS_RGB;
        break;
    }
    jpeg_start_decompress(&cinfo);
    const int expectedComponents = format == QImage::Format_Grayscale8 ? 1
                                   : cinfo.out_color_space == JCS_CMYK ? 4
                                                                       : 3;
    if (cinfo.output_components != expectedComponents ||
        !sensibleSize(cinfo.output_width, cinfo.output_height))
        return false;

    job.image = QImage(int(cinfo.output_width), int(cinfo.output_height), format);
    if (job.image.isNull())
        return false;
    if (cinfo.out_color_space == JCS_CMYK)
        job.cmykRow.resize(std::size_t(cinfo.output_width) * 4);
    while (cinfo.output_scanline < cinfo.output_height) {
        uchar* line = job.image.scanLine(int(cinfo.output_scanline));
        JSAMPROW row = job.cmykRow.empty() ? line : job.cmykRow.data();
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1)
            return false;
        if (!job.cmykRow.empty())
            cmykToRgb(row, line, cinfo.output_width, cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

QImage decodeJpeg(const QByteArray& data)
{
    auto job = std::make_unique<JpegJob>();
    job->cinfo.err = jpeg_std_error(&job->errors.base);
    job->errors.base.error_exit = failDecoding;
    job->errors.base.output_message = discardMessage;
    job->errors.base.emit_message = onMessage;
    volatile bool decoded = false;
    if (setjmp(job->errors.jump) == 0)
        decoded = decodeInto(*job, data);
    if (!decoded)
        job->image = QImage();
    jpeg_destroy_decompress(&job->cinfo);
    return std::move(job->image);
}

QImage readWithQt(QIODevice* device)
{
    QImageReader reader(device);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(int(kMaxPixels * kMaxBytesPerPixel / (1024 * 1024)));
    const QSize size = reader.size();
    if (size.isValid() && !sensibleSize(size.width(), size.height()))
        return QImage();
    QImage image = reader.read();
    if (!image.isNull() && !sensibleSize(image.width(), image.height()))
        return QImage();
    return image;
}

} // namespace

QImage LoadPicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    if (file.peek(3) == QByteArrayLiteral("\xFF\xD8\xFF")) {
        if (file.size() > kMaxFileBytes)
            return QImage();
        return decodeJpeg(file.readAll());
    }
    return readWithQt(&file);
}

} // namespace kinrow
