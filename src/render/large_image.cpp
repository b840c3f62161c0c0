#include "render/large_image.h"

#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace vellomir::render {
namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;

void releasePixels(void* pixels) {
    std::free(pixels);
}

} // namespace

QImage makeLargeImage(QSize size, QImage::Format format) {
#if defined(__linux__)
    if (size.isValid() && !size.isEmpty() && format == QImage::Format_RGB32) {
        // Rows of 32-bit pixels are already 4-byte aligned, as QImage wants.
        const qsizetype bytesPerLine = qsizetype{size.width()} * 4;
        const std::size_t bytes = static_cast<std::size_t>(bytesPerLine) * size.height();
        const std::size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
        if (bytes >= kLargePage) {
            void* pixels = std::aligned_alloc(kLargePage, rounded);
            if (pixels != nullptr) {
                // Only advice: without large pages the buffer works the same.
                madvise(pixels, rounded, MADV_HUGEPAGE);
                QImage image(static_cast<uchar*>(pixels), size.width(), size.height(),
                             bytesPerLine, format, &releasePixels, pixels);
                if (!image.isNull()) {
                    return image;
                }
                std::free(pixels);
            }
        }
    }
#endif
    return QImage(size, format);
}

} // namespace vellomir::render
