#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Arguments.h"

namespace ledfont::cli {

// Walks the arguments of one command, handing out option values whether they are attached with '='
// or follow as the next argument.
class OptionWalker {
  public:
    explicit OptionWalker(std::span<const std::string> args) : args_(args) {}

    bool done() const { return at_ >= args_.size(); }

    // Takes `arg` as a file name into `paths` when it is one: anything after "--", "-" itself, and what
    // does not start with '-'. "--" ends the options and is taken too. False for an option.
    bool takePath(const std::string& arg, std::vector<std::string>& paths) {
        if (optionsEnded_ || arg == "-" || !arg.starts_with("-")) {
            paths.push_back(arg);
            return true;
        }
        if (arg == "--") {
            optionsEnded_ = true;
            return true;
        }
        return false;
    }
    const std::string& next() { return args_[at_++]; }

    // The value of option `name` when `arg` is that option, else nullopt.
    std::optional<std::string> valueOf(const std::string& arg, std::string_view name) {
        if (arg == name) {
            if (done()) {
                throw UsageError(std::string(name) + " needs a value");
            }
            return next();
        }
        if (name.starts_with("--") && arg.size() > name.size() && arg.starts_with(name) &&
            arg[name.size()] == '=') {
            return arg.substr(name.size() + 1);
        }
        return std::nullopt;
    }

  private:
    std::span<const std::string> args_;
    std::size_t at_ = 0;
    bool optionsEnded_ = false;
};

}  // namespace ledfont::cli
