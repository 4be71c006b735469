#!/bin/sh
# Strips a program for the Debian package as Debian's own tools do: the symbols and also the compiler's
# notes and version comments, which nothing at run time reads.
exec strip --remove-section=.comment --remove-section=.note --strip-unneeded "$@"
