#pragma once
// The shapes of a plot read back from its SVG: each path's fill or stroke colour, as cairo
// writes it ("80%,8%,8%"), and its points.

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace cli::testing {

struct TPoint {
  double X, Y;
};

struct TShape {
  std::string Fill, Stroke;  // empty when none
  double StrokeWidth = 0;
  bool Curved = false;  // holds a curve, as an arc or a wedge does
  std::vector<TPoint> Points;

  // An axis-aligned rectangle, as a bar is drawn.
  bool IsRectangle() const {
    return !Curved && Points.size() >= 4 && Points[0].Y == Points[1].Y && Points[1].X == Points[2].X &&
           Points[2].Y == Points[3].Y && Points[3].X == Points[0].X;
  }
  double Left() const { return std::min(Points[0].X, Points[2].X); }
  double Top() const { return std::min(Points[0].Y, Points[2].Y); }
  double Width() const { return std::abs(Points[2].X - Points[0].X); }
  double Height() const { return std::abs(Points[2].Y - Points[0].Y); }
  double Bottom() const { return Top() + Height(); }
};

inline std::string Match(const std::string& text, const std::regex& pattern) {
  std::smatch match;
  return std::regex_search(text, match, pattern) ? match[1].str() : std::string();
}

inline void CollectShapes(xmlNode* node, std::vector<TShape>& shapes) {
  static const std::regex fill(R"(fill:rgb\(([0-9.%,]+)\))"), stroke(R"(stroke:rgb\(([0-9.%,]+)\))"),
      width(R"(stroke-width:([0-9.]+))");
  for (xmlNode* n = node; n; n = n->next) {
    if (n->type == XML_ELEMENT_NODE && xmlStrcmp(n->name, BAD_CAST "path") == 0) {
      xmlChar* style = xmlGetProp(n, BAD_CAST "style");
      xmlChar* d = xmlGetProp(n, BAD_CAST "d");
      const std::string s = style ? reinterpret_cast<const char*>(style) : "";
      std::string path = d ? reinterpret_cast<const char*>(d) : "";
      xmlFree(style);
      xmlFree(d);
      TShape shape;
      shape.Fill = Match(s, fill);
      shape.Stroke = Match(s, stroke);
      const std::string w = Match(s, width);
      shape.StrokeWidth = w.empty() ? 0 : std::stod(w);
      shape.Curved = path.find('C') != std::string::npos;
      for (char& c : path)
        if (std::isalpha(static_cast<unsigned char>(c))) c = ' ';
      std::istringstream numbers(path);
      for (double x, y; numbers >> x >> y;) shape.Points.push_back({x, y});
      if (!shape.Points.empty()) shapes.push_back(std::move(shape));
    }
    CollectShapes(n->children, shapes);
  }
}

// Every path of the SVG file, in drawing order; empty when the file is not well-formed XML.
inline std::vector<TShape> ReadShapes(const std::string& file) {
  std::vector<TShape> shapes;
  xmlDoc* document = xmlReadFile(file.c_str(), nullptr, XML_PARSE_NONET);
  if (!document) return shapes;
  CollectShapes(xmlDocGetRootElement(document), shapes);
  xmlFreeDoc(document);
  return shapes;
}

}  // namespace cli::testing
