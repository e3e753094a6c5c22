// The colour model: shade and tint mix in linear RGB, luminance, saturation and hue
// transforms work in HSL, and transparency changes no colour number. The expected colours are
// those the spreadsheet programs show for the same transforms (PowerPoint's 25% shade of
// FF99FF, the moderate and intense theme styles, the theme colour picker's darker and lighter
// variants of the Office theme's accents).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "readers/ooxml/color_model.h"

namespace k27093::ooxml {
namespace {

// The colour number of "RRGGBB".
std::int32_t Hex(const std::string& hex) {
  const auto rgb = static_cast<std::int32_t>(std::stoul(hex, nullptr, 16));
  return (rgb >> 16) + 256 * ((rgb >> 8) & 0xFF) + 65536 * (rgb & 0xFF);
}

std::int32_t Apply(const std::string& base, std::vector<document::ColorTransformData> transforms) {
  return TransformedNumber(Hex(base), transforms);
}

TEST(ColorModel, ShadeAndTintMixWithBlackAndWhiteInLinearRgb) {
  EXPECT_EQ(Apply("FF99FF", {{"shade", 0.25}}), Hex("895089"));
  EXPECT_EQ(Apply("3B3B3B", {{"shade", 0.4}}), Hex("242424"));
  EXPECT_EQ(Apply("3B3B3B", {{"tint", 0.83}}), Hex("7D7D7D"));
  EXPECT_EQ(Apply("4F81BD", {{"shade", 0.5}}), Hex("385D8A"));  // a new shape's outline
}

TEST(ColorModel, LumModAndLumOffChangeTheHslLuminance) {
  EXPECT_EQ(Apply("4F81BD", {{"lumMod", 0.75}}), Hex("376092"));
  EXPECT_EQ(Apply("C0504D", {{"lumMod", 0.75}}), Hex("953735"));
  EXPECT_EQ(Apply("4F81BD", {{"lumMod", 0.6}, {"lumOff", 0.4}}), Hex("95B3D7"));
  EXPECT_EQ(Apply("4F81BD", {{"lumMod", 0.2}, {"lumOff", 0.8}}), Hex("DCE6F2"));
}

TEST(ColorModel, TransformsApplyInTheirOrder) {
  // Half the luminance of white, then a 50% shade; the other way round differs.
  EXPECT_EQ(Apply("FFFFFF", {{"lumMod", 0.5}, {"shade", 0.5}}), Hex("5C5C5C"));
  EXPECT_EQ(Apply("FFFFFF", {{"shade", 0.5}, {"lumMod", 0.5}}), Hex("5E5E5E"));
}

TEST(ColorModel, SaturationAndHueTransformsWorkInHsl) {
  EXPECT_EQ(Apply("FF0000", {{"comp", 0}}), Hex("00FFFF"));
  EXPECT_EQ(Apply("FF0000", {{"hueOff", 120}}), Hex("00FF00"));
  EXPECT_EQ(Apply("FF0000", {{"satMod", 0}}), Hex("808080"));
  EXPECT_EQ(Apply("808080", {{"sat", 1}}), Hex("FF0101"));
}

TEST(ColorModel, TransparencyChangesNoColourNumber) {
  EXPECT_EQ(Apply("4F81BD", {{"alpha", 0.5}, {"alphaMod", 0.2}, {"alphaOff", 0.1}}), Hex("4F81BD"));
}

TEST(ColorModel, ComponentTransformsWorkOnLinearComponents) {
  EXPECT_EQ(Apply("FF99FF", {{"redMod", 0.0}}), Hex("0099FF"));
  EXPECT_EQ(Apply("000000", {{"green", 1.0}}), Hex("00FF00"));
  EXPECT_EQ(Apply("FFFFFF", {{"blueOff", -1.0}}), Hex("FFFF00"));
  EXPECT_EQ(Apply("FF0000", {{"inv", 0}}), Hex("00FFFF"));
}

}  // namespace
}  // namespace k27093::ooxml
