// Writes, from the registration table, everything of the Calc component that
// lists the functions: the UNO interface (IDL), the C++ methods that answer
// it, the dispatch table of the reference program and the component
// description. Adding a row to the table adds the function to Calc.
//
// usage: write-uno-bindings OUTPUT_DIR LIBRARY_FILE_NAME
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "calc/table_functions.h"
#include "calc/uno_names.h"

namespace {

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "write-uno-bindings: %s\n", message.c_str());
    std::exit(1);
}

const char* idlTypeOf(const RegistrationEntry& row) {
    switch (row.type) {
        case 'R':  // Calc is handed the number the result record carries
        case 'B': return "double";
        case 'J': return "long";
        default: break;
    }
    fail(std::string("row '") + row.name + "' has type code '" + row.type +
         "', which has no UNO type here; teach idlTypeOf and cppTypeOf the code");
}

const char* cppTypeOf(const RegistrationEntry& row) {
    return row.type == 'J' ? "sal_Int32" : "double";
}

// Which of the reference program's two call shapes a function has.
bool takesTwoStates(const TableFunction& f) {
    if (f.argumentCount == 2 && f.argument(0).type == 'B' && f.argument(1).type == 'J') {
        return false;
    }
    if (f.argumentCount == 3 && f.argument(0).type == 'B' && f.argument(1).type == 'B' &&
        f.argument(2).type == 'J') {
        return true;
    }
    fail(std::string("function ") + f.head->name +
         " has neither (double, units) nor (double, double, units) arguments; add its call shape");
}

std::string parameterList(const TableFunction& f, bool idl) {
    std::string list;
    for (int i = 0; i < f.argumentCount; ++i) {
        if (i > 0) {
            list += ", ";
        }
        list += idl ? std::string("[in] ") + idlTypeOf(f.argument(i)) : cppTypeOf(f.argument(i));
        list += ' ';
        list += f.argument(i).name;
    }
    return list;
}

std::string argumentNames(const TableFunction& f) {
    std::string names;
    for (int i = 0; i < f.argumentCount; ++i) {
        names += i > 0 ? ", " : "";
        names += f.argument(i).name;
    }
    return names;
}

std::ofstream openOutput(const std::string& path) {
    std::ofstream out(path);
    if (!out) {
        fail("cannot write " + path + "; check that the build directory is writable");
    }
    return out;
}

void writeIdl(const std::vector<TableFunction>& functions, const std::string& path) {
    std::ofstream out = openOutput(path);
    out << "// Written by write-uno-bindings from the registration table; edit the table instead.\n"
           "#include <com/sun/star/uno/XInterface.idl>\n\n";
    std::string module(calcInterfaceModule);
    std::string closing;
    for (std::size_t start = 0; start <= module.size();) {
        const std::size_t end = std::min(module.find("::", start), module.size());
        out << "module " << module.substr(start, end - start) << " { ";
        closing += "}; ";
        start = end + 2;
    }
    out << "\n\ninterface " << calcInterfaceName << " : com::sun::star::uno::XInterface\n{\n";
    for (const TableFunction& f : functions) {
        if (std::string_view(f.head->help).find("*/") != std::string_view::npos) {
            fail(std::string("the help of ") + f.head->name + " contains \"*/\"");
        }
        out << "    /** " << f.head->help << " */\n    " << idlTypeOf(*f.head) << ' '
            << f.head->name << '(' << parameterList(f, true) << ");\n";
    }
    out << "};\n\n" << closing << "\n";
}

void writeMethods(const std::vector<TableFunction>& functions, const std::string& path) {
    std::ofstream out = openOutput(path);
    out << "// Written by write-uno-bindings from the registration table; edit the table "
           "instead.\n";
    for (const TableFunction& f : functions) {
        out << "double SAL_CALL " << f.head->name << '(' << parameterList(f, false)
            << ") override { return answer(&::" << f.head->name << ", " << argumentNames(f)
            << "); }\n";
    }
}

void writeDispatch(const std::vector<TableFunction>& functions, const std::string& path) {
    std::ofstream out = openOutput(path);
    out << "// Written by write-uno-bindings from the registration table; edit the table "
           "instead.\n";
    for (const TableFunction& f : functions) {
        const bool two = takesTwoStates(f);
        out << "{\"" << f.head->name << "\", " << (two ? "nullptr" : "&::")
            << (two ? "" : f.head->name) << ", " << (two ? "&::" : "nullptr")
            << (two ? f.head->name : "") << "},\n";
    }
}

void writeComponents(const std::string& library, const std::string& path) {
    std::ofstream out = openOutput(path);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<components xmlns=\"http://openoffice.org/2010/uno-components\">\n"
           "  <component loader=\"com.sun.star.loader.SharedLibrary\" uri=\""
        << library << "\">\n"
        << "    <implementation name=\"" << calcImplementationName << "\">\n"
        << "      <service name=\"" << calcAddInServiceName << "\"/>\n"
        << "      <service name=\"" << calcServiceName << "\"/>\n"
        << "    </implementation>\n  </component>\n</components>\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: write-uno-bindings OUTPUT_DIR LIBRARY_FILE_NAME\n");
        return 2;
    }
    const std::string dir = argv[1];
    const std::vector<TableFunction> functions = tableFunctions();
    std::printf("write-uno-bindings: %zu functions into %s\n", functions.size(), dir.c_str());
    writeIdl(functions, dir + "/thermodynamic_properties.idl");
    writeMethods(functions, dir + "/addin_methods.inc");
    writeDispatch(functions, dir + "/worksheet_dispatch.inc");
    writeComponents(argv[2], dir + "/korva-calc.components");
    return 0;
}
