#pragma once

// The drawing kit of the artwork generators: shapes given by signed distance functions, painted
// into a floating-point picture that is sampled 8 x 8 times per pixel so that edges come out
// smooth, and saved as PNG either with an alpha channel or opaque over a transparent colour.

#include <functional>
#include <string>
#include <vector>

namespace art {

struct TRgba {
  float R = 0, G = 0, B = 0, A = 0;  // premultiplied in a picture, straight in a paint
};

struct TVec {
  float X, Y;
};

struct TRgb8 {
  int R, G, B;
  bool operator==(const TRgb8&) const = default;
};

using TShape = std::function<float(TVec)>;  // signed distance: negative inside
using TPaint = std::function<TRgba(TVec)>;  // straight (not premultiplied) colour at a point

TRgba Rgb(int r, int g, int b, float a = 1.f);
TRgba Mix(TRgba a, TRgba b, float t);
float Length(float x, float y);

TShape Circle(TVec c, float r);
// A line from a to b with round ends, r thick on either side.
TShape Capsule(TVec a, TVec b, float r);
TShape Box(float left, float top, float right, float bottom);
// A box whose corners are rounded by r, inside the given bounds.
TShape RoundBox(float left, float top, float right, float bottom, float r);
// An approximate distance, good enough near the outline of a not too flat ellipse.
TShape Ellipse(TVec c, float rx, float ry);
// A convex polygon with its corners rounded by r (the outline lies r outside the given points).
TShape Polygon(std::vector<TVec> pts, float r);
// A regular polygon of n corners at radius r around c, the first corner at angle `first` degrees.
std::vector<TVec> RegularPolygon(TVec c, float r, int n, float first);
TShape Union(std::vector<TShape> parts);
TShape Intersect(TShape a, TShape b);
TShape Subtract(TShape a, TShape b);
// Part of a ring around c (radius r, thickness 2 h) from angle `from` to `to` in degrees, measured
// clockwise on screen from the positive x axis, with round ends.
TShape Arc(TVec c, float r, float h, float from, float to);
// The points whose distance to the shape's outline lies between inner and outer.
TShape Band(TShape shape, float inner, float outer);
TShape Moved(TShape shape, TVec by);

TPaint Solid(TRgba c);
TPaint Vertical(TRgba top, TRgba bottom, float y0, float y1);
TPaint Radial(TVec c, float r, TRgba inner, TRgba outer);

// The scale at which pictures made from now on are drawn: a picture of width x height units then
// has scale times as many pixels each way, shapes and paints keep their units, and shadows blur
// over as many units. Scale 1 (the default) draws one pixel per unit.
void SetPictureScale(int scale);

class TPicture {
 public:
  TPicture(int width, int height);

  int Width() const { return FWidth; }  // pixels
  int Height() const { return FHeight; }

  // Paints the shape over what is there, antialiased by supersampling.
  void Fill(const TShape& shape, const TPaint& paint);
  // A blurred grey copy of the shape, moved down and to the right; `blur` passes of a 3 x 3 box.
  void Shadow(const TShape& shape, TVec offset, float opacity, int blur = 2);

  // RGBA, the picture's own transparency kept.
  bool SaveRgba(const std::string& path) const;
  // RGB for bitmaps whose transparent colour is `key`: untouched pixels get the key, the others are
  // blended over `matte`, the colour the picture will be shown on, so its edges leave no fringe. A
  // blended pixel that happens to equal the key is moved by one step so that it stays visible.
  bool SaveOpaque(const std::string& path, TRgb8 key, TRgb8 matte) const;

 private:
  std::vector<float> Blur(const std::vector<float>& in) const;
  void Over(int x, int y, TRgba src);
  bool Write(const std::string& path, const std::vector<unsigned char>& data, bool alpha) const;

  int FScale;
  int FWidth, FHeight;
  std::vector<TRgba> FPixels;
};

}  // namespace art
