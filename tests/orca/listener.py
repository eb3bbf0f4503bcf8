#!/usr/bin/python3
"""Starts Debian's Orca without a speech server, so it runs where no sound
card is: every utterance Orca generates is still written to its debug log as
"SPEECH OUTPUT: '...'" before it would be spoken, and the log is flushed line
by line so a test can follow it. Usage: listener.py LOG PREFSDIR.

Orca's own launcher is not used: it names its process "orca" and refuses to
start while another "orca" runs, and at start-up it waits for
speech-dispatcher, which never answers here."""
import sys

from orca import debug, settings, speech

log, prefs = sys.argv[1], sys.argv[2]
debug.debugLevel = debug.LEVEL_INFO
debug.debugFile = open(log, "w", buffering=1)
speech.init = lambda: None
settings.enableBraille = False
settings.enableSound = False
settings.enableKeyEcho = False

from orca import orca  # noqa: E402  (after the speech hook, as Orca's launcher does)

manager = orca.getSettingsManager()
manager.activate(prefs, {})
sys.exit(orca.main())
