#include "twips_table.hpp"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace varnok::window {
namespace {

// A line is one pixel high, at the top of its row.
constexpr int lineTwips = twipsPerPixel;

constexpr std::array places{
    // The heading.
    ControlPlace{"Label9", {1680, 120, 3855, 495}},
    // Site data: captions, fields and units.
    ControlPlace{"Label1", {600, 1095, 1815, 300}},
    ControlPlace{"Text1", {2520, 1080, 615, 300}},
    ControlPlace{"Label11", {3120, 1080, 495, 300}},
    ControlPlace{"Label2", {600, 1560, 1815, 300}},
    ControlPlace{"Text2", {2520, 1560, 615, 300}},
    ControlPlace{"Label12", {3120, 1605, 615, 300}},
    ControlPlace{"Label8", {600, 2040, 1815, 300}},
    ControlPlace{"Text3", {2520, 2040, 615, 300}},
    ControlPlace{"Label16", {600, 2520, 1815, 300}},
    ControlPlace{"Text6", {2520, 2520, 615, 300}},
    ControlPlace{"Label17", {3120, 2565, 615, 300}},
    ControlPlace{"Label19", {600, 3000, 1815, 300}},
    ControlPlace{"Text8", {2520, 3000, 615, 300}},
    ControlPlace{"Label18", {4200, 3000, 1815, 300}},
    ControlPlace{"Text7", {6120, 3000, 615, 300}},
    // The terrain category group.
    ControlPlace{"Label3", {4080, 1080, 1575, 300}},
    ControlPlace{"Label4", {5760, 1080, 615, 300}},
    ControlPlace{"Option1", {6600, 1080, 255, 255}},
    ControlPlace{"Label5", {5760, 1440, 615, 300}},
    ControlPlace{"Option2", {6600, 1440, 255, 255}},
    ControlPlace{"Label6", {5760, 1800, 615, 300}},
    ControlPlace{"Option3", {6600, 1800, 255, 255}},
    ControlPlace{"Label7", {5760, 2160, 615, 300}},
    ControlPlace{"Option4", {6600, 2160, 255, 255}},
    // Glass parameters.
    ControlPlace{"Label20", {480, 3480, 975, 255}},
    ControlPlace{"Line2", {1320, 3540, 5760, lineTwips}},
    ControlPlace{"Label10", {600, 3840, 1815, 300}},
    ControlPlace{"Text4", {2520, 3840, 615, 300}},
    ControlPlace{"Label21", {3120, 3840, 495, 300}},
    ControlPlace{"Label14", {4200, 3840, 1815, 300}},
    ControlPlace{"Text9", {6120, 3840, 615, 300}},
    ControlPlace{"Label22", {6720, 3840, 495, 300}},
    ControlPlace{"Label13", {600, 4320, 1815, 540}},
    ControlPlace{"Text5", {2520, 4440, 615, 300}},
    ControlPlace{"Label31", {3120, 4440, 495, 300}},
    ControlPlace{"Label15", {4200, 4440, 1815, 300}},
    ControlPlace{"Text10", {6120, 4440, 615, 300}},
    ControlPlace{"Label23", {6720, 4440, 495, 300}},
    // Results.
    ControlPlace{"Label28", {480, 5100, 975, 255}},
    ControlPlace{"Line1", {1320, 5160, 5640, lineTwips}},
    ControlPlace{"Label24", {600, 5400, 1815, 405}},
    ControlPlace{"Text11", {2520, 5400, 615, 400}},
    ControlPlace{"Label25", {3120, 5520, 615, 285}},
    ControlPlace{"Label26", {4200, 5400, 1815, 405}},
    ControlPlace{"Text12", {6120, 5400, 615, 400}},
    ControlPlace{"Label27", {6720, 5520, 615, 285}},
    ControlPlace{"Label35", {600, 6000, 1815, 405}},
    ControlPlace{"Text15", {2520, 6000, 615, 400}},
    ControlPlace{"Label34", {3120, 6120, 615, 285}},
    ControlPlace{"Label33", {4200, 6000, 1815, 405}},
    ControlPlace{"Text14", {6120, 6000, 615, 400}},
    ControlPlace{"Label32", {6840, 6120, 375, 285}},
    ControlPlace{"Text16", {4200, 6600, 2295, 350}},
    ControlPlace{"Text17", {6480, 6600, 495, 350}},
    ControlPlace{"Command1", {3240, 7200, 1215, 375}},
};

int roundToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

}  // namespace

std::span<const ControlPlace> controlPlaces() {
  return places;
}

Twips placeOf(std::string_view name) {
  for (const ControlPlace& place : places) {
    if (place.name == name) {
      return place.twips;
    }
  }
  throw std::out_of_range("no control named " + std::string(name));
}

QRect toPixels(Twips twips) {
  return {roundToPixels(twips.left), roundToPixels(twips.top), roundToPixels(twips.width),
          roundToPixels(twips.height)};
}

}  // namespace varnok::window
