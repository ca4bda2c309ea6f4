#!/usr/bin/env python3
"""Generate the shipped dictionaries data/noun.txt, data/adjective.txt and
data/rome.txt from Debian packages. The generator is the package
tools/dictionaries/; --help says how it chooses."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from dictionaries.cli import main  # noqa: E402  (the package beside this script)

if __name__ == "__main__":
    sys.exit(main())
