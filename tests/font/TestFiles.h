#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <string_view>

namespace ledfont::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end of the test.
class TempFolder {
  public:
    TempFolder() {
        std::random_device seed;
        for (int i = 0; i < 100; ++i) {
            path_ = std::filesystem::temp_directory_path() / ("ledfont-test-" + std::to_string(seed()));
            if (std::filesystem::create_directory(path_)) {
                return;
            }
        }
        throw std::runtime_error("no unique temporary folder");
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // The names in the folder, to see that nothing was left behind.
    std::set<std::string> entries() const { return entriesOf(path_); }
    static std::set<std::string> entriesOf(const std::filesystem::path& folder) {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

  private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

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
