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
        if (bytes >= kLargePage) {
            // Aligned to a large page, but not rounded up to whole ones: the
            // tail stays in small pages so no memory is wasted.
            void* pixels = nullptr;
            if (posix_memalign(&pixels, kLargePage, bytes) == 0) {
                // Only advice: without large pages the buffer works the same.
                madvise(pixels, bytes / kLargePage * kLargePage, MADV_HUGEPAGE);
                QImage image(static_cast<uchar*>(pixels), size.width(), size.height(), bytesPerLine,
                             format, &releasePixels, pixels);
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
