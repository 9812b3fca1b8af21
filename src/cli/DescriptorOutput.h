#pragma once

#include <array>
#include <streambuf>

namespace ledfont::cli {

// A stream buffer that writes to a file descriptor with write(2) and keeps the errno of the first write
// that failed, which a stream's bad state alone does not tell: a full disk must be reported as such.
class DescriptorOutput : public std::streambuf {
  public:
    explicit DescriptorOutput(int fd);

    // Writes what is still buffered; 0 when every byte reached the descriptor, else the first failure's
    // errno.
    int finish();

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool drain();

    int fd_;
    int error_ = 0;
    std::array<char, 4096> buffer_{};
};

}  // namespace ledfont::cli
