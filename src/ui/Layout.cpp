#include "ui/Layout.h"

#include <QRect>
#include <array>

namespace ledfont::ui {

namespace {

using K = ControlKind;

constexpr std::array<ControlRow, 31> kLayout{{
    {"Command1", K::Button, "", "jconv", 7080, 3720, 1335, 375, 24},
    {"cmdConvertToHex", K::Button, "", "Make HEX File", 6960, 3000, 1575, 495, 21},
    {"Frame1", K::Frame, "", "", 120, 120, 6615, 3735, 0},
    {"FrameJ", K::Frame, "Frame1", "Jukta", 4680, 1560, 1815, 1455, 25},
    {"cmbJuk_1", K::Combo, "FrameJ", "Combo2", 960, 720, 735, 315, 29},
    {"cmbJuk_0", K::Combo, "FrameJ", "Combo1", 120, 720, 735, 315, 28},
    {"txtJukta_1", K::TextBox, "FrameJ", "", 960, 360, 735, 285, 27},
    {"txtJukta_0", K::TextBox, "FrameJ", "", 120, 360, 735, 285, 26},
    {"cmdShowInc", K::Button, "Frame1", ">>", 5760, 720, 735, 495, 16},
    {"cmdShowDec", K::Button, "Frame1", "<<", 4800, 720, 735, 495, 15},
    {"Frame2", K::Frame, "Frame1", "", 120, 240, 4455, 3255, 1},
    {"optIkaar", K::Option, "Frame2", "Ikaar", 2880, 2400, 855, 375, 14},
    {"optVowel", K::Option, "Frame2", "Vowel", 2880, 2040, 975, 375, 13},
    {"optConst", K::Option, "Frame2", "Consonant", 2880, 1800, 1335, 255, 12},
    {"cmbCentre", K::Combo, "Frame2", "Combo1", 2880, 1320, 975, 315, 11},
    {"cmbCols", K::Combo, "Frame2", "Combo1", 2880, 480, 975, 315, 7},
    {"pic", K::Picture, "Frame2", "", 240, 360, 2535, 2535, 2},
    {"shpCentre", K::Shape, "Frame2", "", 480, 240, 135, 135, kNoTabStop},
    {"Label2", K::Label, "Frame2", "Centre", 2880, 1080, 735, 255, 10},
    {"Label1", K::Label, "Frame2", "No. of Cols.", 2880, 240, 975, 255, 8},
    {"lblLoc", K::Label, "Frame1", "Loc", 4800, 360, 1695, 255, 9},
    {"Frame3", K::Frame, "", "Font File", 6960, 120, 7935, 2775, 3},
    {"optJukta", K::Option, "Frame3", "Jukta512", 1440, 720, 1095, 195, 23},
    {"optHindi", K::Option, "Frame3", "Hindi", 1440, 360, 975, 195, 22},
    {"Drive1", K::DriveList, "Frame3", "", 360, 1800, 2055, 315, 19},
    {"File1", K::FileList, "Frame3", "", 5160, 240, 2535, 1845, 18},
    {"Dir1", K::FolderList, "Frame3", "", 2760, 240, 2295, 1890, 17},
    {"cmdLoad", K::Button, "Frame3", "Load", 120, 1200, 1095, 375, 6},
    {"cmdSave", K::Button, "Frame3", "Save", 120, 720, 1095, 375, 5},
    {"cmdNew", K::Button, "Frame3", "New", 120, 240, 1095, 375, 4},
    {"lblFile", K::Label, "Frame3", "File :", 240, 2400, 7095, 255, 20},
}};

}  // namespace

QRect TwipsScale::rect(double left, double top, double width, double height) const {
    int x = toPixels(left), y = toPixels(top);
    return {x, y, toPixels(left + width) - x, toPixels(top + height) - y};
}

std::span<const ControlRow> windowLayout() {
    return kLayout;
}

}  // namespace ledfont::ui
