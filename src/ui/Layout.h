#pragma once

#include <cmath>
#include <span>

class QRect;

namespace ledfont::ui {

// The window was laid out in twips for a smaller font than Qt's default; one twip-to-pixel ratio for
// the whole window keeps the proportions. This one gives every caption room in the usual desktop fonts;
// a font that needs more makes the window use a smaller ratio (see fitToFont).
constexpr double kTwipsPerPixel = 12.0;

// The one conversion from the layout's twips to pixels, used for positions, sizes and the centre marker.
class TwipsScale {
  public:
    constexpr explicit TwipsScale(double twipsPerPixel = kTwipsPerPixel) : twipsPerPixel_(twipsPerPixel) {}

    double twipsPerPixel() const { return twipsPerPixel_; }
    int toPixels(double twips) const { return static_cast<int>(std::lround(twips / twipsPerPixel_)); }
    // A twips rectangle in pixels, converting the edges so neighbours that touch in twips touch in pixels.
    QRect rect(double left, double top, double width, double height) const;

  private:
    double twipsPerPixel_;
};

constexpr int kClientWidth = 14925;
constexpr int kClientHeight = 4050;

enum class ControlKind {
    Button,
    Frame,
    Combo,
    TextBox,
    Option,
    Label,
    Picture,
    Shape,
    DriveList,
    FolderList,
    FileList
};

constexpr int kNoTabStop = -1;

// One control of the window: where it sits (twips, relative to its container; an empty container is the
// window) and its caption at design time.
struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* container;
    const char* caption;
    int left, top, width, height;
    int tabIndex;
};

// Every control, containers before what they hold.
std::span<const ControlRow> windowLayout();

}  // namespace ledfont::ui
