#!/usr/bin/env python3
"""Prints a loopback port that is free now, chosen at random from 20000 to
32767: below the kernel's ephemeral range, so that outgoing connections do
not take it later."""

import random
import socket
import sys

for _ in range(200):
    port = random.randint(20000, 32767)
    with socket.socket() as s:
        try:
            s.bind(("127.0.0.1", port))
        except OSError:
            continue
    print(port)
    sys.exit(0)
sys.exit("no free loopback port between 20000 and 32767")
