#pragma once
#include <cstddef>

// The intro's dialogue in 56 slots, read four at a time: slots 0..48 are two speakers talking (a speech
// opens with the speaker's name and a colon, its next lines start with a space), 49..51 are empty and
// 52..55 are the closing page; each at most 20 bytes of code page 949.
constexpr int kIntroSlots = 56;
constexpr size_t kIntroSlotBytes = 20;
// The ending's credits, one line shown at a time, each at most 39 bytes. Role, adviser and tester lines
// are a label padded to 11 bytes, a colon and the names.
constexpr int kCreditLines = 22;
constexpr size_t kCreditLineBytes = 39;
constexpr size_t kCreditLabelBytes = 11;

// Every text the game shows at run time, by its number in the language tables.
enum TextId : int {
    TextIntro = 0,                              // kIntroSlots slots
    TextCredits = TextIntro + kIntroSlots,      // kCreditLines lines
    TextPackMaker = TextCredits + kCreditLines, // pack info defaults: maker, line 3, line 4
    TextPackNoInfo,
    TextPackEnjoy,
    TextPackFileName, // "%s": the pack's file name
    TextPackMadeBy,   // "%s": the maker
    TextPause,
    TextVersion,
    TextDisplayFailed, // error boxes
    TextInputFailed,
    TextNoDataPack,
    TextPackLoadError,     // "%s": the pack
    TextPictureLoadError,  // "%s": the picture
    TextMapFileLoadError,  // "%s": the map file
    TextMapEntryLoadError, // "%s": the map's entry in its pack
    TextSaveWriteError,    // "%s": why
    TextOptionsHint,       // the title's note of the options key
    TextOptionFullScreen,  // the options screen's values
    TextOptionWindow,
    TextOptionAuto,
    TextOptionOn,
    TextOptionOff,
    TextOptionKorean,
    TextOptionEnglish,
    TextOptionPressKey,
    TextOptionCancelHint,
    TextOptionKeyReserved,
    TextOptionKeyTaken,
    TextSettingsWriteError, // "%s": why
    TextTodayPack,          // the selection screen's entries of made pairs: name and three lines each
    TextTodayLine1,
    TextTodayLine2,
    TextTodayLine3,
    TextEndlessPlay,
    TextEndlessLine1,
    TextEndlessLine2,
    TextEndlessLine3,
    TextNetDifferentVersion,  // network play: "%s / %s", this machine's and the other's
    TextNetDifferentEdition,  // "%s / %s"
    TextNetDifferentPacks,    // "%s": the first pack that differs
    TextNetDifferentPictures, // "%s": the archive that differs
    TextNetCannotJoin,        // "%s": why
    TextNetPeerLeft,
    TextNetDesync, // "%s": the file with both states
    kTextCount
};

constexpr TextId IntroText(int slot) {
    return static_cast<TextId>(TextIntro + slot);
}
constexpr TextId CreditText(int line) {
    return static_cast<TextId>(TextCredits + line);
}
