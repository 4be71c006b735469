#pragma once
// The run's one temporary file: "tempfile" plus the first free number, in a private directory made
// with mkdtemp under $TMPDIR (else /tmp). Made on first use; file and directory go at exit.

// The path, or null when no private directory could be made.
const char* TempFilePath();
// Deletes the file (not the directory); the next extraction makes it again.
void DeleteTempFileNow();
