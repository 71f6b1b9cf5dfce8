#include "batch/stream_writer.h"

namespace batch {

void Stream_writer::write(std::FILE *to, const QString &text)
{
    std::fputs(text.toUtf8().constData(), to);
    std::fflush(to);  // at once: a watching script or terminal sees each line as it comes
    if (!std::ferror(to))
        return;
    std::clearerr(to);
    if (!closed_ && closed) {
        closed_ = true;
        closed();
    }
}

} // namespace batch
