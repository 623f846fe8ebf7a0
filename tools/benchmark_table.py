"""The markdown table of tools/benchmark-table.sh, read from the two benchmark
programs' JSON output: each figure's median over the repetitions, and the
median of its ratio counter (x_<reference>) with the reference's time
(<reference>_us), both measured in the figure's own process. One figure is
worked out here: the hit pass in play without the projection of the
outlines, the difference of the medians of two of its benchmark's counters.

    benchmark_table.py COMBAT_JSON PLAY_JSON CORE
"""
import json
import sys

HIT_PASS_IN_PLAY = "BM_BusiestLevelHitPassFullShotPools/iterations:60/manual_time"

# Figure, program, benchmark (its name without aggregate), reference, and
# for a worked-out figure the counters (microseconds) it is the difference of.
ROWS = [
    ("Structure-of-arrays baseline: one step of 11,000 shots (benchmark program)",
     "combat", "BM_ShotBaselineSoA", "baseline", None),
    ("Structure-of-arrays baseline (play program)", "play", "BM_ShotBaselineSoA", "baseline", None),
    ("Flight step: `ShotStep::advance` over 11,000 shots and the sprite batch's vertex write",
     "combat", "BM_ShotFlightStepFullPools/movingRig:0", "baseline", None),
    ("Shot step with its hit pass (no targets: outlines projected and looked up) and the batch",
     "combat", "BM_ShotStepWithHitsFullPools/movingRig:0", "baseline", None),
    ("Isolated hit pass: crowded frame through the screen grids, outlines projected beforehand",
     "combat", "HitPassThroughScreenGrids", "baseline", None),
    ("Hit pass in play: shot step less flight, full pools, busiest level",
     "play", HIT_PASS_IN_PLAY, "isolated", None),
    ("Hit pass in play, projection left out: shot step less flight with projection",
     "play", HIT_PASS_IN_PLAY, "isolated", ("step_us", "projected_us")),
    ("Ordinary frame of play, busiest level", "play", "BM_BusiestLevelFrame/iterations:180", "baseline", None),
    ("Full-pool frame, scene update untimed", "play",
     "BM_BusiestLevelFrameFullShotPools/iterations:180", "baseline", None),
    ("Full-pool frame with the scene update", "play",
     "BM_BusiestLevelFrameAndSceneUpdateFullShotPools/iterations:180", "baseline", None),
    ("Start pressed to first level frame (level entry and one frame, not drawn)", "play",
     "BM_BusiestLevelEntry/iterations:3/real_time", None, None),
]

REFERENCE_NAMES = {"baseline": "SoA baseline", "isolated": "isolated hit pass"}
NANOSECONDS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def medians(path):
    with open(path) as file:
        report = json.load(file)
    found = {}
    for run in report["benchmarks"]:
        if run.get("error_occurred"):
            found.setdefault(run["run_name"], {"error": run.get("error_message", "failed")})
        elif run.get("aggregate_name") == "median":
            found[run["run_name"]] = run
    return found


def duration(nanoseconds):
    if nanoseconds >= 1e6:
        return f"{nanoseconds / 1e6:.2f} ms"
    return f"{nanoseconds / 1e3:.0f} µs"


def own_time(run, name):
    # Wall-clock and manual figures keep their time in real_time.
    clock = "real_time" if name.endswith(("/real_time", "/manual_time")) else "cpu_time"
    return run[clock] * NANOSECONDS[run["time_unit"]]


def row(figure, run, name, reference, difference):
    if run is None or "error" in run:
        return f"| {figure} | {run['error'] if run else 'not run'} | | | |"
    if difference:
        nanoseconds = (run[difference[0]] - run[difference[1]]) * 1e3
    else:
        nanoseconds = own_time(run, name)
    if reference is None:
        return f"| {figure} | {duration(nanoseconds)} | | | |"
    reference_ns = run[f"{reference}_us"] * 1e3
    ratio = nanoseconds / reference_ns if difference else run["x_" + reference]
    return (f"| {figure} | {duration(nanoseconds)} | {REFERENCE_NAMES[reference]} | {duration(reference_ns)}"
            f" | {ratio:.2f} |")


def main():
    combat_json, play_json, core = sys.argv[1:4]
    runs = {"combat": medians(combat_json), "play": medians(play_json)}
    print(f"Medians of 5 repetitions on core {core}; CPU time of the benchmark's thread"
          " (level entry: wall-clock time).")
    print()
    print("| Figure | Time | Compared with | Its time | Ratio |")
    print("|---|---|---|---|---|")
    for figure, program, name, reference, difference in ROWS:
        print(row(figure, runs[program].get(name), name, reference, difference))


if __name__ == "__main__":
    main()
