#include "addin/registration_strings.h"

#include <algorithm>
#include <new>

namespace {

bool isEmptyRow(std::span<const RegistrationEntry> table, std::size_t row) {
    return row >= table.size() || table[row].type == 0;
}

std::string textOf(const char* text) { return text == nullptr ? std::string() : std::string(text); }

// Number of argument rows of the function whose head row is `head`.
std::size_t argumentRowsAfter(std::span<const RegistrationEntry> table, std::size_t head) {
    std::size_t n = 0;
    while (!isEmptyRow(table, head + 1 + n)) {
        ++n;
    }
    return n;
}

}  // namespace

std::optional<RegistrationStrings> buildRegistrationStrings(
    std::span<const RegistrationEntry> table, int argumentHelpLimit) {
    const auto helpLimit = static_cast<std::size_t>(std::max(argumentHelpLimit, 0));
    try {
        std::size_t count = 0;
        for (std::size_t head = 0; !isEmptyRow(table, head);
             head += argumentRowsAfter(table, head) + 2) {
            count += std::min(argumentRowsAfter(table, head), helpLimit) + 5;
        }
        RegistrationStrings strings;
        strings.reserve(count + 1);

        for (std::size_t head = 0; !isEmptyRow(table, head);) {
            const std::size_t n = argumentRowsAfter(table, head);
            strings.emplace_back(textOf(table[head].name));
            std::string typeText(1, table[head].type);
            std::string argumentText;
            for (std::size_t k = 0; k < n; ++k) {
                typeText += table[head + 1 + k].type;
                if (k > 0) {
                    argumentText += ',';
                }
                argumentText += textOf(table[head + 1 + k].name);
            }
            if (n > static_cast<std::size_t>(maxArgumentsPerFunction)) {
                return std::nullopt;
            }
            strings.emplace_back(std::move(typeText));
            strings.emplace_back(std::move(argumentText));
            strings.emplace_back(textOf(table[head].help));
            const std::size_t helps = std::min(n, helpLimit);
            for (std::size_t k = 0; k < helps; ++k) {
                std::string help = textOf(table[head + 1 + k].help);
                if (helps < n && k + 1 == helps) {
                    help += ", etc.";
                }
                strings.emplace_back(std::move(help));
            }
            strings.emplace_back(std::nullopt);
            head += n + 2;
        }
        strings.emplace_back(std::nullopt);
        return strings;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}
