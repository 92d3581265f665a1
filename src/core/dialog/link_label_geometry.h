// Where and how a link label draws its caption: the text-drawing flags of its
// properties and the caption's rectangle inside the label. The flag values
// are those of the system's text-drawing function.
#pragma once

namespace markwash {

namespace draw_text {
constexpr unsigned kLeft = 0x0;
constexpr unsigned kCenter = 0x1;
constexpr unsigned kRight = 0x2;
constexpr unsigned kWordBreak = 0x10;
constexpr unsigned kExpandTabs = 0x40;
constexpr unsigned kExternalLeading = 0x100;
constexpr unsigned kCalcRect = 0x400;
constexpr unsigned kNoPrefix = 0x800;
constexpr unsigned kPathEllipsis = 0x4000;
constexpr unsigned kEndEllipsis = 0x8000;
}  // namespace draw_text

enum class TextAlignment { Left, Right, Center };
enum class TextLayout { Top, Center, Bottom };
enum class TLinkLabelEllipsis { NoEllipsis, EndEllipsis, PathEllipsis };

struct LinkLabelStyle {
  TextAlignment alignment = TextAlignment::Left;
  TextLayout layout = TextLayout::Top;
  TLinkLabelEllipsis ellipsis = TLinkLabelEllipsis::NoEllipsis;
  bool show_accel_char = true;
  bool word_wrap = false;
  bool expand_tabs = false;
};

struct TextRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const TextRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// The flags the caption is drawn with.
unsigned GetDrawTextFlags(const LinkLabelStyle& style);

// The flags the caption is measured with: the drawing flags plus the
// calculate-only flag.
unsigned GetMeasureTextFlags(const LinkLabelStyle& style);

// The caption's rectangle in label coordinates, from the measured caption
// size: placed by alignment and layout, never starting left of or above the
// label, and cut to the label's size when the caption is larger.
TextRect GetTextRect(const LinkLabelStyle& style, int client_width, int client_height,
                     int measured_width, int measured_height);

}  // namespace markwash
