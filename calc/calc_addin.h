#pragma once

#include <com/sun/star/uno/Reference.hxx>
#include <com/sun/star/uno/Sequence.hxx>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <com/sun/star/uno/XInterface.hpp>
#include <rtl/ustring.hxx>

// A new instance of the Calc add-in; LibreOffice's component factory calls it.
css::uno::Reference<css::uno::XInterface> SAL_CALL
createCalcAddIn(const css::uno::Reference<css::uno::XComponentContext>& context);

// The services the add-in implements: Calc's add-in service and our own.
css::uno::Sequence<rtl::OUString> calcAddInServiceNames();
