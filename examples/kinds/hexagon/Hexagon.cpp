// A kind of shape for Kestrune: a regular hexagon around (X, Y) with its corners Radius
// away, two of them level with the centre.
#include <shapes/iKindPlugin.h>

#include <array>
#include <cmath>
#include <numbers>

namespace {

class cHexagon final : public cShapeOf<cHexagon> {
  public:
    // Label in the edit dialog, name in the record's message, range of a new shape's value.
    static constexpr ShapeValue kValues[] = {
        {"X", "x", CentredBy(2)},
        {"Y", "y", CentredBy(2)},
        {"Radius", "radius", Between(6, 40)},
    };
    // Keyword of the records and the button, caption of the edit dialog.
    static constexpr ShapeKind kKind{"hexagon", "Edit Hexagon", kValues};

    void Draw(std::optional<RgbColor> outline) const override {
        std::array<PolygonPoint, 6> corners;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const double angle = std::numbers::pi / 3 * static_cast<double>(i);
            corners[i] = {static_cast<float>(GetX() + Radius() * std::cos(angle)),
                          static_cast<float>(GetY() + Radius() * std::sin(angle))};
        }
        GraphicPolygon(corners, outline.value_or(kBlack), kShapeFill);
    }

    // Inside both the band between the flat top and bottom and the slanted sides.
    std::int32_t HitTest(std::int32_t x, std::int32_t y) const override {
        const double dx = std::abs(static_cast<double>(x) - GetX());
        const double dy = std::abs(static_cast<double>(y) - GetY());
        const double root3 = std::numbers::sqrt3;
        return dy <= Radius() * root3 / 2 && root3 * dx + dy <= root3 * Radius() ? kTrue : kFalse;
    }

  private:
    double Radius() const { return Value(2); }
};

} // namespace

// What Kestrune loads: the kinds this plugin offers, in the order of their buttons.
class cHexagonPlugin : public QObject, public iKindPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KESTRUNE_KIND_PLUGIN_IID)
    Q_INTERFACES(iKindPlugin)

  public:
    std::vector<std::shared_ptr<cShapeBase>> Kinds() const override {
        return {std::make_shared<cHexagon>()};
    }
};

#include "Hexagon.moc"
