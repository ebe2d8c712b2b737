#!/usr/bin/env python3
"""Reads what scripts/check-bundle.sh left, and fails on anything wrong.

    check-bundle-report.py <scratch folder> <the bundle's report folder>
"""

import os
import re
import sys
import xml.etree.ElementTree as ElementTree

SCRATCH, REPORT = sys.argv[1:3]
failures = []


def read(folder, name):
    with open(os.path.join(folder, name), encoding="utf-8-sig", errors="replace") as f:
        return f.read()


def check(condition, message):
    if not condition:
        failures.append(message)


# Without administrator rights: one line, and a failure.
unelevated = read(SCRATCH, "unelevated.txt").strip().splitlines()
check(read(SCRATCH, "unelevated-status.txt").strip() not in ("0", ""),
      "run-tests.cmd without administrator rights did not fail")
check(len(unelevated) == 1 and "administrator" in unelevated[0],
      "run-tests.cmd without administrator rights said: %r" % unelevated)

check(read(SCRATCH, "run-status.txt").strip() == "0",
      "run-tests.cmd failed:\n" + read(SCRATCH, "run.txt"))
# wmic's rows: name, type and state. Wine's wmic lists the drivers as
# services too, so under Wine the scan lists them and the resume run starts
# them; Windows' lists none, and they are left out here. So are the host
# processes Wine starts for drivers (Winedevice<n>), and Wine's Task
# Scheduler, which takes no stop request once sc has started it.
WINE_LEFTOVERS = {"Schedule"}


def services(name):
    states = {}
    for line in read(SCRATCH, name).splitlines():
        row = re.split(r"\s{2,}", line.strip())
        if len(row) == 3 and row[0] != "Name" and "Driver" not in row[1] \
                and not re.fullmatch(r"Winedevice\d+", row[0]) and row[0] not in WINE_LEFTOVERS:
            states[row[0]] = row[2]
    return states


before, after = services("services-before.txt"), services("services-after.txt")
check(before, "no service listed before the run")
check(before == after, "the run left the services otherwise than it found them: %s"
      % {n: (before.get(n), after.get(n)) for n in set(before) | set(after)
         if before.get(n) != after.get(n)})

# The tests --gtest_list_tests names: "Suite." lines, then "  Test" lines.
listed, suite = set(), ""
for line in read(SCRATCH, "listed.txt").splitlines():
    if line and not line.startswith(" ") and line.rstrip().endswith("."):
        suite = line.strip().split()[0]
    elif line.startswith("  ") and suite:
        listed.add(suite + line.strip().split()[0])
check(listed, "the test program listed no test")

results = {}
for case in ElementTree.parse(os.path.join(REPORT, "tests.xml")).iter("testcase"):
    name = case.get("classname") + "." + case.get("name")
    if case.find("failure") is not None:
        results[name] = "FAILED"
    elif case.find("skipped") is not None or case.get("result") == "skipped":
        skipped = case.find("skipped")
        reason = skipped.get("message", "").strip() if skipped is not None else ""
        results[name] = "skipped"
        check(reason, "%s skipped without a reason" % name)
    else:
        results[name] = "passed"
check(set(results) == listed,
      "the report's tests differ from the program's: missing %s, extra %s"
      % (sorted(listed - set(results)), sorted(set(results) - listed)))
check("FAILED" not in results.values(),
      "failed: %s" % [n for n, r in results.items() if r == "FAILED"])

summary = read(REPORT, "summary.txt")
for label in ("Windows:", "Edition:", "UAC:", "Elevation type of the tests:",
              "Desktop's shell runs as the same user:", "System DPI:", "Monitor DPIs:",
              "wmic on the search path:", "Media player:", "MIDI outputs:",
              "Default browser for https (ProgID):"):
    check(label in summary, "the summary lacks " + label)
for name, result in results.items():
    check("%s  %s" % (result, name) in summary, "the summary lacks %s's result" % name)
check("start-up, SpeeDRaiL, music" in read(REPORT, "startup.txt"),
      "no start-up table:\n" + read(REPORT, "startup.txt"))

skipped = sorted(n for n, r in results.items() if r == "skipped")
print("bundle: %d tests, %d skipped: %s" % (len(results), len(skipped), ", ".join(skipped)))
if failures:
    sys.exit("\n".join(failures))
