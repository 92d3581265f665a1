#include "core/dialog/link_label_geometry.h"

#include <gtest/gtest.h>

#include "core/dialog/about_page_texts.h"

namespace markwash {
namespace {

using A = TextAlignment;
using L = TextLayout;
using E = TLinkLabelEllipsis;

LinkLabelStyle Style(A alignment, L layout = L::Top, E ellipsis = E::NoEllipsis,
                     bool accel = true, bool wrap = false, bool tabs = false) {
  LinkLabelStyle s;
  s.alignment = alignment;
  s.layout = layout;
  s.ellipsis = ellipsis;
  s.show_accel_char = accel;
  s.word_wrap = wrap;
  s.expand_tabs = tabs;
  return s;
}

TEST(LinkLabelGeometryTest, DrawTextFlagsCombineEveryProperty) {
  struct Case { LinkLabelStyle style; unsigned flags; };
  const Case cases[] = {
      {Style(A::Left), 0x100},
      {Style(A::Right), 0x102},
      {Style(A::Center), 0x101},
      {Style(A::Left, L::Top, E::EndEllipsis), 0x8100},
      {Style(A::Center, L::Center, E::PathEllipsis, false), 0x4901},
      {Style(A::Left, L::Top, E::NoEllipsis, true, true), 0x110},
      {Style(A::Left, L::Top, E::NoEllipsis, true, false, true), 0x140},
      {Style(A::Right, L::Bottom, E::EndEllipsis, false, true, true), 0x8952},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetDrawTextFlags(c.style), c.flags);
    EXPECT_EQ(GetMeasureTextFlags(c.style), c.flags | 0x400u);
  }
}

TEST(LinkLabelGeometryTest, TextRectFollowsAlignmentAndLayout) {
  struct Case { LinkLabelStyle style; int cw, ch, w, h; TextRect rect; };
  const Case cases[] = {
      // A caption smaller than the label.
      {Style(A::Left, L::Top), 100, 40, 30, 13, {0, 0, 30, 13}},
      {Style(A::Right, L::Top), 100, 40, 30, 13, {70, 0, 100, 13}},
      {Style(A::Center, L::Top), 100, 40, 31, 13, {34, 0, 65, 13}},   // 69 / 2 drops the half
      {Style(A::Left, L::Center), 100, 40, 30, 13, {0, 13, 30, 26}},  // 27 / 2
      {Style(A::Left, L::Bottom), 100, 40, 30, 13, {0, 27, 30, 40}},
      {Style(A::Center, L::Center), 246, 41, 120, 13, {63, 14, 183, 27}},
      // A caption wider or higher than the label: start at 0, cut to the label.
      {Style(A::Right, L::Bottom), 100, 40, 130, 52, {0, 0, 100, 40}},
      {Style(A::Center, L::Center), 100, 40, 105, 45, {0, 0, 100, 40}},  // -5 / 2 is -2, then 0
      {Style(A::Left, L::Top), 100, 40, 130, 52, {0, 0, 100, 40}},
      // Exactly the label's size.
      {Style(A::Center, L::Center), 100, 40, 100, 40, {0, 0, 100, 40}},
  };
  for (const auto& c : cases) {
    const TextRect r = GetTextRect(c.style, c.cw, c.ch, c.w, c.h);
    EXPECT_TRUE(r == c.rect) << r.left << "," << r.top << "," << r.right << "," << r.bottom
                             << " for caption " << c.w << "x" << c.h;
  }
}

TEST(AboutPageTexts, MailTargetNamesThePluginAndItsVersionDate) {
  EXPECT_EQ("mailto:mw@example.org?subject=Markwash-Plugin+2002-01-06", about::AuthorMailTarget("Markwash Plugin"));
}

}  // namespace
}  // namespace markwash
