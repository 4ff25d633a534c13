# Installation and packaging (filled in with the packaging work).
