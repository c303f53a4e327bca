#!/usr/bin/python3
"""Whole-program timings of the wizard under Wine, each beside its floor.

Usage: run_bench.py [--build-dir DIR] [--rounds N] [--launch-rounds N]

- Installation run: install_harness.exe (the wizard's own loading and
  InstallSelectedFonts, only the latter timed) against install_floor.exe
  (CopyFileA + RegOpenKeyExA/RegSetValueExA + AddFontResourceA per font),
  interleaved, on packages of 20 and 500 real fonts; the floor also runs
  with the wizard's look-up of each file in the Fonts folder before its copy,
  to show what that costs. Every run gets a fresh
  copy of the clean template prefix and a running wineserver; neither is
  timed.
- Launch: launch_probe.exe starts the wizard (in a package of 12 and of 1,000
  fonts) or plain_window.exe, interleaved, and reports when the window shows,
  when its first pixels change (first paint) and when they stop changing
  (settled: the end of the wizard's show animation), and the peak working set
  Wine reports for the process (GetProcessMemoryInfo).
- The grid's check-box handler with 1,000 rows (grid_timing.exe).
- The size of the shipped exe.

Everything runs on a virtual display of its own, and the table at the end
gives median, min and max with the ratio to the floor. Nothing is asserted.
"""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(HERE)))
sys.path.insert(0, os.path.join(ROOT, "tools"))
import wizard_driver  # noqa: E402

WINE_RUN = os.path.join(ROOT, "tools", "wine-run")
WIZARD_NAME = "zarnikfonts_setup_win_1000.exe"
TARGETS = ["wizard", "install_harness", "install_floor", "plain_window", "launch_probe",
           "grid_timing"]
# Wine never writes to its own DLLs, so these folders of a fresh prefix are
# hard links into the template; everything else (registry, Fonts) is copied.
LINKED_FOLDERS = [os.path.join("drive_c", "windows", name) for name in ("system32", "winsxs")]
LAUNCH_WATCH_MS = 1500


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def fresh_prefix(parent):
    prefix = tempfile.mkdtemp(prefix="bench-prefix-", dir=parent)
    os.rmdir(prefix)
    template = wizard_driver.TEMPLATE_PREFIX
    linked = [os.path.join(template, folder) + os.sep for folder in LINKED_FOLDERS]

    def place(source, target):
        if any(source.startswith(folder) for folder in linked):
            os.link(source, target)
        else:
            shutil.copy2(source, target)

    shutil.copytree(template, prefix, symlinks=True, copy_function=place)
    return prefix


class WineSession:
    """A warm wineserver in a fresh prefix, on the given display."""

    def __init__(self, parent, display):
        self.prefix = fresh_prefix(parent)
        self.env = dict(os.environ, WINEPREFIX=self.prefix, DISPLAY=display)
        subprocess.run(["wineserver", "-p"], env=self.env, check=True)

    def run(self, args, cwd=None, timeout=300):
        # Files, not pipes: the services Wine starts inherit the output and
        # outlive the program while the server stays up.
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            status = subprocess.run([WINE_RUN, *args], env=self.env, cwd=cwd, stdout=out,
                                    stderr=err, timeout=timeout).returncode
            out.seek(0)
            err.seek(0)
            return status, out.read().decode(errors="replace"), err.read().decode(errors="replace")

    def close(self):
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=self.env, stderr=subprocess.DEVNULL, timeout=60)
        shutil.rmtree(self.prefix, ignore_errors=True)


def build(build_dir):
    subprocess.run(["cmake", "--build", build_dir, "-j", str(os.cpu_count() or 2), "--target",
                    *TARGETS], check=True, stdout=subprocess.DEVNULL)


def find_program(build_dir, name):
    for folder, _, files in os.walk(build_dir):
        if name in files and "CMakeFiles" not in folder:
            return os.path.join(folder, name)
    raise SystemExit("run_bench: %s not found under %s" % (name, build_dir))


def make_package(parent, count, wizard=None):
    folder = os.path.join(parent, "package-%d" % count)
    subprocess.run(["/usr/bin/python3", os.path.join(ROOT, "tools", "make_demo_package.py"), folder,
                    "--count", str(count)], check=True)
    if wizard:
        shutil.copyfile(wizard, os.path.join(folder, WIZARD_NAME))
    # Read every file once so the first timed run does not pay for the disk.
    for dirpath, _, files in os.walk(folder):
        for name in files:
            with open(os.path.join(dirpath, name), "rb") as handle:
                while handle.read(1 << 20):
                    pass
    return folder


def parse_fields(text):
    fields = text.split()
    return {fields[i]: fields[i + 1] for i in range(0, len(fields) - 1, 2)}


class Stats:
    def __init__(self, values):
        self.values = sorted(values)
        self.median = statistics.median(self.values) if self.values else float("nan")

    def text(self, unit="ms", scale=1.0):
        if not self.values:
            return "n/a"
        return "%.1f (%.1f-%.1f) %s" % (self.median / scale, self.values[0] / scale,
                                        self.values[-1] / scale, unit)


def install_runs(programs, packages, rounds, scratch, display):
    """{(program, count): [ms, ...]}, interleaved: the programs take turns at
    going first, round by round. A program is its exe and extra arguments."""
    times = {}
    for round_number in range(rounds):
        for count, folder in packages.items():
            order = list(programs.items())
            shift = round_number % len(order)
            for name, (exe, *extra) in order[shift:] + order[:shift]:
                session = WineSession(scratch, display)
                try:
                    status, out, err = session.run([exe, windows_path(folder), *extra])
                finally:
                    session.close()
                fields = parse_fields(out)
                if status != 0 or "ms" not in fields:
                    raise SystemExit("run_bench: %s on %d fonts failed (%d): %s %s" %
                                     (name, count, status, out, err))
                times.setdefault((name, count), []).append(float(fields["ms"]))
                print("  install %-8s %4d fonts: %8.1f ms" % (name, count, float(fields["ms"])),
                      flush=True)
    return times


def launch_runs(probe, subjects, rounds, scratch, display):
    """{subject: {"shown": [...], "painted": [...], "settled": [...], "peak": [...]}}
    from one warm session; each subject is started once untimed first."""
    results = {name: {"shown": [], "painted": [], "settled": [], "peak": []} for name in subjects}
    session = WineSession(scratch, display)
    try:
        for round_number in range(-1, rounds):
            names = list(subjects)
            shift = max(round_number, 0) % len(names)
            for name in names[shift:] + names[:shift]:
                command, cwd = subjects[name]
                status, out, err = session.run([probe, str(LAUNCH_WATCH_MS), command], cwd=cwd)
                fields = parse_fields(out)
                if status != 0 or "shown" not in fields:
                    raise SystemExit("run_bench: launching %s failed (%d): %s %s" %
                                     (name, status, out, err))
                if round_number < 0:
                    continue
                for key in ("shown", "painted", "settled"):
                    results[name][key].append(float(fields[key]))
                results[name]["peak"].append(float(fields["peak_working_set"]))
                print("  launch  %-14s shown %7.1f  painted %7.1f  settled %7.1f ms" %
                      (name, float(fields["shown"]), float(fields["painted"]),
                       float(fields["settled"])), flush=True)
    finally:
        session.close()
    return results


def grid_runs(grid_timing, runs, scratch, display):
    session = WineSession(scratch, display)
    flips = []
    try:
        for _ in range(runs):
            status, out, err = session.run([grid_timing])
            match = re.search(r"flip \+ recount \+ repaint:\s*([\d.]+) us", out)
            if status != 0 or not match:
                raise SystemExit("run_bench: grid_timing failed (%d): %s %s" % (status, out, err))
            flips.append(float(match.group(1)) / 1000.0)
    finally:
        session.close()
    return flips


def ratio(a, b):
    return a.median / b.median if b.median else float("nan")


def print_table(rows):
    headers = ("measure", "wizard: median (min-max)", "floor: median (min-max)", "ratio", "goal")
    widths = [max(len(str(row[i])) for row in rows + [headers]) for i in range(len(headers))]
    line = "  ".join("%-*s" % (w, h) for w, h in zip(widths, headers))
    print("\n" + line)
    print("-" * len(line))
    for row in rows:
        print("  ".join("%-*s" % (w, str(c)) for w, c in zip(widths, row)))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", default=os.path.join(ROOT, "build", "win32"))
    parser.add_argument("--rounds", type=int, default=5, help="installation runs of each program")
    parser.add_argument("--launch-rounds", type=int, default=7)
    parser.add_argument("--grid-runs", type=int, default=3)
    args = parser.parse_args()

    build(args.build_dir)
    wizard = os.path.join(args.build_dir, WIZARD_NAME)
    bench_dir = os.path.join(args.build_dir, "bench")
    program = {name: os.path.join(bench_dir, name + ".exe")
               for name in ("install_harness", "install_floor", "plain_window", "launch_probe")}
    grid_timing = find_program(args.build_dir, "grid_timing.exe")
    wizard_driver.ensure_template_prefix()

    load_before = os.getloadavg()[0]
    scratch = tempfile.mkdtemp(prefix="wizard-bench-")
    try:
        with wizard_driver.VirtualDisplay() as screen:
            print("installation runs (%d rounds)" % args.rounds, flush=True)
            install_packages = {count: make_package(scratch, count) for count in (20, 500)}
            install = install_runs({"floor": [program["install_floor"]],
                                    "lookup": [program["install_floor"], "--check-target"],
                                    "wizard": [program["install_harness"]]},
                                   install_packages, args.rounds, scratch, screen.display)
            for folder in install_packages.values():
                shutil.rmtree(folder)

            print("launches (%d rounds)" % args.launch_rounds, flush=True)
            launch_packages = {count: make_package(scratch, count, wizard) for count in (12, 1000)}
            subjects = {"plain window": (program["plain_window"], None),
                        "wizard 12": (WIZARD_NAME, launch_packages[12]),
                        "wizard 1000": (WIZARD_NAME, launch_packages[1000])}
            launch = launch_runs(program["launch_probe"], subjects, args.launch_rounds, scratch,
                                 screen.display)

            print("check-box handler (%d runs)" % args.grid_runs, flush=True)
            flips = grid_runs(grid_timing, args.grid_runs, scratch, screen.display)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)

    rows = []
    for count, goal in ((20, ""), (500, "<= 1.1")):
        ours, floor = Stats(install[("wizard", count)]), Stats(install[("floor", count)])
        rows.append(("installation, %d fonts" % count, ours.text(), floor.text(),
                     "%.2f" % ratio(ours, floor), goal))
    for count in (20, 500):
        lookup, floor = Stats(install[("lookup", count)]), Stats(install[("floor", count)])
        rows.append(("  floor + Fonts look-up, %d fonts" % count, lookup.text(), floor.text(),
                     "%.2f" % ratio(lookup, floor), ""))
    plain = {key: Stats(values) for key, values in launch["plain window"].items()}
    for count, goal in ((12, "<= 1.2"), (1000, "<= 1.3")):
        ours = {key: Stats(values) for key, values in launch["wizard %d" % count].items()}
        for key, label, key_goal in (("shown", "shown", goal), ("painted", "first paint", ""),
                                     ("settled", "settled", "")):
            rows.append(("launch -> %s, %d fonts" % (label, count), ours[key].text(),
                         plain[key].text(), "%.2f" % ratio(ours[key], plain[key]), key_goal))
    rows.append(("check-box handler, 1000 rows", Stats(flips).text(), "", "", "< 16 ms"))
    for count in (12, 1000):
        peak = Stats(launch["wizard %d" % count]["peak"])
        rows.append(("peak working set, %d fonts" % count, peak.text("MB", 1 << 20),
                     plain["peak"].text("MB", 1 << 20), "%.2f" % ratio(peak, plain["peak"]), ""))
    size = os.path.getsize(wizard)
    rows.append(("exe size", "%.2f MB (%d bytes)" % (size / float(1 << 20), size), "", "",
                 "<= 2 MB"))
    print_table(rows)
    print("\nload average (1 min) %.1f at the start, %.1f at the end, on %d cores: beyond the core"
          " count, other work shares the machine and every figure is slower and noisier." %
          (load_before, os.getloadavg()[0], os.cpu_count() or 1))
    print("floor: installation = install_floor.exe (look-up row: the floor run with"
          " --check-target, in the left column); launch and working set = plain_window.exe"
          " (650 x 400).\nworking set: GetProcessMemoryInfo's PeakWorkingSetSize under Wine,"
          " read by the probe before it ends the process.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
