#!/usr/bin/env python3
"""What scripts/mutate.sh needs done in Python: the rows of a fault list, a fault put into its
file, and which tests a fault in a file can reach.

  mutants.py rows LIST [NAME-REGEX]      checks every row, prints the chosen ones, fields split
                                         by \x1f
  mutants.py apply FILE PATTERN REPLACEMENT
  mutants.py reach BUILD                 maps the tests to the sources they are built from
  mutants.py order BUILD FILE [TEST...]  the tests FILE reaches: TESTs first, then the quickest
"""
import json, os, re, subprocess, sys

SEP = " @@ "


def fail(message):
    sys.exit(message)


def hits(path, pattern):
    with open(path, encoding="utf-8") as f:
        lines = f.readlines()
    return lines, [i for i, line in enumerate(lines) if re.search(pattern, line)]


def rows(listing, chosen=""):
    """Every row must name a file whose one line its pattern matches, and be named once."""
    problems, names, picked = [], set(), []
    with open(listing, encoding="utf-8") as f:
        entries = [line.rstrip("\n") for line in f if line.strip() and not line.startswith("#")]
    for entry in entries:
        fields = entry.split(SEP)
        if len(fields) not in (4, 5):
            problems.append(f"not four or five fields: {entry}")
            continue
        name, path, pattern = fields[:3]
        if name in names:
            problems.append(f"{name}: listed twice")
        names.add(name)
        if not os.path.isfile(path):
            problems.append(f"{name}: no file {path}")
            continue
        found = len(hits(path, pattern)[1])
        if found != 1:
            problems.append(f"{name}: /{pattern}/ matches {found} lines of {path}, not one")
        if re.search(chosen, name):
            picked.append("\x1f".join(fields + [""] * (5 - len(fields))))
    if problems:
        fail("\n".join(problems))
    print("\n".join(picked))


def apply(path, pattern, replacement):
    lines, found = hits(path, pattern)
    if len(found) != 1:
        fail(f"{path}: /{pattern}/ matches {len(found)} lines, not one")
    line = lines[found[0]]
    match = re.search(pattern, line)
    lines[found[0]] = line[: match.start()] + replacement + line[match.end():]
    if lines[found[0]] == line:
        fail(f"{path}: the replacement changes nothing")
    with open(path, "w", encoding="utf-8") as f:
        f.writelines(lines)


def ninja(build, *tool):
    return subprocess.run(["ninja", "-C", build, "-t", *tool], check=True, text=True,
                          capture_output=True).stdout.splitlines()


def reach(build):
    """For each test, the files of the build it runs (its program, a preloaded library, the
    programs it starts, named in its executable) and the sources they are built from."""
    build = os.path.abspath(build)
    top = os.path.dirname(build)
    built = {os.path.join(build, line.split(":")[0]) for line in ninja(build, "targets", "all")}
    headers, obj = {}, None
    for line in ninja(build, "deps"):
        if line and not line[0].isspace():
            obj = line.split(":")[0]
        elif line.strip():
            headers.setdefault(obj, []).append(line.strip())
    costs = {}
    cost_file = os.path.join(build, "Testing/Temporary/CTestCostData.txt")
    for line in open(cost_file, encoding="utf-8") if os.path.exists(cost_file) else []:
        words = line.split()
        if len(words) == 3:
            costs[words[0]] = float(words[2])
    listing = json.loads(subprocess.run(["ctest", "--test-dir", build, "--show-only=json-v1"],
                                        check=True, text=True, capture_output=True).stdout)
    tests = {}
    for test in listing["tests"]:
        words = list(test.get("command", []))
        for prop in test.get("properties", []):
            if prop["name"] == "ENVIRONMENT":
                words += [value.split("=", 1)[1] for value in prop["value"]]
        for word in list(words):
            if word in built and os.access(word, os.X_OK):
                words += subprocess.run(["strings", "-a", word], text=True,
                                        capture_output=True).stdout.split()
        files = sorted({os.path.relpath(w, build) for w in words if w in built})
        sources = set()
        for path in ninja(build, "inputs", *files) if files else []:
            for source in [path] + headers.get(path, []):
                source = os.path.relpath(os.path.realpath(os.path.join(build, source)), top)
                if not source.startswith(("..", "build")):
                    sources.add(source)
        tests[test["name"]] = {"files": files, "sources": sorted(sources),
                               "seconds": costs.get(test["name"], 0.0)}
    with open(os.path.join(build, "mutate-reach.json"), "w", encoding="utf-8") as f:
        json.dump(tests, f)


def order(build, path, first):
    with open(os.path.join(build, "mutate-reach.json"), encoding="utf-8") as f:
        tests = json.load(f)
    reached = [name for name, test in tests.items() if path in test["sources"]]
    reached.sort(key=lambda name: (name not in first, tests[name]["seconds"]))
    for name in reached:
        print(name + "\t" + " ".join(tests[name]["files"]))


if __name__ == "__main__":
    command, arguments = sys.argv[1], sys.argv[2:]
    if command == "rows":
        rows(*arguments)
    elif command == "apply":
        apply(*arguments)
    elif command == "reach":
        reach(*arguments)
    elif command == "order":
        order(arguments[0], arguments[1], arguments[2:])
    else:
        fail(__doc__)
