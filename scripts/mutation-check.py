#!/usr/bin/env python3
"""Mutation check: how many deliberate faults in the product the test suite catches.

Each line of the mutant file (default scripts/mutants.txt) names one fault:
    id <TAB> file <TAB> text as it stands <TAB> text to put in its place <TAB> what it breaks
The text must stand exactly once in the file. Each fault is put into a scratch copy of the
working tree (never into the tree itself), the copy is built and CTest runs until its first
failure. A fault is caught when the build or a test fails to build or fails; a fault whose copy
does not compile is reported apart and counts as neither.

    scripts/mutation-check.py [--mutants FILE] [--work DIR] [--only ID,ID] [--jobs N] [--check]

Prints one line a fault and the totals; writes the same to DIR/results.txt.
"""
import argparse
import os
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def read_mutants(path):
    mutants = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 5:
                sys.exit(f"{path}:{number}: expected 5 TAB-separated fields, got {len(fields)}")
            ident, file, before, after, why = fields
            unescape = lambda s: s.replace("\\t", "\t").replace("\\n", "\n")
            mutants.append((ident, file, unescape(before), unescape(after), why))
    return mutants


def run(command, cwd, log, timeout=None):
    with open(log, "ab") as out:
        try:
            return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            return 124


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--mutants", default=os.path.join(ROOT, "scripts", "mutants.txt"))
    parser.add_argument("--work", default="/tmp/fennick-mutants")
    parser.add_argument("--only", default="")
    parser.add_argument("--jobs", default=str(os.cpu_count() or 2))
    parser.add_argument("--check", action="store_true",
                        help="only check that each fault's text stands once in its file")
    args = parser.parse_args()

    mutants = read_mutants(args.mutants)
    if args.only:
        wanted = set(args.only.split(","))
        mutants = [m for m in mutants if m[0] in wanted]
    source = os.path.join(args.work, "src")
    build = os.path.join(args.work, "build")
    log = os.path.join(args.work, "log.txt")
    os.makedirs(args.work, exist_ok=True)
    # A scratch copy of the tree as it stands (tracked and new files alike, no build folders).
    if os.path.exists(source):
        shutil.rmtree(source)
    files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=ROOT,
                           capture_output=True, text=True, check=True).stdout.split("\n")
    for name in filter(None, files):
        target = os.path.join(source, name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copy2(os.path.join(ROOT, name), target)

    idents = [m[0] for m in mutants]
    if len(set(idents)) != len(idents):
        sys.exit("two faults share an id")
    for ident, file, before, after, _ in mutants:
        with open(os.path.join(source, file), encoding="utf-8") as f:
            count = f.read().count(before)
        if count != 1:
            sys.exit(f"{ident}: the text stands {count} times in {file}, not once")
        if before == after:
            sys.exit(f"{ident}: the fault changes nothing")
    if args.check:
        layers = {}
        for _, file, _, _, _ in mutants:
            layers[file.split("/")[0]] = layers.get(file.split("/")[0], 0) + 1
        print(f"{len(mutants)} faults, each standing once:",
              ", ".join(f"{k} {v}" for k, v in sorted(layers.items())))
        return

    configure = ["cmake", "-S", source, "-B", build, "-G", "Ninja",
                 "-DCMAKE_BUILD_TYPE=RelWithDebInfo"]
    if run(configure, source, log) or run(["cmake", "--build", build, "-j", args.jobs], source, log):
        sys.exit(f"the unchanged tree does not build; see {log}")
    if run(["ctest", "--test-dir", build, "-j", args.jobs], source, log):
        sys.exit(f"the unchanged tree does not pass its tests; see {log}")

    results, caught, survived, broken = [], 0, 0, 0
    for ident, file, before, after, why in mutants:
        path = os.path.join(source, file)
        with open(path, encoding="utf-8") as f:
            original = f.read()
        started = time.time()
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original.replace(before, after, 1))
            if run(["cmake", "--build", build, "-j", args.jobs], source, log):
                verdict = "does-not-compile"
                broken += 1
            elif run(["ctest", "--test-dir", build, "-j", args.jobs, "--stop-on-failure",
                      "--timeout", "300"], source, log):
                verdict = "caught"
                caught += 1
            else:
                verdict = "SURVIVED"
                survived += 1
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
        line = f"{ident}\t{verdict}\t{time.time() - started:.0f}s\t{file}\t{why}"
        print(line, flush=True)
        results.append(line)
    # Leave the copy built as it stands.
    run(["cmake", "--build", build, "-j", args.jobs], source, log)
    total = f"caught {caught} of {caught + survived} (survived {survived}, not compiled {broken})"
    print(total)
    with open(os.path.join(args.work, "results.txt"), "w", encoding="utf-8") as f:
        f.write("\n".join(results + [total]) + "\n")


if __name__ == "__main__":
    main()
