// The JPEG loader: the picture is decoded from a file (an archive entry is first copied to the run's
// temporary file) and packed into the surface.
#include "codecs/RgbPicture.h"
#include "game/gfx/Archive.h"
#include "game/gfx/PictureDraw.h"
#include "game/gfx/ShowError.h"
#include "game/gfx/Surface.h"

bool Surface::LowLoadJpeg(Archive* archive, const char* name, int cellW, int cellH) {
    RgbPicture picture;
    const char* path = name;
    ReleaseSurface(); // a failed load leaves the surface empty
    if (archive) {
        path = archive->Extract(name);
        if (!path) {
            ShowError("TEMP FILE LOAD ERROR!!! %s", name);
            return false;
        }
    }
    picture.LoadJpeg(path);
    if (!CreateSurfaceFor(name, int(picture.m_width), int(picture.m_height), true)) return false;
    if (!DrawToSurface(picture, *this)) {
        // A decode that failed part-way leaves sizes but no pixels; the surface is not kept.
        ReleaseSurface();
        return false;
    }
    FinishLoad(cellW, cellH);
    return true;
}
