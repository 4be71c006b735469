#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "codecs/JpegFile.h"
#include "codecs/PictureHolder.h"
#include "codecs/PictureLimits.h"
#include "codecs/RgbPicture.h"
#include "common/MapFile.h"
#include "editor/BusyIndicator.h"

class MessageBox;

// A difference rectangle in view coordinates, kept as drawn: (left, top) is where the button went down,
// (right, bottom) where the pointer went, so right may be below left and bottom below top.
struct ViewRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;

    // All four edges count, as in the game's hit test.
    bool Contains(int x, int y) const { return left <= x && x <= right && top <= y && y <= bottom; }
    bool operator==(const ViewRect&) const = default;
};

// Everything the editor edits, with no widgets: the picture in DIB layout, the five difference rectangles,
// the slot drawn last, the drag state and the map path. The window forwards mouse events and commands here
// and paints from it (PaintView). Messages go to the message box given at construction.
class CMfcappView : private PictureHolder {
  public:
    static constexpr int kRects = 5;
    static constexpr int kOrigin = 20; // the picture's top-left pixel lies at (20, 20) in the view
    static constexpr const char* kCaption = "mfcapp";
    static constexpr const char* kNothingDiffers = "The two pictures do not differ: nothing to suggest.";
    // Added to the saved message when the map's folder is read-only and the old map was written over.
    static constexpr const char* kWrittenInPlace =
        "\n(The folder is read-only: the old map was written over in place, not replaced whole.)";
    static constexpr const char* kNotAPair = "Check and Suggest work on a 640 x 480 pair picture";
    // Camera photos open: up to 8192 x 8192 pixels' worth (192 MiB) in any shape (sides up to the JPEG
    // library's 65500), as many pixels as BMP and GIF; beyond, "too large".
    static constexpr JpegFile::Limits kPictureLimits{65535, kMaxPicturePixels};

    explicit CMfcappView(MessageBox& messages) : messages_(messages) {}
    // Shown while a picture file is read, and only then: not while its map loads, nor during a message
    // about either. None by default.
    void SetBusyIndicator(BusyIndicator* busy) { busy_ = busy; }

    struct Origin {
        int x = kOrigin, y = kOrigin;
    } m_origin;
    RgbPicture m_picture; // m_pImage, m_width, m_height, m_rowBytes
    std::array<ViewRect, kRects> m_rects{};
    int m_active = 0;
    int m_dragging = 0;
    std::string m_mapPath = "sample.map";
    // Where the last check found the pictures differing outside every rectangle (picture coordinates);
    // kept until the rectangles change or another picture opens.
    std::vector<MapRect> m_strayRects;
    // While shown: one byte per pixel of the 300 x 400 left picture, 1 where the right picture differs.
    bool m_showDifferences = false;
    std::vector<uint8_t> m_differences;

    // Start-up in the current directory: "sample.jpg", then "sample.map"; either may be missing.
    void LoadStartup();
    // Opens a picture chosen in the file dialog with the map of the same stem. A path whose map path does
    // not fit 255 characters is refused with a message and nothing changes (false).
    bool OpenPicture(const std::string& path);

    // Replaces the five rectangles by the map file's; "mapfile open error..." when it cannot be read.
    bool LoadMap();
    // Writes the five rectangles whole or not at all (in place, and said so, where only the folder is
    // read-only); the saved message, or "mapfile write error...".
    bool SaveMap();
    // Saves, then starts `zor` on the map path (found in programDir, else on PATH) without waiting.
    void TestMap(const std::string& programDir);

    // The five rectangles in picture pixels, as they are saved.
    MapRecords PictureRects() const;

    // The pair tools work on a 640 x 480 picture; on any other they show kNotAPair and do nothing (false).
    // Check runs the fairness verifier on the five rectangles, shows its report and keeps the stray places.
    bool CheckPair();
    // Fills the five slots with the rectangles found around the differences, the plainest first; slots left
    // over are emptied and the next drag takes the first of them. When nothing differs, kNothingDiffers is
    // shown and the rectangles stay.
    bool SuggestRects();
    // Shows or hides the tint of every differing pixel; the tint stays off on a picture that is not a pair.
    void ShowDifferences(bool on);

    bool LoadPictureJpeg(const std::string& path);
    bool LoadPictureGif(const std::string& path);
    bool LoadPictureBmp(const std::string& path);

    // Mouse, in view coordinates. MouseMove answers whether the view should repaint.
    void LeftDown(int x, int y);
    bool MouseMove(int x, int y);
    void LeftUp();
    void RightDown(int x, int y);

  private:
    ViewRect InView(const MapRect& r) const; // a record in picture pixels as a view rectangle
    bool RequirePair();
    // A new picture or new rectangles make the last check's stray places stale.
    void PictureChanged();
    void Show(const std::string& text);
    // The BMP reader's new picture: packed bottom-up blue-green-red rows, padded here.
    void ReplacePixels(uint32_t width, uint32_t height, std::unique_ptr<uint8_t[]> packedBgr) override;

    MessageBox& messages_;
    BusyIndicator* busy_ = nullptr;
};
