#!/usr/bin/env python3
"""The frame handlers in real time: CPU share and pace (a benchmark, not a test).

    frame_benchmark.py GAME [BUSY_GAME]

Plays scripted games with --realtime and reads the game's CPU time from
/proc whenever the game prints a line, so start-up and the menus before a
window are left out:
  * CPU share of one core while the gauge is held 10 s, during a full drive
    (200 yards), during a full-power putt (30 yards, steps 67 to 330 ms apart) and during the ending's first
    page (a step every 116 ms), for GAME and, when given, BUSY_GAME (the
    same source with the frame handler called again at once);
  * pace: the gauge's and the ending's steps per second of wall clock
    against their nominal interval, idle and with every core kept busy by
    another process. The step times are the game's own clock readings
    (frameClock), sampled every few milliseconds.
"""
import contextlib
import glob
import os
import struct
import subprocess
import sys
import tempfile
import time

GAUGE_MS = 30  # Mina's shot gauge
ENDING_MS = 116  # the ending's fade steps: more than 115 ms apart


def cpu_seconds(pid):
    """CPU time of every thread of the process, in seconds."""
    total = 0
    for f in glob.glob(f"/proc/{pid}/task/*/schedstat"):
        try:
            with open(f) as s:
                total += int(s.read().split()[0])
        except (OSError, ValueError, IndexError):
            pass  # a thread that just ended
    return total / 1e9


def edited_course(work, length, green, par):
    """The editor unlocked and a six-hole course "Bench"."""
    with open(os.path.join(work, "dat", "data.bin"), "wb") as f:
        f.write(bytes([1, 0, 0, 0, 0, 1]) + bytes(72))
    c = bytearray(1836)
    for h in range(6):
        c[h] = 2
        c[18 + 256 * h] = 1
        c[19 + 256 * h] = ord("A")
        struct.pack_into("<h", c, 1554 + 2 * h, length)
        struct.pack_into("<h", c, 1566 + 2 * h, green)
        struct.pack_into("<h", c, 1578 + 2 * h, par)
    struct.pack_into("<i", c, 1832, 900)
    with open(os.path.join(work, "edit", "Bench.dat"), "wb") as f:
        f.write(c)


START_EDITED = ["click Imgstart", "move chara1", "click chara1", "click Imgedtd",
                "type EditCs Bench", "click ok", "click yes"]


def samples(name, every_ms, count):
    lines = []
    for _ in range(count):
        lines += [f"state {name}", f"wait {every_ms}"]
    return lines


def gauge_script(every_ms, seconds):
    return ["click Imgstart", "wait 500", "move chara1", "press Imgwaku", "release Imgwaku",
            "click Imgprac", "click yes", "click Radio1", "press shot"] + \
        samples("phase" if every_ms >= 100 else "frameClock", every_ms,
                seconds * 1000 // every_ms + 1) + ["release shot"]


def drive_script():
    # Mina's full-power drive on practice hole 1: 200 yards in steps of two,
    # 24 to 39 ms apart.
    return ["click Imgstart", "wait 500", "move chara1", "press Imgwaku", "release Imgwaku",
            "click Imgprac", "click yes", "click Radio1", "press shot", "wait 3001",
            "release shot"] + samples("phase", 250, 24)


def putt_script():
    # A 20-yard drive onto a green 390 yards wide, then the 30-yard putter at
    # full power (100 steps of 40 ms, released half a step later).
    return START_EDITED + ["click Radio1", "press shot", "wait 300", "release shot",
                           "wait 1500", "click shot", "click Radio5", "press shot",
                           "wait 4020", "release shot"] + samples("phase", 250, 64)


def ending_script(name, every_ms, seconds):
    # Every hole played out stroke by stroke until it is given up, then the
    # course's end.
    lines = list(START_EDITED)
    for hole in range(6):
        for stroke in range(6):
            lines += ["click Radio1", "press shot", "release shot", "wait 60"]
            if hole < 5 or stroke < 5:
                lines.append("click shot")
        lines += ["click proceed", "wait 20"] if hole < 5 else ["click proceed"]
    return lines + samples(name, every_ms, seconds * 1000 // every_ms)


def play(game, script, course=None):
    """Runs one scripted game; returns (wall, cpu, line) at each printed line."""
    with tempfile.TemporaryDirectory() as work:
        for d in ("dat", "edit", "record", "run"):
            os.mkdir(os.path.join(work, d))
        os.chmod(os.path.join(work, "run"), 0o700)
        if course:
            edited_course(work, *course)
        path = os.path.join(work, "bench.pvs")
        with open(path, "w") as f:
            f.write("\n".join(script) + "\n")
        env = dict(os.environ, XDG_RUNTIME_DIR=os.path.join(work, "run"),
                   SDL_AUDIODRIVER="dummy")
        p = subprocess.Popen([game, "--script", path, "--realtime", "--workdir", work],
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                             env=env)
        seen = []
        for line in p.stdout:
            if not line.startswith("mci:"):
                seen.append((time.monotonic(), cpu_seconds(p.pid), line.strip()))
        p.wait()
        return seen


def share(seen, line):
    """CPU per cent of one core between the first and last sample reading `line`."""
    hits = [s for s in seen if s[2] == line]
    if len(hits) < 2:
        return None, 0
    wall = hits[-1][0] - hits[0][0]
    return 100 * (hits[-1][1] - hits[0][1]) / wall, wall


def pace(seen, nominal_ms, first=None, last=None):
    """Steps per second from the distinct frameClock readings sampled."""
    clocks = []
    for _, _, line in seen:
        if line.startswith("frameClock="):
            v = int(line.split("=")[1])
            if not clocks or v != clocks[-1]:
                clocks.append(v)
    clocks = clocks[first:last]
    if len(clocks) < 3:
        return "no steps seen"
    gaps = [b - a for a, b in zip(clocks, clocks[1:])]
    rate = 1000 * len(gaps) / (clocks[-1] - clocks[0])
    off = 100 * (sum(gaps) / len(gaps) / nominal_ms - 1)
    return (f"{rate:6.2f} steps/s (nominal {1000 / nominal_ms:.2f}), {off:+.2f} %, "
            f"steps {len(gaps)}, longest {max(gaps)} ms")


class Load:
    """Every core kept busy by a spinning process while in use."""

    def __enter__(self):
        self.procs = [subprocess.Popen([sys.executable, "-c", "while True: pass"])
                      for _ in range(os.cpu_count() or 1)]
        time.sleep(0.5)

    def __exit__(self, *exc):
        for p in self.procs:
            p.kill()
            p.wait()


def cpu_figures(label, game):
    print(f"CPU share of one core ({label}):")
    s, w = share(play(game, gauge_script(500, 10)), "phase=5")
    print(f"  gauge held       {s:6.2f} %  over {w:4.1f} s")
    s, w = share(play(game, drive_script()), "phase=5")
    print(f"  200-yard drive   {s:6.2f} %  over {w:4.1f} s")
    s, w = share(play(game, putt_script(), (400, 390, 4)), "phase=7")
    print(f"  30-yard putt     {s:6.2f} %  over {w:4.1f} s" if s is not None else
          "  30-yard putt     (the putt did not run)")
    s, w = share(play(game, ending_script("endPhase", 500, 30), (100, 3, 2)), "endPhase=1")
    print(f"  ending, page 1   {s:6.2f} %  over {w:4.1f} s" if s is not None else
          "  ending, page 1   (the ending did not reach its first page)")


def pace_figures(label, game):
    print(f"pace ({label}):")
    for loaded in (False, True):
        name = "cores loaded" if loaded else "idle"
        with Load() if loaded else contextlib.nullcontext():
            gauge = play(game, gauge_script(5, 10))
            ending = play(game, ending_script("frameClock", 10, 26), (100, 3, 2))
        print(f"  gauge,  {name:12} {pace(gauge, GAUGE_MS)}")
        # The title flash's 13 slow steps come first; the page's steps follow.
        print(f"  ending, {name:12} {pace(ending, ENDING_MS, first=13)}")


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    games = [("game", sys.argv[1])]
    if len(sys.argv) > 2:
        games.append(("busy loop", sys.argv[2]))
    for label, game in games:
        cpu_figures(label, game)
    for label, game in games:
        pace_figures(label, game)


if __name__ == "__main__":
    main()
