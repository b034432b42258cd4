// The two entry points LibreOffice looks up in a component library: the
// environment it was built for and the factory of its one implementation.
#include <uno/lbnames.h>

#include <com/sun/star/lang/XSingleComponentFactory.hpp>
#include <cppuhelper/factory.hxx>
#include <cstring>

#include "calc/calc_addin.h"
#include "calc/uno_names.h"

extern "C" SAL_DLLPUBLIC_EXPORT void SAL_CALL component_getImplementationEnvironment(
    const char** environmentTypeName, uno_Environment** /*environment*/) {
    *environmentTypeName = CPPU_CURRENT_LANGUAGE_BINDING_NAME;
}

extern "C" SAL_DLLPUBLIC_EXPORT void* SAL_CALL component_getFactory(const char* implementationName,
                                                                    void* /*serviceManager*/,
                                                                    void* /*registryKey*/) {
    if (implementationName == nullptr ||
        std::strcmp(implementationName, calcImplementationName) != 0) {
        return nullptr;
    }
    const css::uno::Reference<css::lang::XSingleComponentFactory> factory =
        cppu::createSingleComponentFactory(createCalcAddIn,
                                           rtl::OUString::createFromAscii(calcImplementationName),
                                           calcAddInServiceNames());
    // The caller takes over one reference.
    factory->acquire();
    return factory.get();
}
