#include "cli/plot.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <cctype>
#include <memory>
#include <string>

#include "cli/plot_panels.h"
#include "files/replace_file.h"

namespace cli {

namespace {

using plot::Draw;

// The picture is made in memory, then replaces the file whole.
cairo_status_t WriteTo(void* content, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(content)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// Draws on a surface of the format that writes into `file`; returns cairo's verdict.
cairo_status_t Render(TPlotFormat format, std::string* file, const TAnalysis& a, const std::string& title) {
  cairo_surface_t* surface = nullptr;
  switch (format) {
    case TPlotFormat::pfSvg:
      surface = cairo_svg_surface_create_for_stream(WriteTo, file, PlotWidth, PlotHeight);
      break;
    case TPlotFormat::pfPdf:
      surface = cairo_pdf_surface_create_for_stream(WriteTo, file, PlotWidth, PlotHeight);
      break;
    case TPlotFormat::pfPng:
      surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, PlotWidth, PlotHeight);
      break;
  }
  const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> owned(surface, cairo_surface_destroy);
  cairo_t* cr = cairo_create(surface);
  Draw(cr, a, title);
  cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  if (status != CAIRO_STATUS_SUCCESS) return status;
  if (format == TPlotFormat::pfPng) return cairo_surface_write_to_png_stream(surface, WriteTo, file);
  cairo_surface_finish(surface);
  return cairo_surface_status(surface);
}

}  // namespace

std::optional<TPlotFormat> PlotFormatOf(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  // A name is needed before the extension: ".png" alone is a hidden file without a name.
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  if (dot == std::string_view::npos || dot <= nameStart) return std::nullopt;
  std::string extension(path.substr(dot + 1));
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == "svg") return TPlotFormat::pfSvg;
  if (extension == "png") return TPlotFormat::pfPng;
  if (extension == "pdf") return TPlotFormat::pfPdf;
  return std::nullopt;
}

void WritePlot(const TAnalysis& analysis, const std::string& title, const std::string& path) {
  const std::optional<TPlotFormat> format = PlotFormatOf(path);
  if (!format)
    throw TPlotError("cannot tell the plot's format from \"" + path + "\" (name it .svg, .png or .pdf)");
  const auto fail = [&](const std::string& why) {
    return TPlotError("cannot write the plot \"" + path + "\": " + why);
  };

  std::string content;
  const cairo_status_t status = Render(*format, &content, analysis, title);
  if (status != CAIRO_STATUS_SUCCESS) throw fail(cairo_status_to_string(status));
  // The user's own file: any entry under the name is replaced, the mode follows the umask, and
  // the picture is on the disk when the program says it is written.
  files::TReplaceOptions options;
  options.Mode = 0666;
  options.FollowUmask = true;
  options.OwnFileOnly = false;
  options.Durability = files::TDurability::drEverything;
  try {
    files::ReplaceFile(path, content, options);
  } catch (const files::TFileError& e) {
    throw fail(e.what());
  }
}

}  // namespace cli
