#include "addin/registration.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "addin/alerts.h"
#include "addin/host_interface.h"
#include "addin/registration_strings.h"
#include "addin/variant.h"

namespace {

// A length byte counts at most 255 characters.
constexpr std::size_t maxHostTextLength = 255;

// Register arguments before the argument helps: module, procedure, type
// text, function text, argument text, macro type, category, shortcut, help
// topic, function help.
constexpr int fixedRegisterArguments = 10;

// The host's file-name record, given back through the host's free operation
// however registration ends.
struct ModuleName {
    XLOPER record{};
    bool asked = false;

    void ask() {
        HostCall(xlGetName, &record, 0);
        asked = true;
    }
    ModuleName() = default;
    ModuleName(const ModuleName&) = delete;
    ModuleName& operator=(const ModuleName&) = delete;
    ~ModuleName() {
        if (asked) {
            HostCall(xlFree, nullptr, 1, &record);
        }
    }
};

// A newly allocated length-prefixed copy of `text`, cut to 255 characters.
std::unique_ptr<unsigned char[]> hostTextOf(std::string_view text) {
    const std::size_t length = std::min(text.size(), maxHostTextLength);
    auto buffer = std::make_unique<unsigned char[]>(length + 1);
    buffer[0] = static_cast<unsigned char>(length);
    std::memcpy(buffer.get() + 1, text.data(), length);
    return buffer;
}

// Entries of the largest group before its empty entry.
std::size_t largestGroup(const RegistrationStrings& strings) {
    std::size_t largest = 0;
    std::size_t run = 0;
    for (const auto& entry : strings) {
        if (entry) {
            ++run;
        } else {
            largest = std::max(largest, run);
            run = 0;
        }
    }
    return largest;
}

}  // namespace

int registerFunctions(std::span<const RegistrationEntry> table) {
    try {
        const std::optional<RegistrationStrings> strings =
            buildRegistrationStrings(table, argumentHelpLimit);
        if (!strings) {
            alertBuildFailed();
            return 0;
        }
        const std::size_t largest = largestGroup(*strings);
        std::vector<XLOPER> records(largest + 5);
        std::vector<XLOPER*> pointers(largest + 6);

        ModuleName moduleName;
        moduleName.ask();
        pointers[0] = &moduleName.record;

        const std::string_view category(AddInTitle + 1);
        std::size_t at = 0;
        while ((*strings)[at]) {
            const std::size_t helpsAt = at + 4;
            std::size_t helps = 0;
            while ((*strings)[helpsAt + helps]) {
                ++helps;
            }
            const std::string& name = *(*strings)[at];
            const std::string_view texts[] = {
                name, *(*strings)[at + 1], name, *(*strings)[at + 2], "1", category, "", "",
                *(*strings)[at + 3]};

            std::vector<std::unique_ptr<unsigned char[]>> buffers;
            buffers.reserve(std::size(texts) + helps);
            for (const std::string_view text : texts) {
                buffers.push_back(hostTextOf(text));
            }
            for (std::size_t k = 0; k < helps; ++k) {
                buffers.push_back(hostTextOf(*(*strings)[helpsAt + k]));
            }
            for (std::size_t k = 0; k < buffers.size(); ++k) {
                records[k] = XLOPER{};
                records[k].xltype = xltypeStr;
                records[k].val.str = buffers[k].get();
                pointers[k + 1] = &records[k];
            }

            XLOPER registered{};
            const int code = HostCallV(xlfRegister, &registered,
                                       fixedRegisterArguments + static_cast<int>(helps),
                                       pointers.data());
            buffers.clear();
            if (code != xlretSuccess) {
                alertRegisterFailed();
                return 0;
            }
            at = helpsAt + helps + 1;
        }
        return 1;
    } catch (const std::bad_alloc&) {
        alertBuildFailed();
        return 0;
    }
}
