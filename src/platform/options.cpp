// Command-line parsing; see options.h.
#include "platform/options.h"

#include "platform/script.h"
#include "platform/settings.h"

#include <cstdlib>
#include <string_view>
#include <vector>

namespace platform {

const char* const USAGE =
    "usage: munchora [--headless] [--script FILE] [--trace FILE] [--ticks N] [--size WxH]\n"
    "                [--frame-times FILE] [--window[=WxH]] [--render-scale auto|S]\n"
    "                [--real-clock]";

namespace {

RunOptions& stored() {
    static RunOptions options;
    return options;
}

bool readSize(std::string_view text, RunOptions& options) {
    if (!ParseSize(text, options.width, options.height))
        return false;
    options.sizeGiven = true;
    return true;
}

class Parser {
public:
    Parser(int argc, const char* const* argv, RunOptions& options)
        : argc_(argc), argv_(argv), options_(options) {}

    bool parse(std::string& error) {
        for (index_ = 1; index_ < argc_; ++index_) {
            error = parseOption(argv_[index_]);
            if (!error.empty())
                return false;
        }
        // Without --render-scale a headless run draws at scale 1, so its pictures compare.
        if (!renderScaleGiven_ && options_.headless)
            options_.renderScale = 1.0f;
        return true;
    }

private:
    std::string parseOption(std::string_view option) {
        if (seen(option))
            return "option " + std::string(option) + " given twice";
        if (option == "--headless") {
            options_.headless = true;
            return {};
        }
        if (option == "--real-clock") {
            options_.realClock = true;
            return {};
        }
        if (option == "--window" || option.rfind("--window=", 0) == 0)
            return parseWindow(option);
        if (option == "--script" || option == "--trace" || option == "--ticks" ||
            option == "--size" || option == "--frame-times" || option == "--render-scale")
            return parseValue(option);
        return "unknown option '" + std::string(option) + "'";
    }

    std::string parseValue(std::string_view option) {
        if (index_ + 1 >= argc_)
            return "option " + std::string(option) + " needs a value";
        const std::string_view value = argv_[++index_];
        if ((option == "--script" || option == "--trace" || option == "--frame-times") &&
            value.empty())
            return "option " + std::string(option) + " needs a file name";
        if (option == "--script")
            options_.scriptPath = value;
        else if (option == "--trace")
            options_.tracePath = value;
        else if (option == "--frame-times")
            options_.frameTimesPath = value;
        else if (option == "--ticks")
            return parseTicks(value);
        else if (option == "--render-scale")
            return parseRenderScale(value);
        else if (!readSize(value, options_))
            return "--size needs WIDTHxHEIGHT, each from 1 to " + std::to_string(MAX_SCRIPT_SIZE) +
                   ", not '" + std::string(value) + "'";
        return {};
    }

    std::string parseWindow(std::string_view option) {
        options_.windowed = true;
        if (option == "--window")
            return {};
        const std::string_view size = option.substr(std::string_view("--window=").size());
        if (!ParseSize(size, options_.windowWidth, options_.windowHeight) ||
            options_.windowWidth < MIN_WINDOW_SIDE || options_.windowHeight < MIN_WINDOW_SIDE)
            return "--window= needs WIDTHxHEIGHT, each from " + std::to_string(MIN_WINDOW_SIDE) +
                   " to " + std::to_string(MAX_SCRIPT_SIZE) + ", not '" + std::string(size) + "'";
        return {};
    }

    // "auto", or a scale from MIN_RENDER_SCALE to 1: digits with at most one point.
    std::string parseRenderScale(std::string_view value) {
        renderScaleGiven_ = true;
        if (value == "auto")
            return {};
        const std::string text(value);
        const bool digits = !text.empty() && text.size() <= 8 &&
                            text.find_first_not_of("0123456789.") == std::string::npos &&
                            text.find('.') == text.rfind('.');
        const double scale = digits ? std::strtod(text.c_str(), nullptr) : 0.0;
        if (!(scale >= MIN_RENDER_SCALE && scale <= 1.0))
            return "--render-scale needs auto or a scale from 0.25 to 1, not '" + text + "'";
        options_.renderScale = float(scale);
        return {};
    }

    std::string parseTicks(std::string_view value) {
        long ticks = 0;
        if (!ParseDecimal(value, 0, MAX_SCRIPT_CALL, ticks))
            return "--ticks needs a number from 0 to " + std::to_string(MAX_SCRIPT_CALL) +
                   ", not '" + std::string(value) + "'";
        options_.ticks = ticks;
        return {};
    }

    // Records option; true when it was given before (--window counts once, with or without
    // its size).
    bool seen(std::string_view option) {
        if (option.rfind("--window", 0) == 0)
            option = "--window";
        for (std::string_view earlier : seen_)
            if (earlier == option)
                return true;
        seen_.push_back(option);
        return false;
    }

    int argc_;
    const char* const* argv_;
    RunOptions& options_;
    int index_ = 1;
    bool renderScaleGiven_ = false;
    std::vector<std::string_view> seen_;
};

} // namespace

bool ParseOptions(int argc, const char* const* argv, RunOptions& options, std::string& error) {
    options = RunOptions{};
    return Parser(argc, argv, options).parse(error);
}

void SetOptions(const RunOptions& options) {
    stored() = options;
}

const RunOptions& Options() {
    return stored();
}

} // namespace platform
