"""What Orca says, followed in its debug log, and keys pressed as a person
presses them. Used by walk.py."""
import re
import subprocess
import sys
import time

# "SPEECH OUTPUT: 'text'", then perhaps the voice and its settings
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?\s*(?:\[?\{.*\}\]?)?$")


class Ear:
    def __init__(self, log):
        self.log = log
        self.said = []      # every utterance so far
        self.mark = 0       # where the current step began
        self.failures = []
        self._rest = ""
        self._file = None

    def _read(self):
        if self._file is None:
            try:
                self._file = open(self.log, encoding="utf-8", errors="replace")
            except FileNotFoundError:
                return
        self._rest += self._file.read()
        *lines, self._rest = self._rest.split("\n")
        for line in lines:
            m = SPOKEN.search(line)
            if m:
                self.said.append(m.group(1))

    def since(self):
        self._read()
        return self.said[self.mark:]

    def settle(self, quiet=0.8, timeout=10):
        """Waits until Orca has said nothing new for `quiet` seconds."""
        end = time.time() + timeout
        count = -1
        while time.time() < end:
            self._read()
            if len(self.said) == count:
                return
            count = len(self.said)
            time.sleep(quiet)

    def keys(self, *keys, settle=True):
        """Presses the keys, one after the other; what follows is heard anew."""
        if settle:
            self.settle()
        self._read()
        self.mark = len(self.said)
        for key in keys:
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
            time.sleep(0.15)

    def type(self, text):
        self.settle()
        self._read()
        self.mark = len(self.said)
        subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)

    def hear(self, pattern, where, timeout=10):
        """Waits for an utterance matching `pattern` since the keys."""
        end = time.time() + timeout
        while True:
            for said in self.since():
                if re.search(pattern, said, re.S):
                    return said
            if time.time() > end:
                self.failures.append(f"{where}: never heard /{pattern}/; heard {self.since()}")
                return None
            time.sleep(0.1)

    def never(self, pattern, where):
        self.settle()
        for said in self.since():
            if re.search(pattern, said, re.S):
                self.failures.append(f"{where}: heard /{pattern}/ in {said!r}")

    def step(self, where):
        print(f"{where}: {self.since()}", flush=True)

    def finish(self):
        for failure in self.failures:
            print("FAIL:", failure)
        print("passed" if not self.failures else "failed")
        sys.exit(1 if self.failures else 0)
