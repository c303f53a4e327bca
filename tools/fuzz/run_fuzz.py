#!/usr/bin/python3
"""Builds the fuzz targets with clang and runs each one for a bounded time.

Usage: run_fuzz.py [--seconds N] [--jobs N] [TARGET ...]

Each target starts from its committed seeds (tools/fuzz/corpus/<target>/)
and grows a working corpus in build/fuzz/corpus/<target>/, so the committed
seeds stay small. Crashes, leaks, timeouts and out-of-memory inputs land in
build/fuzz/findings/<target>/. Prints the CPU time and the executions of
each target and every finding; exits 1 when there is any.
FUZZ_SECONDS sets the default time per target (60).
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import time
from concurrent.futures import ThreadPoolExecutor

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
BUILD = os.path.join(ROOT, "build", "fuzz")
FINDING_PREFIXES = ("crash-", "leak-", "timeout-", "oom-", "slow-unit-")


def build():
    subprocess.run(["cmake", "-S", HERE, "-B", BUILD, "-DCMAKE_CXX_COMPILER=clang++"],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", BUILD, "-j", str(os.cpu_count() or 2)], check=True,
                   stdout=subprocess.DEVNULL)


def built_targets():
    seeds = os.path.join(HERE, "corpus")
    return [name for name in sorted(os.listdir(seeds))
            if os.path.exists(os.path.join(BUILD, name))]


def run_target(name, seconds):
    corpus = os.path.join(BUILD, "corpus", name)
    findings = os.path.join(BUILD, "findings", name)
    os.makedirs(corpus, exist_ok=True)
    os.makedirs(findings, exist_ok=True)
    seeds = os.path.join(HERE, "corpus", name)
    for seed in os.listdir(seeds):
        shutil.copyfile(os.path.join(seeds, seed), os.path.join(corpus, seed))
    log_path = os.path.join(BUILD, name + ".log")
    command = [os.path.join(BUILD, name), "-max_total_time=%d" % seconds, "-timeout=10",
               "-rss_limit_mb=2048", "-print_final_stats=1",
               "-artifact_prefix=" + findings + os.sep, corpus]
    started = time.monotonic()
    with open(log_path, "w") as log:
        process = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT, cwd=BUILD)
        _, status, usage = os.wait4(process.pid, 0)
    with open(log_path, errors="replace") as log:
        text = log.read()
    executions = re.findall(r"stat::number_of_executed_units: (\d+)", text)
    coverage = re.findall(r"cov: (\d+) ft: (\d+) corp: (\d+)", text)
    return {
        "name": name,
        "cpu": usage.ru_utime + usage.ru_stime,
        "wall": time.monotonic() - started,
        "status": os.waitstatus_to_exitcode(status),
        "executions": int(executions[-1]) if executions else 0,
        "coverage": coverage[-1] if coverage else ("?", "?", "?"),
        "findings": sorted(f for f in os.listdir(findings) if f.startswith(FINDING_PREFIXES)),
        "log": log_path,
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=int, default=int(os.environ.get("FUZZ_SECONDS", 60)))
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    parser.add_argument("targets", nargs="*")
    args = parser.parse_args()

    build()
    targets = args.targets or built_targets()
    if not os.path.exists(os.path.join(BUILD, "fuzz_name_table")):
        print("fuzz: no name table reader in tools/fontpack yet; its target is not built")
    with ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        results = list(pool.map(lambda name: run_target(name, args.seconds), targets))

    print("\n%-16s %9s %9s %12s %8s %8s %6s  %s" %
          ("target", "cpu s", "wall s", "executions", "edges", "features", "corpus", "findings"))
    found = False
    for r in results:
        cov, features, corpus = r["coverage"]
        print("%-16s %9.1f %9.1f %12d %8s %8s %6s  %s" %
              (r["name"], r["cpu"], r["wall"], r["executions"], cov, features, corpus,
               len(r["findings"]) or "none"))
        if r["findings"] or r["status"] != 0:
            found = True
    print("%-16s %9.1f" % ("total", sum(r["cpu"] for r in results)))
    for r in results:
        for finding in r["findings"]:
            print("finding: %s/%s (log %s)" % (os.path.join(BUILD, "findings", r["name"]),
                                               finding, r["log"]))
        if r["status"] != 0 and not r["findings"]:
            print("%s ended with status %d (log %s)" % (r["name"], r["status"], r["log"]))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
