#!/usr/bin/python3
"""Runs a command with DISPLAY on an Xvfb of its own and ends with its status."""

import subprocess
import sys

from xsession import XServer

x = XServer()
try:
    status = subprocess.run(sys.argv[1:], env=x.env).returncode
finally:
    x.close()
sys.exit(status)
