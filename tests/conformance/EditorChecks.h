#pragma once
// The editor's BMP and GIF readers against reference decoders and the corpus notes.
#include <string>

#include "tests/conformance/CheckTools.h"
#include "tests/conformance/CorpusNotes.h"

// LoadBmp against ImageMagick's decoding (imRef: its PPM, or null when it refused the file); scratch is a
// free path.
Outcome CheckEditorBmp(const std::string& file, const Pnm* imRef, const CorpusNote& note, MessageLog& log,
                       const std::string& scratch);
// GifFile::GIFRead against giflib's first image and the note's reference frame; scratch is a free path.
Outcome CheckGif(const std::string& file, const CorpusNote& note, const std::string& scratch);
