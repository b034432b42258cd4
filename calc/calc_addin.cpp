#include "calc/calc_addin.h"

#include <com/sun/star/lang/Locale.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/lang/XServiceName.hpp>
#include <com/sun/star/sheet/XAddIn.hpp>
#include <cppuhelper/implbase4.hxx>
#include <cppuhelper/supportsservice.hxx>
#include <mutex>
#include <org/korva/calc/XThermodynamicProperties.hpp>
#include <vector>

#include "calc/table_functions.h"
#include "calc/uno_names.h"
#include "worksheet/worksheet_functions.h"

namespace {

// Every worksheet function answers through the one static result record, so
// a call and the read of its number must not overlap with another call. Calc
// may evaluate cells on several threads and macros may call in from others.
std::mutex worksheetCallMutex;

rtl::OUString textOf(const char* ascii) { return rtl::OUString::createFromAscii(ascii); }

const char* categoryName() { return AddInTitle + 1; }  // past the length byte

class CalcAddIn
    : public cppu::WeakImplHelper4<org::korva::calc::XThermodynamicProperties, css::sheet::XAddIn,
                                   css::lang::XServiceName, css::lang::XServiceInfo> {
  public:
    CalcAddIn() : functions_(tableFunctions()) {}

    // The nineteen functions, one per table entry: the worksheet function's
    // own code, read out of its result record.
#include "addin_methods.inc"

    rtl::OUString SAL_CALL getProgrammaticFuntionName(const rtl::OUString& displayName) override {
        const TableFunction* f = find(displayName);
        return f != nullptr ? textOf(f->head->name) : rtl::OUString();
    }

    rtl::OUString SAL_CALL getDisplayFunctionName(const rtl::OUString& name) override {
        const TableFunction* f = find(name);
        return f != nullptr ? textOf(f->head->name) : rtl::OUString();
    }

    rtl::OUString SAL_CALL getFunctionDescription(const rtl::OUString& name) override {
        const TableFunction* f = find(name);
        return f != nullptr ? textOf(f->head->help) : rtl::OUString();
    }

    rtl::OUString SAL_CALL getDisplayArgumentName(const rtl::OUString& name,
                                                  sal_Int32 argument) override {
        const RegistrationEntry* row = argumentRow(name, argument);
        return row != nullptr ? textOf(row->name) : rtl::OUString();
    }

    rtl::OUString SAL_CALL getArgumentDescription(const rtl::OUString& name,
                                                  sal_Int32 argument) override {
        const RegistrationEntry* row = argumentRow(name, argument);
        return row != nullptr ? textOf(row->help) : rtl::OUString();
    }

    rtl::OUString SAL_CALL getProgrammaticCategoryName(const rtl::OUString& name) override {
        return find(name) != nullptr ? textOf(categoryName()) : rtl::OUString();
    }

    rtl::OUString SAL_CALL getDisplayCategoryName(const rtl::OUString& name) override {
        return getProgrammaticCategoryName(name);
    }

    // The texts exist in one language only; the locale is kept because Calc
    // sets it and may read it back.
    void SAL_CALL setLocale(const css::lang::Locale& locale) override { locale_ = locale; }
    css::lang::Locale SAL_CALL getLocale() override { return locale_; }

    rtl::OUString SAL_CALL getServiceName() override { return textOf(calcServiceName); }

    rtl::OUString SAL_CALL getImplementationName() override {
        return textOf(calcImplementationName);
    }
    sal_Bool SAL_CALL supportsService(const rtl::OUString& name) override {
        return static_cast<sal_Bool>(cppu::supportsService(this, name));
    }
    css::uno::Sequence<rtl::OUString> SAL_CALL getSupportedServiceNames() override {
        return calcAddInServiceNames();
    }

  private:
    template <typename... Arguments>
    static double answer(XLOPER* (*function)(Arguments...), Arguments... arguments) {
        const std::lock_guard<std::mutex> lock(worksheetCallMutex);
        return function(arguments...)->val.num;
    }

    [[nodiscard]] const TableFunction* find(const rtl::OUString& name) const {
        const rtl::OString ascii = rtl::OUStringToOString(name, RTL_TEXTENCODING_ASCII_US);
        return findTableFunction(functions_, std::string_view(ascii.getStr(), ascii.getLength()));
    }

    [[nodiscard]] const RegistrationEntry* argumentRow(const rtl::OUString& name,
                                                       sal_Int32 argument) const {
        const TableFunction* f = find(name);
        if (f == nullptr || argument < 0 || argument >= f->argumentCount) {
            return nullptr;
        }
        return &f->argument(argument);
    }

    std::vector<TableFunction> functions_;
    css::lang::Locale locale_;
};

}  // namespace

css::uno::Reference<css::uno::XInterface> SAL_CALL
createCalcAddIn(const css::uno::Reference<css::uno::XComponentContext>& /*context*/) {
    return static_cast<cppu::OWeakObject*>(new CalcAddIn);
}

css::uno::Sequence<rtl::OUString> calcAddInServiceNames() {
    css::uno::Sequence<rtl::OUString> names(2);
    rtl::OUString* name = names.getArray();
    name[0] = textOf(calcAddInServiceName);
    name[1] = textOf(calcServiceName);
    return names;
}
