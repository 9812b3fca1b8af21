#pragma once

#include <cstddef>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <utility>

namespace ledfont::test {

// An endless input: `head` once, then `tail` over and over. It counts what it hands out and throws once a
// reader takes more than `limit` bytes, so a reader that looks past what it needs fails the test instead of
// running forever.
class EndlessSource : public std::streambuf {
  public:
    EndlessSource(std::string head, std::string tail, std::size_t limit)
        : head_(std::move(head)), tail_(std::move(tail)), limit_(limit) {}

    std::size_t served() const { return served_ - static_cast<std::size_t>(egptr() - gptr()); }

  protected:
    int_type underflow() override {
        if (served_ > limit_) {
            throw std::runtime_error("read past the limit");
        }
        std::string& chunk = servedHead_ ? tail_ : head_;
        servedHead_ = true;
        if (chunk.empty()) {
            chunk = tail_;
        }
        setg(chunk.data(), chunk.data(), chunk.data() + chunk.size());
        served_ += chunk.size();
        return traits_type::to_int_type(chunk[0]);
    }

  private:
    std::string head_;
    std::string tail_;
    std::size_t limit_;
    std::size_t served_ = 0;
    bool servedHead_ = false;
};

}  // namespace ledfont::test
