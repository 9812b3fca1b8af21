#include "cli/DescriptorOutput.h"

#include <unistd.h>

#include <cerrno>

namespace ledfont::cli {

DescriptorOutput::DescriptorOutput(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool DescriptorOutput::drain() {
    const char* at = pbase();
    while (at < pptr() && error_ == 0) {
        const ssize_t written = ::write(fd_, at, static_cast<std::size_t>(pptr() - at));
        if (written > 0) {
            at += written;
        } else if (written == 0) {
            error_ = EIO;
        } else if (errno != EINTR) {
            error_ = errno;
        }
    }
    // After a failure the rest is dropped: the output is lost already, and the failure is what counts.
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
    if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int DescriptorOutput::sync() {
    return drain() ? 0 : -1;
}

int DescriptorOutput::finish() {
    drain();
    return error_;
}

}  // namespace ledfont::cli
