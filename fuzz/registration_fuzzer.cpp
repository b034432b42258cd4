// Fuzz target: the registration-string builder and registration (the body of
// xlAutoOpen) over arbitrary tables, with our host refusing a chosen register
// call. Built once per add-in variant.
//
// Input bytes: [0] the register call the host refuses (0: none), then
// functions, each: a head type byte (0 is an empty head row, which ends the
// table as registration sees it; 0xF0 and up are taken as they are, anything
// else is 'R'), name and help, an argument count byte (modulo 41), then per
// argument a type byte (0xF0 and up as they are, else 'B' or 'J'), name and
// help, then the closing empty row unless the input ends there. A text is a length byte and a fill byte:
// 0xFF no text at all, 0xE0-0xFE 250 to 261 characters (the length byte's
// limit of 255 sits inside), else 0 to 39. The table ends where the input
// ends, so the last function may lack its closing row; the rows are held in
// an array of exactly their number, so a read past the table's end is an
// AddressSanitizer finding.
//
// Each input is checked against what the rules give, computed here on their
// own: the built list entry by entry; then every host operation registration
// makes, with its texts, in order; the alert; the answer; and that the file
// name the host lent came back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "addin/host_interface.h"
#include "addin/registration.h"
#include "addin/registration_strings.h"
#include "addin/registration_table.h"
#include "addin/variant.h"
#include "host/host_installation.h"
#include "host/spreadsheet_host.h"

namespace {

constexpr const char* addinPath = "/fuzz/addin/file.so";

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::optional<std::uint8_t> next() {
        if (at_ == size_) {
            return std::nullopt;
        }
        return data_[at_++];
    }
    [[nodiscard]] bool atEnd() const { return at_ == size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// The table under test and the storage of its texts, each of exactly its size.
struct FuzzTable {
    std::vector<std::unique_ptr<char[]>> texts;
    std::unique_ptr<RegistrationEntry[]> rows;
    std::size_t size = 0;

    [[nodiscard]] std::span<const RegistrationEntry> span() const { return {rows.get(), size}; }
};

std::optional<const char*> textOf(Bytes& in, FuzzTable& table) {
    const auto length = in.next();
    const auto fill = in.next();
    if (!length || !fill) {
        return std::nullopt;
    }
    if (*length == 0xFF) {
        return static_cast<const char*>(nullptr);
    }
    const std::size_t n = *length >= 0xE0 ? 250 + (*length - 0xE0) % 12 : *length % 40;
    auto text = std::make_unique<char[]>(n + 1);
    std::memset(text.get(), *fill, n);
    text[n] = '\0';
    table.texts.push_back(std::move(text));
    return table.texts.back().get();
}

std::optional<RegistrationEntry> rowOf(Bytes& in, FuzzTable& table, char typeCode) {
    const auto name = textOf(in, table);
    if (!name) {
        return std::nullopt;
    }
    const auto help = textOf(in, table);
    if (!help) {
        return std::nullopt;
    }
    return RegistrationEntry{typeCode, *name, *help};
}

FuzzTable tableOf(Bytes& in) {
    FuzzTable table;
    std::vector<RegistrationEntry> rows;
    for (auto head = in.next(); head; head = in.next()) {
        if (*head == 0) {
            rows.push_back({0, nullptr, nullptr});
            continue;
        }
        const auto headRow = rowOf(in, table, *head >= 0xF0 ? static_cast<char>(*head) : 'R');
        if (!headRow) {
            break;
        }
        rows.push_back(*headRow);
        const auto count = in.next();
        if (!count) {
            break;
        }
        bool complete = true;
        for (int k = 0; k < *count % 41 && complete; ++k) {
            const auto type = in.next();
            std::optional<RegistrationEntry> argument;
            if (type) {
                const char code = *type >= 0xF0 ? static_cast<char>(*type) : ((*type & 1) != 0 ? 'J' : 'B');
                argument = rowOf(in, table, code);
            }
            complete = argument.has_value();
            if (complete) {
                rows.push_back(*argument);
            }
        }
        // The input's end right after the arguments ends the table there,
        // without the function's closing row.
        if (!complete || in.atEnd()) {
            break;
        }
        rows.push_back({0, nullptr, nullptr});
    }
    table.size = rows.size();
    table.rows = std::make_unique<RegistrationEntry[]>(table.size);
    std::copy(rows.begin(), rows.end(), table.rows.get());
    return table;
}

[[noreturn]] void fail(const std::string& finding) {
    std::fprintf(stderr, "registration fuzz: %s\n", finding.c_str());
    std::abort();
}

void expect(bool holds, const std::string& finding) {
    if (!holds) {
        fail(finding);
    }
}

std::string plain(const char* text) { return text == nullptr ? std::string() : std::string(text); }

// The functions as the rules read the table: from each head row to its empty
// row or the table's end, until an empty head row or the table's end.
struct ExpectedFunction {
    std::vector<std::string> group;  // name, type text, argument text, help, argument helps
    std::size_t arguments = 0;
};

std::vector<ExpectedFunction> functionsOf(std::span<const RegistrationEntry> rows, int helpLimit) {
    std::vector<ExpectedFunction> functions;
    std::size_t head = 0;
    while (head < rows.size() && rows[head].type != 0) {
        std::size_t n = 0;
        while (head + 1 + n < rows.size() && rows[head + 1 + n].type != 0) {
            ++n;
        }
        ExpectedFunction f;
        f.arguments = n;
        std::string typeText(1, rows[head].type);
        std::string argumentText;
        for (std::size_t k = 0; k < n; ++k) {
            typeText += rows[head + 1 + k].type;
            argumentText += (k == 0 ? "" : ",") + plain(rows[head + 1 + k].name);
        }
        f.group = {plain(rows[head].name), typeText, argumentText, plain(rows[head].help)};
        const std::size_t helps = std::min<std::size_t>(n, static_cast<std::size_t>(helpLimit));
        for (std::size_t k = 0; k < helps; ++k) {
            f.group.push_back(plain(rows[head + 1 + k].help) + (helps < n && k + 1 == helps ? ", etc." : ""));
        }
        functions.push_back(std::move(f));
        head += n + 2;
    }
    return functions;
}

void checkBuiltList(std::span<const RegistrationEntry> rows, int helpLimit) {
    const std::vector<ExpectedFunction> functions = functionsOf(rows, helpLimit);
    const std::optional<RegistrationStrings> built = buildRegistrationStrings(rows, helpLimit);
    const bool tooManyArguments = std::any_of(functions.begin(), functions.end(), [](const auto& f) {
        return f.arguments > static_cast<std::size_t>(maxArgumentsPerFunction);
    });
    if (tooManyArguments) {
        expect(!built, "a list was built for a function with more than 30 arguments");
        return;
    }
    expect(built.has_value(), "no list was built for a table the rules accept");
    RegistrationStrings expected;
    for (const ExpectedFunction& f : functions) {
        expected.insert(expected.end(), f.group.begin(), f.group.end());
        expected.emplace_back(std::nullopt);
    }
    expected.emplace_back(std::nullopt);
    expect(*built == expected, "the built list differs from the rules (help limit " +
                                   std::to_string(helpLimit) + ")");
}

// Every operation registration asks of the host, as it arrived.
struct Operation {
    int function = 0;
    int count = 0;
    int code = 0;
    bool result = false;
    std::vector<std::string> texts;  // of the string-record arguments
    std::vector<int> lengthBytes;
    int alertType = 0;
};
std::vector<Operation> operations;

int recordingHost(int function, XLOPER* result, int count, XLOPER** arguments) {
    Operation op;
    op.function = function;
    op.count = count;
    op.result = result != nullptr;
    for (int k = 0; k < count; ++k) {
        const XLOPER* record = arguments[k];
        if (record != nullptr && record->xltype == xltypeStr && record->val.str != nullptr) {
            op.texts.push_back(textOfRecord(*record));
            op.lengthBytes.push_back(record->val.str[0]);
        } else if (record != nullptr && record->xltype == xltypeInt) {
            op.alertType = record->val.w;
        }
    }
    op.code = answerHostCall(function, result, count, arguments);
    operations.push_back(std::move(op));
    return operations.back().code;
}

std::string cut(const std::string& text) { return text.substr(0, 255); }

void checkAlert(const Operation& op, const std::string& message) {
    expect(op.function == xlcAlert && op.count == 2 && !op.result && op.texts.size() == 1 &&
               op.alertType == 2,
           "expected the alert \"" + message + "\"");
    expect(op.texts[0] == message, "alert \"" + op.texts[0] + "\" instead of \"" + message + "\"");
    expect(op.lengthBytes[0] == static_cast<int>(message.size()), "alert with a wrong length byte");
}

void checkRegistration(std::span<const RegistrationEntry> rows, int refuse) {
    const std::vector<ExpectedFunction> functions = functionsOf(rows, argumentHelpLimit);
    HostSettings settings;
    settings.addinPath = addinPath;
    settings.refuseRegistration = refuse;
    // KORVA32 is for 32-bit hosts, which take at most 30 register arguments.
    settings.maxRegisterArguments = argumentHelpLimit == 20 ? 30 : 255;
    startHost(settings);
    installHost(recordingHost);
    operations.clear();

    const int answer = registerFunctions(rows);

    const bool tooManyArguments = std::any_of(functions.begin(), functions.end(), [](const auto& f) {
        return f.arguments > static_cast<std::size_t>(maxArgumentsPerFunction);
    });
    if (tooManyArguments) {
        expect(answer == 0, "registration answered 1 after the list could not be built");
        expect(operations.size() == 1, "the host was asked for more than the alert after the list"
                                       " could not be built");
        checkAlert(operations[0], "Error: can't build function params!");
        return;
    }
    expect(!operations.empty() && operations[0].function == xlGetName && operations[0].count == 0 &&
               operations[0].result,
           "registration did not begin by asking for the file name");
    std::size_t at = 1;
    bool refused = false;
    for (const ExpectedFunction& f : functions) {
        expect(at < operations.size(), "registration stopped before " + f.group[0]);
        const Operation& op = operations[at++];
        const std::size_t helps = f.group.size() - 4;
        expect(op.function == xlfRegister && op.result &&
                   op.count == 10 + static_cast<int>(helps),
               "the register call of '" + f.group[0] + "' is not one with " +
                   std::to_string(10 + helps) + " arguments");
        std::vector<std::string> texts = {addinPath, f.group[0], f.group[1], f.group[0], f.group[2],
                                          "1", AddInTitle + 1, "", "", f.group[3]};
        texts.insert(texts.end(), f.group.begin() + 4, f.group.end());
        expect(op.texts.size() == texts.size(), "a register argument is not a string record");
        for (std::size_t k = 0; k < texts.size(); ++k) {
            expect(op.texts[k] == cut(texts[k]),
                   "register argument " + std::to_string(k) + " of '" + f.group[0] + "' is '" +
                       op.texts[k] + "', not '" + cut(texts[k]) + "'");
        }
        expect(argumentHelpLimit != 20 || op.count <= 30, "KORVA32 made a register call of more than 30 arguments");
        if (op.code != xlretSuccess) {
            refused = true;
            break;
        }
    }
    if (refused) {
        expect(answer == 0, "registration answered 1 although the host refused a function");
        expect(at < operations.size(), "no alert after the host refused a function");
        checkAlert(operations[at++], "Error: Failed to register the XLL!");
    } else {
        expect(answer == 1, "registration answered 0 although every function was registered");
    }
    expect(at + 1 == operations.size() && operations[at].function == xlFree &&
               operations[at].count == 1 && operations[at].code == xlretSuccess,
           "the file name was not given back to the host, once, at the end");
    expect(hostLog().namesGiven == 1 && hostLog().namesFreed == 1 && hostLog().lentNames.empty(),
           "the host's file name was not given back");
    if (refuse >= 1 && static_cast<std::size_t>(refuse) <= functions.size()) {
        expect(refused, "the host was set to refuse a register call, and registration succeeded");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    const int refuse = in.next().value_or(0);
    const FuzzTable table = tableOf(in);
    // The builder at this variant's help limit; the other variant's target
    // checks the other limit.
    checkBuiltList(table.span(), argumentHelpLimit);
    checkRegistration(table.span(), refuse);
    // Nothing of this input outlives it: libFuzzer then has no reason to run
    // a leak check after each input, and one at the end finds any leak.
    startHost(HostSettings{});
    std::vector<Operation>().swap(operations);
    return 0;
}
