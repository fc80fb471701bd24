#!/usr/bin/env python3
"""Check that a speech recogniser hears every English clip say its number words.

    tools/check-voice-clips.py [CLIPDIR]      # default: resources/voice

Each clip is resampled to 16 kHz by sox and all twelve are decoded in one pass by Debian's
pocketsphinx_batch with its US English model (apt-get install pocketsphinx
pocketsphinx-en-us sox). A clip passes when the words it was made from that carry the
announcement — the numbers, and "time" and "expired" — are heard in their order. Prints one line a
clip (name, length, what was heard) and exits 1 when any clip fails.
"""
import pathlib
import re
import subprocess
import sys
import tempfile
import wave

HERE = pathlib.Path(__file__).resolve().parent
KEY_WORDS = {"one", "two", "three", "four", "five", "fifteen", "thirty", "forty", "time", "expired"}


def expected_words():
    """Stored name -> the key words of its text, in order."""
    table = {}
    for line in (HERE / "voice-texts" / "en.txt").read_text(encoding="utf-8").splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        name, text = line.split("|", 1)
        table[name] = [w for w in re.findall(r"[a-z]+", text.lower()) if w in KEY_WORDS]
    return table


def heard_in_order(wanted, heard):
    words = iter(heard)
    return all(any(w == h for h in words) for w in wanted)


def recognise(clips, work):
    for clip in clips:
        subprocess.run(["sox", str(clip), "-t", "raw", "-r", "16000", "-b", "16", "-e", "signed-integer",
                        "-c", "1", str(work / (clip.stem + ".raw"))], check=True)
    (work / "clips.ctl").write_text("".join(clip.stem + "\n" for clip in clips))
    subprocess.run(["pocketsphinx_batch", "-adcin", "yes", "-cepdir", str(work), "-cepext", ".raw",
                    "-ctl", str(work / "clips.ctl"), "-hyp", str(work / "heard.txt")],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    heard = {}
    for line in (work / "heard.txt").read_text().splitlines():
        match = re.match(r"(.*) \((\S+) [-\d]+\)$", line)
        if match:
            heard[match.group(2)] = match.group(1).split()
    return heard


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else HERE.parent / "resources" / "voice")
    expected = expected_words()
    clips = []
    for name in expected:
        clip = folder / (name + ".wav")
        if not clip.is_file():
            print(f"{clip}: missing", file=sys.stderr)
            return 1
        clips.append(clip)
    with tempfile.TemporaryDirectory() as work:
        heard = recognise(clips, pathlib.Path(work))
    failures = 0
    for clip in clips:
        with wave.open(str(clip), "rb") as w:
            seconds = w.getnframes() / w.getframerate()
        words = heard.get(clip.stem, [])
        ok = heard_in_order(expected[clip.stem], words)
        failures += not ok
        print(f"{'ok  ' if ok else 'FAIL'} {clip.stem:<15} {seconds:5.2f} s  heard: {' '.join(words)}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
