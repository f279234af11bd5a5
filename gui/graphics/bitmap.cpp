#include "gui/graphics/bitmap.h"

#include <png.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "gui/graphics/canvas.h"
#include "gui/graphics/graphics_error.h"

namespace gui {
namespace {

// Keeps a corrupt or hostile header from asking for gigabytes.
constexpr std::uint64_t MaxPixels = std::uint64_t(1) << 26;
// No picture of ours comes near this; it stops an endless source (a device, a pipe) early.
constexpr std::size_t MaxFileBytes = std::size_t(1) << 28;

}  // namespace

// Out of line, like the destructor: the canvas type is incomplete in the header.
TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TColor fill) : FWidth(std::max(width, 0)), FHeight(std::max(height, 0)) {
  if (std::uint64_t(FWidth) * std::uint64_t(FHeight) > MaxPixels * 4)
    throw EGraphicsError("bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                         " pixels is too large");
  if (FWidth == 0 || FHeight == 0) FWidth = FHeight = 0;
  const TColor rgb = ColorToRGB(fill);
  FPixels.assign(std::size_t(FWidth) * std::size_t(FHeight), ColorToPixel(rgb == clNone ? clWhite : rgb));
}

TBitmap::TBitmap(const TBitmap& other)
    : FWidth(other.FWidth),
      FHeight(other.FHeight),
      FScale(other.FScale),
      FPixels(other.FPixels),
      FVariant(other.FVariant) {}

TBitmap::TBitmap(TBitmap&& other) noexcept
    : FWidth(other.FWidth),
      FHeight(other.FHeight),
      FScale(other.FScale),
      FPixels(std::move(other.FPixels)),
      FVariant(std::move(other.FVariant)),
      FCanvas(std::move(other.FCanvas)) {
  other.FWidth = other.FHeight = 0;
  other.FScale = 1;
  other.FPixels.clear();
  if (FCanvas) FCanvas->Rebind(*this);
}

TBitmap& TBitmap::operator=(const TBitmap& other) {
  if (this != &other) {
    FWidth = other.FWidth;
    FHeight = other.FHeight;
    FPixels = other.FPixels;
    FVariant = other.FVariant;
    SetScale(other.FScale);
  }
  return *this;
}

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
  if (this != &other) {
    FWidth = other.FWidth;
    FHeight = other.FHeight;
    FScale = other.FScale;
    FPixels = std::move(other.FPixels);
    FVariant = std::move(other.FVariant);
    FCanvas = std::move(other.FCanvas);
    other.FWidth = other.FHeight = 0;
    other.FScale = 1;
    other.FPixels.clear();
    if (FCanvas) FCanvas->Rebind(*this);
  }
  return *this;
}

void TBitmap::SetScale(int scale) {
  FScale = std::clamp(scale, 1, MaxScale);
  if (FCanvas) FCanvas->Rebind(*this);
}

void TBitmap::SetLogicalSize(int width, int height, int scale) {
  SetScale(scale);
  SetSize(int(std::min<std::int64_t>(std::int64_t(std::max(width, 0)) * FScale, INT32_MAX)),
          int(std::min<std::int64_t>(std::int64_t(std::max(height, 0)) * FScale, INT32_MAX)));
}

struct TBitmap::TVariant {
  int Scale = 1;
  std::span<const std::uint8_t> Png;  // not read yet while Picture is empty
  TColor Background = clWhite;
  std::optional<TBitmap> Picture;
};

void TBitmap::SetVariant(TBitmap&& variant) {
  if (variant.Width() == 0) {
    FVariant.reset();
    return;
  }
  FVariant = std::make_shared<TVariant>();
  FVariant->Scale = variant.Scale();
  FVariant->Picture = std::move(variant);
}

const TBitmap& TBitmap::ForScale(int scale) const {
  if (!FVariant || FVariant->Scale != scale) return *this;
  if (!FVariant->Picture && !FVariant->Png.empty()) {
    const std::span<const std::uint8_t> png = FVariant->Png;
    FVariant->Png = {};  // read once, whatever comes of it
    try {
      TBitmap picture;
      picture.LoadPng(png.data(), png.size(), "the scaled picture", FVariant->Background);
      picture.SetScale(scale);
      FVariant->Picture = std::move(picture);
    } catch (const EGraphicsError&) {
      // The bitmap itself, scaled, still shows the picture.
    }
  }
  return FVariant->Picture ? *FVariant->Picture : *this;
}

void TBitmap::LoadVariantFromMemory(std::span<const std::uint8_t> png, int scale, TColor background) {
  if (png.empty()) return;
  FVariant = std::make_shared<TVariant>();
  FVariant->Scale = std::clamp(scale, 1, MaxScale);
  FVariant->Png = png;
  FVariant->Background = background;
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == 0 || height == 0) width = height = 0;
  if (width == FWidth && height == FHeight) return;
  if (std::uint64_t(width) * std::uint64_t(height) > MaxPixels * 4)
    throw EGraphicsError("bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                         " pixels is too large");
  std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height), ColorToPixel(clWhite));
  const int w = std::min(width, FWidth);
  for (int y = 0; y < std::min(height, FHeight); ++y)
    std::memcpy(pixels.data() + std::size_t(y) * width, ScanLine(y), std::size_t(w) * 4);
  FPixels = std::move(pixels);
  FWidth = width;
  FHeight = height;
}

void TBitmap::Fill(TColor color) {
  const TColor rgb = ColorToRGB(color);
  if (rgb == clNone) return;
  std::fill(FPixels.begin(), FPixels.end(), ColorToPixel(rgb));
}

TColor TBitmap::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return clNone;
  return PixelToColor(ScanLine(y)[x] & 0xFFFFFF);
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return;
  const TColor rgb = ColorToRGB(color);
  if (rgb == clNone) return;
  ScanLine(y)[x] = ColorToPixel(rgb);
}

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) FCanvas = std::make_unique<TCanvas>(*this);
  return *FCanvas;
}

void TBitmap::LoadFromFile(const std::string& path) {
  // Plain stdio: a path that opens but cannot be read (a folder, an I/O error) must come back as
  // our error with its reason, not as a stream exception.
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw EGraphicsError("cannot open image \"" + path + "\": " + std::strerror(errno));
  std::vector<std::uint8_t> data;
  std::uint8_t chunk[65536];
  std::size_t n = 0;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) {
    data.insert(data.end(), chunk, chunk + n);
    if (data.size() > MaxFileBytes) {
      std::fclose(f);
      throw EGraphicsError("cannot load image \"" + path + "\": the file is too large");
    }
  }
  const int err = std::ferror(f) ? (errno != 0 ? errno : EIO) : 0;
  std::fclose(f);
  if (err != 0) throw EGraphicsError("cannot read image \"" + path + "\": " + std::strerror(err));
  LoadPng(data.data(), data.size(), "image \"" + path + "\"");
}

void TBitmap::LoadFromMemory(std::span<const std::uint8_t> png, TColor background) {
  LoadPng(png.data(), png.size(), "image in memory", background);
}

void TBitmap::LoadPng(const std::uint8_t* data, std::size_t size, const std::string& what, TColor background) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (size == 0) throw EGraphicsError("cannot load " + what + ": the data is empty");
  if (!png_image_begin_read_from_memory(&image, data, size))
    throw EGraphicsError("cannot load " + what + ": " + image.message);
  if (image.width == 0 || image.height == 0 || std::uint64_t(image.width) * image.height > MaxPixels) {
    png_image_free(&image);
    throw EGraphicsError("cannot load " + what + ": " + std::to_string(image.width) + " x " +
                         std::to_string(image.height) + " pixels is too large");
  }
  // B, G, R bytes make 0x00RRGGBB words; with no alpha in the requested format libpng
  // composites transparent pixels over the background we pass.
  image.format = PNG_FORMAT_BGR;
  const TColor rgb = ColorToRGB(background == clNone ? clWhite : background);
  const png_color backdrop{png_byte(rgb & 0xFF), png_byte((rgb >> 8) & 0xFF), png_byte((rgb >> 16) & 0xFF)};
  std::vector<std::uint8_t> bgr(std::size_t(image.width) * image.height * 3);
  if (!png_image_finish_read(&image, &backdrop, bgr.data(), 0, nullptr)) {
    const std::string reason = image.message;
    png_image_free(&image);
    throw EGraphicsError("cannot load " + what + ": " + reason);
  }
  std::vector<std::uint32_t> pixels(std::size_t(image.width) * image.height);
  for (std::size_t i = 0; i < pixels.size(); ++i)
    pixels[i] =
        std::uint32_t(bgr[i * 3]) | (std::uint32_t(bgr[i * 3 + 1]) << 8) | (std::uint32_t(bgr[i * 3 + 2]) << 16);
  FPixels = std::move(pixels);
  FWidth = int(image.width);
  FHeight = int(image.height);
  // A new picture: the scale and the variant of the old one do not apply to it.
  FVariant.reset();
  SetScale(1);
}

std::vector<std::uint8_t> TBitmap::SaveToMemory() const {
  if (FWidth == 0 || FHeight == 0) throw EGraphicsError("cannot save an empty (0 x 0) bitmap as PNG");
  std::vector<std::uint8_t> bgr(std::size_t(FWidth) * FHeight * 3);
  for (std::size_t i = 0; i < FPixels.size(); ++i) {
    bgr[i * 3] = std::uint8_t(FPixels[i]);
    bgr[i * 3 + 1] = std::uint8_t(FPixels[i] >> 8);
    bgr[i * 3 + 2] = std::uint8_t(FPixels[i] >> 16);
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(FWidth);
  image.height = png_uint_32(FHeight);
  image.format = PNG_FORMAT_BGR;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, bgr.data(), 0, nullptr))
    throw EGraphicsError(std::string("cannot encode PNG: ") + image.message);
  std::vector<std::uint8_t> out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, bgr.data(), 0, nullptr))
    throw EGraphicsError(std::string("cannot encode PNG: ") + image.message);
  out.resize(size);
  return out;
}

void TBitmap::SaveToFile(const std::string& path) const {
  std::vector<std::uint8_t> data;
  try {
    data = SaveToMemory();
  } catch (const EGraphicsError& e) {
    throw EGraphicsError("cannot save \"" + path + "\": " + e.what());
  }
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw EGraphicsError("cannot save \"" + path + "\": " + std::strerror(errno));
  const bool written = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  const int err = errno;
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed)
    throw EGraphicsError("cannot save \"" + path + "\": " + std::strerror(written ? errno : err));
}

}  // namespace gui
