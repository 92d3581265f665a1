#include "core/dialog/link_label_geometry.h"

#include <algorithm>

namespace markwash {

unsigned GetDrawTextFlags(const LinkLabelStyle& style) {
  unsigned flags = draw_text::kExternalLeading;
  switch (style.alignment) {
    case TextAlignment::Left: flags |= draw_text::kLeft; break;
    case TextAlignment::Right: flags |= draw_text::kRight; break;
    case TextAlignment::Center: flags |= draw_text::kCenter; break;
  }
  switch (style.ellipsis) {
    case TLinkLabelEllipsis::NoEllipsis: break;
    case TLinkLabelEllipsis::EndEllipsis: flags |= draw_text::kEndEllipsis; break;
    case TLinkLabelEllipsis::PathEllipsis: flags |= draw_text::kPathEllipsis; break;
  }
  if (!style.show_accel_char) flags |= draw_text::kNoPrefix;
  if (style.word_wrap) flags |= draw_text::kWordBreak;
  if (style.expand_tabs) flags |= draw_text::kExpandTabs;
  return flags;
}

unsigned GetMeasureTextFlags(const LinkLabelStyle& style) {
  return GetDrawTextFlags(style) | draw_text::kCalcRect;
}

TextRect GetTextRect(const LinkLabelStyle& style, int client_width, int client_height,
                     int measured_width, int measured_height) {
  TextRect rect;
  switch (style.alignment) {
    case TextAlignment::Left: rect.left = 0; break;
    case TextAlignment::Right: rect.left = client_width - measured_width; break;
    case TextAlignment::Center: rect.left = (client_width - measured_width) / 2; break;
  }
  rect.left = std::max(rect.left, 0);
  rect.right = rect.left + std::min(measured_width, client_width);

  switch (style.layout) {
    case TextLayout::Top: rect.top = 0; break;
    case TextLayout::Center: rect.top = (client_height - measured_height) / 2; break;
    case TextLayout::Bottom: rect.top = client_height - measured_height; break;
  }
  rect.top = std::max(rect.top, 0);
  rect.bottom = rect.top + std::min(measured_height, client_height);
  return rect;
}

}  // namespace markwash
