#include "host/call_parser.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Length of the decimal number at the start of `text`: sign, digits with an
// optional point, optional exponent. 0 when there is none.
std::size_t numberLength(std::string_view text) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    std::size_t digits = 0;
    while (at < text.size() && isDigit(text[at])) {
        ++at;
        ++digits;
    }
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && isDigit(text[at])) {
            ++at;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentDigits = exponent;
        while (exponent < text.size() && isDigit(text[exponent])) {
            ++exponent;
        }
        if (exponent > exponentDigits) {
            at = exponent;
        }
    }
    return at;
}

CallParse failed(std::string error) {
    CallParse parse;
    parse.error = std::move(error);
    return parse;
}

}  // namespace

CallParse parseCall(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '=') {
        text = trimmed(text.substr(1));
    }
    if (text.empty()) {
        return failed("empty call; write it as in a cell, e.g. HofTP(25, 10, 1)");
    }
    std::size_t at = 0;
    if (!isLetter(text[0])) {
        return failed("a call starts with a function name, e.g. HofTP(25, 10, 1)");
    }
    while (at < text.size() && (isLetter(text[at]) || isDigit(text[at]))) {
        ++at;
    }
    CallParse parse;
    parse.call.name = std::string(text.substr(0, at));
    std::string_view rest = trimmed(text.substr(at));
    if (rest.empty() || rest.front() != '(') {
        return failed("missing '(' after " + parse.call.name);
    }
    if (rest.back() != ')') {
        return failed("missing ')' at the end of the call to " + parse.call.name);
    }
    std::string_view inside = trimmed(rest.substr(1, rest.size() - 2));
    if (inside.empty()) {
        parse.ok = true;
        return parse;
    }
    while (true) {
        const std::size_t comma = inside.find(',');
        const std::string_view piece = trimmed(inside.substr(0, comma));
        const std::string position = std::to_string(parse.call.arguments.size() + 1);
        if (parse.call.arguments.size() == maxCallArguments) {
            return failed("too many arguments in the call to " + parse.call.name);
        }
        if (piece.empty()) {
            return failed("argument " + position + " of " + parse.call.name + " is empty");
        }
        const std::size_t length = numberLength(piece);
        if (length != piece.size()) {
            return failed("argument " + position + " of " + parse.call.name + ", '" +
                          std::string(piece) + "', is not a number");
        }
        // from_chars takes no '+'; the number has been checked to be one.
        const std::string_view digits = piece.front() == '+' ? piece.substr(1) : piece;
        double value = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value)) {
            return failed("argument " + position + " of " + parse.call.name + ", '" +
                          std::string(piece) + "', is out of the range of a double");
        }
        parse.call.arguments.push_back(value);
        if (comma == std::string_view::npos) {
            break;
        }
        inside = inside.substr(comma + 1);
    }
    parse.ok = true;
    return parse;
}

std::vector<CallLine> callLinesOf(std::string_view fileText) {
    std::vector<CallLine> lines;
    int lineNumber = 0;
    while (!fileText.empty()) {
        ++lineNumber;
        const std::size_t end = fileText.find('\n');
        std::string_view line = fileText.substr(0, end);
        fileText = end == std::string_view::npos ? std::string_view() : fileText.substr(end + 1);
        line = trimmed(line.substr(0, line.find('#')));
        if (!line.empty()) {
            lines.push_back({lineNumber, std::string(line)});
        }
    }
    return lines;
}
