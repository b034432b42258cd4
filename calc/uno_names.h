#pragma once

// The names under which LibreOffice knows the component. Calc writes an add-in
// call into a file as the service name, a dot and the method name
// (of:=ORG.KORVA.CALC.THERMODYNAMICPROPERTIES.PSAT(25;1)), so renaming the
// service breaks every saved workbook.
inline constexpr const char* calcServiceName = "org.korva.calc.ThermodynamicProperties";
inline constexpr const char* calcImplementationName = "org.korva.calc.ThermodynamicPropertiesAddIn";
// Every implementation of this service is offered to Calc as an add-in.
inline constexpr const char* calcAddInServiceName = "com.sun.star.sheet.AddIn";

// The interface that carries the nineteen functions, as the type library names it.
inline constexpr const char* calcInterfaceModule = "org::korva::calc";
inline constexpr const char* calcInterfaceName = "XThermodynamicProperties";
