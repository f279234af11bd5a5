#include "cli/plot.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <boost/math/distributions/binomial.hpp>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/plot_panels.h"

namespace cli {

namespace {

using plot::Draw;

cairo_status_t WriteTo(void* file, const unsigned char* data, unsigned int length) {
  return std::fwrite(data, 1, length, static_cast<std::FILE*>(file)) == length ? CAIRO_STATUS_SUCCESS
                                                                               : CAIRO_STATUS_WRITE_ERROR;
}

// Draws on a surface of the format that writes into `file`; returns cairo's verdict.
cairo_status_t Render(TPlotFormat format, std::FILE* file, const TAnalysis& a, const std::string& title) {
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
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return std::nullopt;
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

  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) throw fail(std::strerror(errno));
  ::fchmod(fd, 0644);
  std::FILE* file = ::fdopen(fd, "wb");
  if (!file) {
    const int error = errno;
    ::close(fd);
    ::unlink(temporary.c_str());
    throw fail(std::strerror(error));
  }
  const cairo_status_t status = Render(*format, file, analysis, title);
  const bool written = status == CAIRO_STATUS_SUCCESS && std::fflush(file) == 0 && ::fsync(fd) == 0;
  const int error = errno;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    ::unlink(temporary.c_str());
    throw fail(status != CAIRO_STATUS_SUCCESS ? cairo_status_to_string(status) : std::strerror(error));
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const int renameError = errno;
    ::unlink(temporary.c_str());
    throw fail(std::strerror(renameError));
  }
}

}  // namespace cli
