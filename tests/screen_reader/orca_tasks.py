#!/usr/bin/env python3
"""What Orca says while a blind user runs the clock by keys alone.

Each step presses keys and waits until Orca has said what the step expects; nothing is timed by
the clock on the wall except the generous limit of each wait. Orca on a busy machine answers
late, so a step whose keys cannot do harm twice is pressed again when Orca stays silent."""
import os
import re
import subprocess
import sys
import time

WORK = os.environ["ORCA_TASKS_WORK"]
LOG = os.environ["ORCA_TASKS_LOG"]
CLOCK = os.environ["ORCA_TASKS_CLOCK"]

transcript = []


class Failure(Exception):
    pass


def spoken():
    with open(LOG, encoding="utf-8", errors="replace") as log:
        return log.read().splitlines()


def wait_for(pattern, since, limit=45.0):
    """The first utterance from line `since` on that matches `pattern`; fails after `limit` s."""
    regex = re.compile(pattern)
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        lines = spoken()
        for i in range(since, len(lines)):
            if regex.search(lines[i]):
                return i
        time.sleep(0.1)
    raise Failure("Orca never said /%s/; it said: %s" % (pattern, spoken()[since:]))


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "150"] + list(keys), check=True)


def step(keys, pattern, repeatable=False, limit=45.0):
    """Presses `keys` and waits for Orca to say `pattern`; a repeatable step is pressed again
    when Orca stays silent for a while."""
    mark = len(spoken())
    tries = 3 if repeatable else 1
    for attempt in range(tries):
        key(*keys)
        try:
            found = wait_for(pattern, mark, limit / tries if repeatable else limit)
            break
        except Failure:
            if attempt == tries - 1:
                raise
    said = spoken()[mark:found + 1]
    transcript.append((" ".join(keys), said))
    return said


def write_settings(text):
    with open(os.path.join(os.path.dirname(CLOCK), "Dorvane.Ini"), "w") as ini:
        ini.write(text)


class Clock:
    """The clock, started afresh from a settings file, with Orca reading it."""

    def __init__(self, settings):
        write_settings(settings)
        self.mark = len(spoken())
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([CLOCK], cwd=os.path.dirname(CLOCK), env=env,
                                        stdout=open(os.path.join(WORK, "clock.out"), "a"),
                                        stderr=subprocess.STDOUT)

    def ask(self, *options):
        """Asks the running clock over the session bus, as another program would."""
        subprocess.run([CLOCK] + list(options), check=True, timeout=60,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def close(self):
        self.process.terminate()
        self.process.wait(60)


def the_whole_task():
    """Set 2:30, Reset, Start, the time left, Stop, a colour, the direction, the clock view."""
    clock = Clock("[Time]\nHours=0\nMins=5\nSecs=0\n[Voice]\nYes=0\n"
                  "[Display]\nBackground=15793151\nYes=1\nSeconds=60\nTimeUp=1\n")
    try:
        found = wait_for(r"Display page tab", clock.mark, 90)
        heard = spoken()[clock.mark:found + 1]
        transcript.append(("(start)", heard))
        if not any("Dorvane frame" in line for line in heard):
            raise Failure("the window was not named at start: %s" % heard)
        step(["Tab"], r"Seconds 0 spin button")
        step(["3", "0"], r"^30\.?$")
        step(["Tab"], r"Minutes 5 spin button")
        for value in (4, 3, 2):
            step(["Down"], r"^%d\.?$" % value)
        step(["Tab"], r"Hours 0 spin button")
        step(["Tab"], r"Start push button")
        step(["Tab"], r"Stop push button")
        step(["Tab"], r"Reset push button")
        step(["space"], r"Reset to 2 minutes 30 seconds")
        step(["shift+Tab"], r"Stop push button")
        step(["shift+Tab"], r"Start push button")
        step(["space"], r"Started")
        step(["F9"], r"2 minutes \d+ seconds left", repeatable=True)
        step(["Tab"], r"Stop push button")
        step(["space"], r"Stopped, 2 minutes \d+ seconds left")
        step(["ctrl+Tab"], r"Background Color combo box")
        step(["Down"], r"Med Gray")
        step(["alt+Down"], r"List with 52 items")
        step(["Down"], r"Active Border")
        step(["Return"], r"Background Color combo box")
        step(["alt+Down"], r"List with 53 items")
        step(["Down"], r"Black")
        step(["Escape"], r"Background Color combo box")
        step(["Tab"], r"Color at @Seconds combo box")
        step(["Tab"], r"Color at @Time Expired combo box")
        step(["Tab"], r"@Seconds 60 spin button")
        step(["Tab"], r"Color Change\? panel")
        step(["Tab"], r"Time Direction\? panel")
        step(["Right"], r"^Up\.?$")
        step(["ctrl+Tab"], r"Reset to 0 seconds, counting up")
        step(["F10"], r"Dorvane Clock frame")
        step(["F9"], r"0 seconds counted", repeatable=True)
    finally:
        clock.close()


def the_moments_while_the_focus_is_elsewhere():
    """Started, a point of the voice (which is off), the colour change and time up, each once,
    while the focus stays in a field; nothing on the ticks between them."""
    clock = Clock("[Time]\nHours=0\nMins=0\nSecs=17\n[Voice]\nYes=0\n"
                  "[Display]\nBackground=15793151\nYes=1\nSecondsColor=65535\nExpiredColor=255\n"
                  "Seconds=5\nTimeUp=1\n")
    try:
        wait_for(r"Display page tab", clock.mark, 90)
        step(["Tab"], r"Seconds 17 spin button")
        mark = len(spoken())
        clock.ask("--start")
        expected = [r"^(notification )?Started", r"^(notification )?15 seconds remaining",
                    r"^(notification )?Color changed to Yellow", r"^(notification )?Time is up"]
        found = mark
        for pattern in expected:
            found = wait_for(pattern, found, 60) + 1
        said = [line for line in spoken()[mark:found] if line.strip()]
        transcript.append(("(--start from a terminal)", said))
        # On a busy machine the field's own description, said on its focus, may come after the
        # mark: it is the focus's echo, not a tick.
        focus_echo = [r"^Seconds 17 spin button", r"^Maximum seconds for the count down"]
        extra = [line for line in said if not any(re.search(p, line) for p in expected + focus_echo)]
        if extra:
            raise Failure("said more than the moments: %s" % extra)
    finally:
        clock.close()


def main():
    wait_for(r"Screen reader on", 0, 90)
    failed = None
    for task in (the_whole_task, the_moments_while_the_focus_is_elsewhere):
        try:
            task()
        except Failure as failure:
            failed = "%s: %s" % (task.__name__, failure)
            break
    for keys, said in transcript:
        print("%-26s %s" % (keys, " | ".join(said)))
    if failed:
        print("FAILED:", failed)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
