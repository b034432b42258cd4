#!/usr/bin/python3
"""Calc computes our functions with the spreadsheet add-in's numbers.

Installs the extension into a throw-away profile and shared cache, loads a
generated flat spreadsheet whose cells call every function of the registration
table over a grid of states in every unit code (in-window and far outside),
recalculates it in headless LibreOffice and compares each cell, as a double,
with what the add-in's worksheet function answers for the same call. Then
checks the function list Calc shows, the add-in's own name queries, a few
published check values, and that the sample workbook computes.

Every LibreOffice process started here is ended by its own process id.
Run with /usr/bin/python3 (the interpreter the UNO bridge is built for).
"""

import argparse
import json
import math
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import xml.sax.saxutils
import zipfile

import uno  # pylint: disable=import-error
from com.sun.star.beans import PropertyValue  # pylint: disable=import-error
from com.sun.star.connection import NoConnectException  # pylint: disable=import-error

PROFILE_FIRST_START = 81  # soffice.bin's exit code after it created a profile: start it again
NOT_FINITE_ERROR = 503  # Calc's "invalid floating point operation", shown as #NUM!
DEADLINE_SECONDS = 240  # the whole test; a hung office is ended before ctest's own timeout

# Inputs, each used with every unit code: in every unit system some fall in
# the functions' windows and some far outside them (below absolute zero,
# below the triple point, above the critical point, negative or zero volumes
# and pressures, enthalpies and entropies beyond the solvers' limits).
UNIT_CODES = [0, 1, 2, 3, 4, 5, 6, 7, 8, -1, 1000]
TEMPERATURES = [-500.0, -459.67, -273.15, -200.0, -120.0, -40.0, 0.0, 25.0, 77.0, 100.0,
                150.0, 165.0, 168.66, 200.0, 250.0, 300.0, 441.81, 500.0, 800.0, 2000.0]
FEW_TEMPERATURES = [-300.0, -100.0, 0.0, 25.0, 60.0, 150.0, 300.0, 441.81, 700.0]
PRESSURES = [-50.0, 0.0, 1e-9, 0.001, 0.1, 0.5, 1.0, 5.0, 14.696, 18.69, 50.0, 100.0,
             271.0755317613, 1000.0, 1869.0, 5000.0, 1e7]
FEW_PRESSURES = [-20.0, 0.0, 0.01, 1.0, 10.0, 14.696, 100.0, 1869.0, 1e6]
VOLUMES = [-0.01, 0.0, 1e-5, 0.0006, 0.0016479752001090143, 0.01, 0.1, 1.0, 20.0, 1e9]
ENTHALPIES = [-100.0, -1.0, 0.0, 40.0, 86.0, 150.0, 200.0, 250.0, 251.0, 400.0, 1e5]
ENTROPIES = [-1.0, 0.0, 0.2, 0.24, 0.8, 1.0, 1.5, 2.0, 5.0, 5.5, 100.0]

ONE_STATE_INPUTS = {"Ts": TEMPERATURES, "Ps": PRESSURES}
TWO_STATE_INPUTS = {"T": FEW_TEMPERATURES, "V": VOLUMES, "P": FEW_PRESSURES,
                    "H": ENTHALPIES, "S": ENTROPIES}

# Published check values (the functions' limits and the reference state),
# typed as Calc formulas: a method wired to the wrong worksheet function in
# both the component and the reference program would pass the comparison
# with the reference program, but not these.
CHECK_VALUES = [
    ("Psat", [200.0], 1, 18.69, 1e-12),
    ("Psat", [150.0], 7, 0.000231453352054, 1e-12),
    ("Tsat", [0.0], 7, 165.0, 1e-12),
    ("Tsat", [20.0], 1, 168.66, 1e-12),
    ("Vf", [500.0], 7, 0.0016479752001090143, 1e-12),
    ("Hf", [0.0], 1, 200.0, 5e-4),
    ("Sf", [0.0], 1, 1.0, 5e-4),
    ("TofPH", [100.0, -1.0], 7, 165.0, 1e-12),
    ("TofPH", [100.0, -1.0], 1, -108.15, 1e-12),
]


def fail(message):
    print("calc end-to-end: FAILED: " + message, file=sys.stderr)
    sys.exit(1)


def progress(message):
    print("calc end-to-end: " + message, flush=True)


def column_name(index):
    name = ""
    index += 1
    while index > 0:
        index, rest = divmod(index - 1, 26)
        name = chr(ord("A") + rest) + name
    return name


class Office:
    """One throw-away LibreOffice installation: profile, shared cache, processes."""

    def __init__(self, program_dir, work_dir):
        self.program_dir = program_dir
        self.work_dir = work_dir
        self.env_args = [
            "-env:UserInstallation=" + uno.systemPathToFileUrl(os.path.join(work_dir, "profile")),
            "-env:UNO_SHARED_PACKAGES_CACHE=" + uno.systemPathToFileUrl(os.path.join(work_dir, "cache")),
        ]
        self.env = dict(os.environ, SAL_ENABLE_FILE_LOCKING="1", SAL_USE_VCLPLUGIN="svp")
        self.process = None
        self.pipe = f"korva-calc-test-{os.getpid()}"
        self.log = open(os.path.join(work_dir, "office.log"), "ab")  # pylint: disable=consider-using-with

    def _run(self, command, what, timeout):
        """Runs one office program to its end; ends it by its id if it hangs."""
        process = subprocess.Popen(command, env=self.env, stdout=subprocess.PIPE,
                                   stderr=subprocess.STDOUT, cwd=self.work_dir)
        try:
            output, _ = process.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            process.kill()
            process.communicate()
            fail(f"{what} did not finish in {timeout} s (process {process.pid} killed)")
        return process.returncode, output.decode(errors="replace")

    def soffice_args(self):
        return [os.path.join(self.program_dir, "soffice.bin"), "--headless", "--invisible",
                "--norestore", "--nologo", "--nodefault", "--nolockcheck"] + self.env_args

    def create_profile(self):
        # A profile must exist before the extension goes in, or the first real
        # start drops the extension; a profile's first start ends with code 81.
        for _ in range(3):
            code, output = self._run(self.soffice_args() + ["--terminate_after_init"],
                                     "creating the profile", 60)
            if code == 0:
                return
            if code != PROFILE_FIRST_START:
                fail(f"soffice.bin --terminate_after_init exited with {code}:\n{output}")
        fail("soffice.bin kept asking to be restarted while creating the profile")

    def install(self, oxt):
        code, output = self._run([os.path.join(self.program_dir, "unopkg"), "add", "--shared",
                                  "--suppress-license", os.path.abspath(oxt)] + self.env_args,
                                 "unopkg add", 120)
        if code != 0:
            fail(f"unopkg add {oxt} exited with {code}:\n{output}")
        code, output = self._run([os.path.join(self.program_dir, "unopkg"), "list", "--shared"]
                                 + self.env_args, "unopkg list", 60)
        if "org.korva.calc" not in output or "is registered: yes" not in output.lower():
            fail(f"the extension is not registered after unopkg add:\n{output}")

    def start(self):
        """Starts the office listening on a pipe of its own and connects to it."""
        pipe = self.pipe
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        # The first start after an extension went in ends with code 81 once.
        for _ in range(3):
            self.process = subprocess.Popen(
                self.soffice_args() + [f"--accept=pipe,name={pipe};urp;StarOffice.ComponentContext"],
                env=self.env, stdout=self.log, stderr=subprocess.STDOUT, cwd=self.work_dir)
            deadline = time.monotonic() + 60
            while self.process.poll() is None:
                try:
                    return resolver.resolve(f"uno:pipe,name={pipe};urp;StarOffice.ComponentContext")
                except NoConnectException:
                    if time.monotonic() > deadline:
                        fail("soffice.bin did not accept a connection within 60 s")
                    time.sleep(0.2)
            if self.process.returncode != PROFILE_FIRST_START:
                fail(f"soffice.bin exited with {self.process.returncode} before accepting a connection")
        fail("soffice.bin kept asking to be restarted")

    def stop(self, desktop=None):
        if self.process is not None and self.process.poll() is None:
            if desktop is not None:
                try:
                    desktop.terminate()
                except Exception:  # pylint: disable=broad-except
                    pass  # the bridge goes down with the office; the wait below decides
            try:
                self.process.wait(timeout=20)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()
        # The office leaves its named pipe behind in /tmp.
        leftover = f"/tmp/OSL_PIPE_{os.getuid()}_{self.pipe}"
        if os.path.exists(leftover):
            os.remove(leftover)


def learn_types(oxt, work_dir):
    """Teaches this process the extension's types, so the bridge can hand us the add-in itself."""
    with zipfile.ZipFile(oxt) as package:
        libraries = [n for n in package.namelist() if n.endswith(".rdb")]
        if len(libraries) != 1:
            fail(f"{oxt} holds {len(libraries)} type libraries, expected one")
        path = package.extract(libraries[0], os.path.join(work_dir, "types"))
    local = uno.getComponentContext()
    manager = local.getValueByName("/singletons/com.sun.star.reflection.theTypeDescriptionManager")
    manager.insert(uno.systemPathToFileUrl(path))


def load(desktop, path):
    hidden = PropertyValue()
    hidden.Name = "Hidden"
    hidden.Value = True
    document = desktop.loadComponentFromURL(uno.systemPathToFileUrl(os.path.abspath(path)),
                                            "_blank", 0, (hidden,))
    if document is None:
        fail(f"LibreOffice could not load {path}")
    return document


def build_calls(table):
    """Every function of the table over its inputs, in every unit code."""
    calls = []
    for function in table["functions"]:
        names = [argument["name"] for argument in function["arguments"]]
        if names[-1] != "units":
            fail(f"{function['name']}: the last argument is {names[-1]}, not units")
        states = names[:-1]
        if len(states) == 1:
            grids = [(x,) for x in ONE_STATE_INPUTS[states[0]]]
        else:
            grids = [(x, y) for x in TWO_STATE_INPUTS[states[0]] for y in TWO_STATE_INPUTS[states[1]]]
        for units in UNIT_CODES:
            for state in grids:
                calls.append((function["name"], units, state))
    return calls


def write_fods(path, service, calls):
    """A flat spreadsheet: name, units, x, y, then the cell that calls the add-in."""
    rows = []
    for row, (name, units, state) in enumerate(calls, start=1):
        cells = [f'<table:table-cell office:value-type="string"><text:p>{name}</text:p></table:table-cell>']
        for value in (float(units),) + state:
            cells.append(f'<table:table-cell office:value-type="float" office:value="{value!r}"/>')
        if len(state) == 1:
            cells.append("<table:table-cell/>")
        arguments = ";".join(f"[.{column_name(2 + i)}{row}]" for i in range(len(state)))
        formula = f"of:={service.upper()}.{name.upper()}({arguments};[.B{row}])"
        cells.append(f'<table:table-cell table:formula={xml.sax.saxutils.quoteattr(formula)}/>')
        rows.append("<table:table-row>" + "".join(cells) + "</table:table-row>")
    with open(path, "w", encoding="utf-8") as out:
        out.write(
            '<?xml version="1.0" encoding="UTF-8"?>\n'
            '<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"'
            ' xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"'
            ' xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"'
            ' xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"'
            ' office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">\n'
            '<office:body><office:spreadsheet><table:table table:name="calls">\n')
        out.write("\n".join(rows))
        out.write("\n</table:table></office:spreadsheet></office:body></office:document>\n")


def reference_values(reference, calls):
    """The add-in's answers for the given calls, read back as doubles."""
    lines = "".join(f"{name} {units} " + " ".join(repr(x) for x in state) + "\n"
                    for name, units, state in calls)
    result = subprocess.run([reference, "calls"], input=lines, capture_output=True, text=True, check=False)
    if result.returncode != 0:
        fail(f"{reference} calls failed:\n{result.stderr}")
    values = [float(line) for line in result.stdout.split()]
    if len(values) != len(calls):
        fail(f"{reference} answered {len(values)} of {len(calls)} calls")
    return values


def same_double(a, b):
    return a == b and math.copysign(1.0, a) == math.copysign(1.0, b)


def error_cells(sheet, area):
    """Addresses (column, row) of the formula cells in the area whose result is an error."""
    from com.sun.star.sheet.FormulaResult import ERROR  # pylint: disable=import-error,import-outside-toplevel
    found = set()
    ranges = sheet.getCellRangeByName(area).queryFormulaCells(ERROR)
    for address in ranges.getRangeAddresses():
        for row in range(address.StartRow, address.EndRow + 1):
            for column in range(address.StartColumn, address.EndColumn + 1):
                found.add((column, row))
    return found


def describe(name, units, state):
    return f"{name}(" + ", ".join(f"{x:.17g}" for x in state) + f", {units})"


def check_calls(document, reference, calls):
    """Every result cell equals the add-in's number, or is an error where that number is not finite."""
    sheet = document.Sheets.getByIndex(0)
    area = f"A1:E{len(calls)}"
    data = sheet.getCellRangeByName(area).getDataArray()
    errors = error_cells(sheet, area)
    # The inputs as Calc holds them: the add-in is asked exactly what Calc asked.
    asked = []
    for row, (name, _, state) in enumerate(calls):
        line = data[row]
        if line[0] != name:
            fail(f"row {row + 1} holds {line[0]!r}, expected {name!r}")
        asked.append((name, int(line[1]), tuple(float(v) for v in line[2:2 + len(state)])))
    misread = sum(1 for a, c in zip(asked, calls) if a[2] != c[2])
    if misread:
        progress(f"note: Calc read {misread} input cells differently from their written decimal; "
                 "the add-in is asked the values Calc read")
    expected = reference_values(reference, asked)
    mismatches = []
    error_codes = {}
    for row, ((name, units, state), want) in enumerate(zip(asked, expected)):
        is_error = (4, row) in errors
        if math.isfinite(want):
            got = data[row][4]
            if is_error or not isinstance(got, float) or not same_double(got, want):
                shown = "an error" if is_error else (f"{got:.17g}" if isinstance(got, float) else repr(got))
                mismatches.append(f"row {row + 1}: {describe(name, units, state)}: Calc {shown}, add-in {want:.17g}")
        else:
            # Calc holds no non-finite numbers: a NaN or infinity answered by
            # the add-in must show as #NUM! in the cell, never as some number.
            code = sheet.getCellByPosition(4, row).getError() if is_error else 0
            if code != NOT_FINITE_ERROR:
                shown = f"error {code}" if is_error else f"the number {data[row][4]!r}"
                mismatches.append(f"row {row + 1}: {describe(name, units, state)}: add-in {want!r}, "
                                  f"Calc shows {shown} instead of error {NOT_FINITE_ERROR} (#NUM!)")
            error_codes.setdefault(repr(want), []).append(describe(name, units, state))
    if mismatches:
        fail(f"{len(mismatches)} of {len(calls)} cells differ from the add-in:\n" + "\n".join(mismatches[:40]))
    finite = sum(1 for v in expected if math.isfinite(v))
    progress(f"{len(calls)} cells equal the add-in's answers: {finite} numbers, "
             f"{len(calls) - finite} non-finite answers shown as #NUM!")
    for value, where in sorted(error_codes.items()):
        progress(f"  add-in {value} in {len(where)} cells, e.g. {where[0]}")
    return expected


def check_function_list(context, table):
    """Calc's function list holds every table function with the table's texts."""
    descriptions = context.ServiceManager.createInstanceWithContext(
        "com.sun.star.sheet.FunctionDescriptions", context)
    listed = {}
    for index in range(descriptions.getCount()):
        entry = {prop.Name: prop.Value for prop in descriptions.getByIndex(index)}
        listed[entry["Name"]] = entry
    problems = []
    for function in table["functions"]:
        name = function["name"].upper()
        entry = listed.get(name)
        if entry is None:
            problems.append(f"{name} is not in Calc's function list")
            continue
        if entry["Description"] != function["help"]:
            problems.append(f"{name}: description {entry['Description']!r}, table {function['help']!r}")
        shown = [(a.Name, a.Description) for a in entry["Arguments"]]
        wanted = [(a["name"], a["help"]) for a in function["arguments"]]
        if shown != wanted:
            problems.append(f"{name}: arguments {shown}, table {wanted}")
    if problems:
        fail("the function list does not match the registration table:\n" + "\n".join(problems))
    progress(f"Calc's function list shows all {len(table['functions'])} functions with the table's texts")


def check_addin_names(context, table):
    """The component's own answers: service, category, and names both ways."""
    addin = context.ServiceManager.createInstanceWithContext(table["service"], context)
    if addin is None:
        fail(f"the service {table['service']} cannot be created")
    problems = []
    if addin.getServiceName() != table["service"]:
        problems.append(f"service name {addin.getServiceName()!r}")
    if not addin.supportsService("com.sun.star.sheet.AddIn"):
        problems.append("does not report the service com.sun.star.sheet.AddIn")
    for function in table["functions"]:
        name = function["name"]
        for query in (addin.getProgrammaticCategoryName, addin.getDisplayCategoryName):
            if query(name) != table["category"]:
                problems.append(f"{name}: category {query(name)!r}")
        if addin.getDisplayFunctionName(name) != name or addin.getProgrammaticFuntionName(name.upper()) != name:
            problems.append(f"{name}: display/programmatic names {addin.getDisplayFunctionName(name)!r}, "
                            f"{addin.getProgrammaticFuntionName(name.upper())!r}")
        count = len(function["arguments"])
        if addin.getDisplayArgumentName(name, count) != "" or addin.getArgumentDescription(name, -1) != "":
            problems.append(f"{name}: an argument index out of range gives a text")
    if addin.getFunctionDescription("NoSuchFunction") != "":
        problems.append("an unknown function has a description")
    if problems:
        fail("the add-in's names:\n" + "\n".join(problems))
    progress(f"the add-in names its service and the category {table['category']!r}")


def check_published_values(document):
    sheet = document.Sheets.getByIndex(0)
    problems = []
    for row, (name, state, units, want, tolerance) in enumerate(CHECK_VALUES):
        cell = sheet.getCellByPosition(0, row)
        arguments = ";".join(repr(x) for x in state)
        cell.setFormula(f"={name.upper()}({arguments};{units})")
        document.calculateAll()
        got = cell.getValue()
        if cell.getError() != 0 or abs(got - want) > tolerance * abs(want):
            problems.append(f"{name}({arguments}; {units}) typed as a formula: {got:.17g} "
                            f"(error {cell.getError()}), published {want!r}")
    if problems:
        fail("published check values:\n" + "\n".join(problems))
    progress(f"{len(CHECK_VALUES)} published check values hold, typed as =NAME(...) formulas")


def demo_call(sheet, formula, prefix, names):
    """(name, units, state) of a cell that is one call of ours, its arguments cells or numbers; else None."""
    if not formula.upper().startswith("=" + prefix) or formula.count("(") != 1:
        return None
    called = formula[len(prefix) + 1:formula.index("(")].upper()
    name = next((n for n in names if n.upper() == called), None)
    if name is None:
        fail(f"the sample workbook calls {called}, which the registration table does not have")
    inputs = []
    for argument in formula[formula.index("(") + 1:formula.rindex(")")].split(";"):
        try:
            inputs.append(float(argument))
        except ValueError:
            inputs.append(sheet.getCellRangeByName(argument.replace("$", "")).getCellByPosition(0, 0).getValue())
    return name, int(inputs[-1]), tuple(inputs[:-1])


def check_demo(document, reference, table):
    """The sample workbook computes: no error cells, each call as the add-in answers it."""
    prefix = table["service"].upper() + "."
    names = [f["name"] for f in table["functions"]]
    calls, cells = [], []
    for sheet in (document.Sheets.getByIndex(i) for i in range(document.Sheets.getCount())):
        cursor = sheet.createCursor()
        cursor.gotoEndOfUsedArea(False)
        area = f"A1:{column_name(cursor.RangeAddress.EndColumn)}{cursor.RangeAddress.EndRow + 1}"
        errors = error_cells(sheet, area)
        if errors:
            column, row = sorted(errors)[0]
            fail(f"the sample workbook has {len(errors)} error cells on sheet {sheet.Name}, "
                 f"e.g. {column_name(column)}{row + 1}")
        for row, line in enumerate(sheet.getCellRangeByName(area).getFormulaArray()):
            for column, formula in enumerate(line):
                call = demo_call(sheet, formula, prefix, names)
                if call is not None:
                    calls.append(call)
                    cells.append((sheet.Name, column, row, sheet.getCellByPosition(column, row).getValue()))
    if not calls:
        fail("the sample workbook calls none of the functions")
    for call, (sheet_name, column, row, got), want in zip(calls, cells, reference_values(reference, calls)):
        if not same_double(got, want):
            fail(f"sample workbook {sheet_name}.{column_name(column)}{row + 1} {describe(*call)}: "
                 f"Calc {got:.17g}, add-in {want:.17g}")
    used = sorted({call[0] for call in calls})
    progress(f"the sample workbook computes without errors: {len(calls)} calls of {len(used)} functions "
             "equal the add-in's numbers")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--oxt", required=True)
    parser.add_argument("--reference", required=True, help="the korva-calc-reference program")
    parser.add_argument("--office", default="/usr/lib/libreoffice/program")
    parser.add_argument("--demo", help="a sample workbook that must compute without errors")
    parser.add_argument("--keep", action="store_true", help="keep the temporary profile and files")
    args = parser.parse_args()

    started = time.monotonic()
    table = json.loads(subprocess.run([args.reference, "table"], capture_output=True, text=True,
                                      check=True).stdout)
    work_dir = tempfile.mkdtemp(prefix="korva-calc-test-")
    office = Office(args.office, work_dir)
    desktop = None

    def give_up():
        print(f"calc end-to-end: FAILED: not done after {DEADLINE_SECONDS} s; ending the office",
              file=sys.stderr, flush=True)
        if office.process is not None and office.process.poll() is None:
            office.process.kill()
        shutil.rmtree(work_dir, ignore_errors=True)
        os._exit(1)  # pylint: disable=protected-access

    watchdog = threading.Timer(DEADLINE_SECONDS, give_up)
    watchdog.daemon = True
    watchdog.start()
    try:
        calls = build_calls(table)
        sheet_path = os.path.join(work_dir, "calls.fods")
        write_fods(sheet_path, table["service"], calls)
        progress(f"wrote {len(calls)} calls of {len(table['functions'])} functions to {sheet_path}")

        office.create_profile()
        office.install(args.oxt)
        progress(f"installed {os.path.basename(args.oxt)} into a temporary shared cache "
                 f"({time.monotonic() - started:.1f} s)")

        context = office.start()
        desktop = context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
        document = load(desktop, sheet_path)
        document.calculateAll()
        progress(f"loaded and recalculated ({time.monotonic() - started:.1f} s)")
        check_calls(document, args.reference, calls)
        document.close(True)

        check_function_list(context, table)
        learn_types(args.oxt, work_dir)
        check_addin_names(context, table)

        scratch = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, ())
        check_published_values(scratch)
        scratch.close(True)

        if args.demo:
            # A copy: the office leaves a lock file beside what it opens.
            demo_copy = os.path.join(work_dir, os.path.basename(args.demo))
            shutil.copyfile(args.demo, demo_copy)
            demo = load(desktop, demo_copy)
            demo.calculateAll()
            check_demo(demo, args.reference, table)
            demo.close(True)
    finally:
        watchdog.cancel()
        office.stop(desktop)
        if args.keep:
            progress(f"kept {work_dir}")
        else:
            shutil.rmtree(work_dir, ignore_errors=True)
    progress(f"passed in {time.monotonic() - started:.1f} s")


if __name__ == "__main__":
    main()
