# Loaded by Orca from its preferences folder in the end-to-end test: every
# utterance and braille line Orca produces goes, with the monotonic time, to
# the file named by E2E_ORCA_LOG, one line each: "TIME NAME MESSAGE".
import logging
import os
import time

import orca.settings


class _TimedLines(logging.Handler):
    def __init__(self, path):
        super().__init__()
        self.out = open(path, "a", buffering=1, encoding="utf-8")

    def emit(self, record):
        try:
            msg = record.getMessage().replace("\n", "\\n")
            self.out.write("%.6f %s %s\n" % (time.monotonic(), record.name, msg))
        except Exception:
            pass


if os.environ.get("E2E_ORCA_LOG"):
    _handler = _TimedLines(os.environ["E2E_ORCA_LOG"])
    for _name in ("speech", "braille"):
        logging.getLogger(_name).addHandler(_handler)

# A learner who types braille on six letter keys has Orca's key echo off:
# otherwise every chord key would be spoken as its letter.
orca.settings.enableKeyEcho = False
