#include "pictures/pictureloader.h"

#include "model/picturepaths.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace kinrow {

namespace {

constexpr qint64 kMaxFileBytes = 512LL * 1024 * 1024;
constexpr int kMaxBytesPerPixel = 4;
// A crafted progressive file with thousands of scans would take minutes to decode.
constexpr int kMaxScans = 500;
constexpr std::size_t kChunk = 64 * 1024;

// What to decode of a picture.
struct Request
{
    enum Kind
    {
        Whole,  // every pixel at the natural size
        Fit,    // shrunk for a box, at least as large as the picture drawn in it
        Corner, // the top left corner at the natural size
        Header, // the natural size only
    } kind = Whole;
    QSize box;
};

struct Decoded
{
    QImage image;
    QSize naturalSize;
};

bool sensibleSource(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width * height <= MaxPictureSourcePixels;
}

bool sensibleOutput(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width * height <= MaxPictureDecodedPixels;
}

// The size a picture of natural size is drawn at in box: shrunk to fit, never enlarged.
QSize fittedSize(QSize natural, QSize box)
{
    if (box.width() <= 0 || box.height() <= 0)
        return natural;
    if (natural.width() <= box.width() && natural.height() <= box.height())
        return natural;
    QSize size = natural.scaled(box, Qt::KeepAspectRatio);
    return size.expandedTo(QSize(1, 1));
}

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

// libjpeg's input read in pieces from the file, so a large photo is never held whole.
struct DeviceSource
{
    jpeg_source_mgr base;
    QIODevice* device;
    JOCTET buffer[kChunk];
};

// Everything the decoder touches lives here, on the heap and constructed before setjmp, so the
// long jump out of libjpeg neither skips a destructor nor leaves a value in a stale register.
struct JpegJob
{
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    jpeg_progress_mgr progress;
    DeviceSource source;
    std::vector<JSAMPLE> row;
    QImage image;
    QSize naturalSize;
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

void initSource(j_decompress_ptr) {}
void termSource(j_decompress_ptr) {}

boolean fillInput(j_decompress_ptr cinfo)
{
    auto* source = reinterpret_cast<DeviceSource*>(cinfo->src);
    const qint64 got = source->device->read(reinterpret_cast<char*>(source->buffer), kChunk);
    if (got <= 0) {
        // The end of the file before the end of the picture: a cut-off file, refused.
        WARNMS(cinfo, JWRN_JPEG_EOF);
        source->buffer[0] = JOCTET(0xFF);
        source->buffer[1] = JOCTET(JPEG_EOI);
        source->base.bytes_in_buffer = 2;
    } else {
        source->base.bytes_in_buffer = std::size_t(got);
    }
    source->base.next_input_byte = source->buffer;
    return TRUE;
}

void skipInput(j_decompress_ptr cinfo, long count)
{
    auto* source = reinterpret_cast<DeviceSource*>(cinfo->src);
    while (count > long(source->base.bytes_in_buffer)) {
        count -= long(source->base.bytes_in_buffer);
        fillInput(cinfo);
    }
    if (count > 0) {
        source->base.next_input_byte += count;
        source->base.bytes_in_buffer -= std::size_t(count);
    }
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
bool decodeInto(JpegJob& job, QIODevice& device, const Request& request)
{
    jpeg_decompress_struct& cinfo = job.cinfo;
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = 1024L * 1024 * 1024;
    job.progress.progress_monitor = onProgress;
    cinfo.progress = &job.progress;
    job.source.device = &device;
    job.source.base.init_source = initSource;
    job.source.base.fill_input_buffer = fillInput;
    job.source.base.skip_input_data = skipInput;
    job.source.base.resync_to_restart = jpeg_resync_to_restart;
    job.source.base.term_source = termSource;
    job.source.base.bytes_in_buffer = 0;
    job.source.base.next_input_byte = nullptr;
    cinfo.src = &job.source.base;
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK ||
        !sensibleSource(cinfo.image_width, cinfo.image_height))
        return false;
    job.naturalSize = QSize(int(cinfo.image_width), int(cinfo.image_height));
    if (request.kind == Request::Header)
        return true;

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
    if (request.kind == Request::Fit) {
        // libjpeg shrinks by 1/2, 1/4 or 1/8 while decoding, at a fraction of the work and
        // memory; the largest step that still gives the drawn size is taken.
        const QSize drawn = fittedSize(job.naturalSize, request.box);
        for (const unsigned denominator : {8u, 4u, 2u}) {
            const qint64 w = (qint64(cinfo.image_width) + denominator - 1) / denominator;
            const qint64 h = (qint64(cinfo.image_height) + denominator - 1) / denominator;
            if (w >= drawn.width() && h >= drawn.height()) {
                cinfo.scale_num = 1;
                cinfo.scale_denom = denominator;
                break;
            }
        }
    }
    jpeg_calc_output_dimensions(&cinfo);
    qint64 width = cinfo.output_width;
    qint64 height = cinfo.output_height;
    if (request.kind == Request::Corner) {
        width = std::min<qint64>(width, std::max(1, request.box.width()));
        height = std::min<qint64>(height, std::max(1, request.box.height()));
    }
    if (!sensibleOutput(width, height))
        return false;

    jpeg_start_decompress(&cinfo);
    const int expectedComponents = format == QImage::Format_Grayscale8 ? 1
                                   : cinfo.out_color_space == JCS_CMYK ? 4
                                                                       : 3;
    if (cinfo.output_components != expectedComponents || qint64(cinfo.output_width) < width ||
        qint64(cinfo.output_height) < height)
        return false;

    job.image = QImage(int(width), int(height), format);
    if (job.image.isNull())
        return false;
    job.row.resize(std::size_t(cinfo.output_width) * std::size_t(cinfo.output_components));
    const std::size_t rowBytes = std::size_t(width) * (format == QImage::Format_Grayscale8 ? 1 : 3);
    while (cinfo.output_scanline < JDIMENSION(height)) {
        uchar* line = job.image.scanLine(int(cinfo.output_scanline));
        JSAMPROW row = job.row.data();
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1)
            return false;
        if (cinfo.out_color_space == JCS_CMYK)
            cmykToRgb(row, line, JDIMENSION(width), cinfo.saw_Adobe_marker);
        else
            std::copy_n(row, rowBytes, line);
    }
    // A corner leaves the rest of the file unread; the whole picture reads to its end, so that
    // a file cut off in its last rows is still refused.
    if (cinfo.output_scanline == cinfo.output_height)
        jpeg_finish_decompress(&cinfo);
    return true;
}

Decoded decodeJpeg(QIODevice& device, const Request& request)
{
    auto job = std::make_unique<JpegJob>();
    job->cinfo.err = jpeg_std_error(&job->errors.base);
    job->errors.base.error_exit = failDecoding;
    job->errors.base.output_message = discardMessage;
    job->errors.base.emit_message = onMessage;
    volatile bool decoded = false;
    if (setjmp(job->errors.jump) == 0)
        decoded = decodeInto(*job, device, request);
    jpeg_destroy_decompress(&job->cinfo);
    if (!decoded)
        return {};
    return {std::move(job->image), job->naturalSize};
}

Decoded readWithQt(QIODevice& device, const Request& request)
{
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(int(MaxPictureDecodedPixels * kMaxBytesPerPixel / (1024 * 1024)));
    const QSize natural = reader.size();
    if (natural.isValid() && !sensibleSource(natural.width(), natural.height()))
        return {};
    if (request.kind == Request::Header)
        return {QImage(), natural.isValid() && reader.canRead() ? natural : QSize()};
    if (natural.isValid()) {
        // Formats that cannot decode a part or a smaller size are read whole first.
        QSize decoded = natural;
        if (request.kind == Request::Fit && fittedSize(natural, request.box) != natural &&
            reader.supportsOption(QImageIOHandler::ScaledSize)) {
            decoded = fittedSize(natural, request.box);
            reader.setScaledSize(decoded);
        } else if (request.kind == Request::Corner &&
                   reader.supportsOption(QImageIOHandler::ClipRect)) {
            decoded = natural.boundedTo(request.box);
            reader.setClipRect(QRect(QPoint(0, 0), decoded));
        }
        if (!sensibleOutput(decoded.width(), decoded.height()))
            return {};
    }
    QImage image = reader.read();
    if (image.isNull() || !sensibleOutput(image.width(), image.height()))
        return {};
    const QSize size = natural.isValid() ? natural : image.size();
    if (request.kind == Request::Fit && image.size() != fittedSize(size, request.box) &&
        image.size() == size)
        image = image.scaled(fittedSize(size, request.box), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    else if (request.kind == Request::Corner && image.size() == size)
        image = image.copy(QRect(QPoint(0, 0), size.boundedTo(request.box)));
    return {image, size};
}

Decoded decode(const QString& path, const Request& request)
{
    QFile file;
    if (!OpenRegularFile(file, path))
        return {};
    if (file.peek(3) == QByteArrayLiteral("\xFF\xD8\xFF")) {
        if (file.size() > kMaxFileBytes)
            return {};
        return decodeJpeg(file, request);
    }
    return readWithQt(file, request);
}

} // namespace

QSize PictureSize(const QString& path)
{
    return decode(path, {Request::Header, QSize()}).naturalSize;
}

QImage LoadPicture(const QString& path)
{
    return decode(path, {Request::Whole, QSize()}).image;
}

FittedPicture LoadPictureToFit(const QString& path, QSize box)
{
    Decoded decoded = decode(path, {Request::Fit, box});
    if (decoded.image.isNull())
        return {};
    return {std::move(decoded.image), decoded.naturalSize};
}

FittedPicture LoadPictureCorner(const QString& path, QSize corner)
{
    Decoded decoded = decode(path, {Request::Corner, corner});
    if (decoded.image.isNull())
        return {};
    return {std::move(decoded.image), decoded.naturalSize};
}

} // namespace kinrow
