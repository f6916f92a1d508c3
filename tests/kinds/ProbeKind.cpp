// A kind plugin for the refusal tests, shaped by its build: PROBE_IID, the keyword
// PROBE_KEYWORD of its first kind (the others add a digit), PROBE_VALUES values per kind,
// PROBE_KINDS kinds offered. Its kinds derive from cShapeBase itself, which cannot refuse
// a bad number of values at compile time as cShapeOf does.
#include "shapes/iKindPlugin.h"

#include <span>

namespace {

constexpr ShapeValue kValues[] = {{"X", "x", Between(1, 9)},
                                  {"Y", "y", Between(1, 9)},
                                  {"A", "a", Between(1, 9)},
                                  {"B", "b", Between(1, 9)},
                                  {"C", "c", Between(1, 9)}};
constexpr auto kDeclared = std::span(kValues).first(PROBE_VALUES);
constexpr ShapeKind kKinds[] = {
    {PROBE_KEYWORD, "Probe", kDeclared},     {PROBE_KEYWORD "2", "Probe", kDeclared},
    {PROBE_KEYWORD "3", "Probe", kDeclared}, {PROBE_KEYWORD "4", "Probe", kDeclared},
    {PROBE_KEYWORD "5", "Probe", kDeclared}, {PROBE_KEYWORD "6", "Probe", kDeclared}};

class cProbe final : public cShapeBase {
  public:
    explicit cProbe(const ShapeKind& kind) : kind_(kind) {}
    const ShapeKind& Kind() const override { return kind_; }
    void Draw(std::optional<RgbColor>) const override {}
    void Edit(iShapeEditHost&) override {}
    std::shared_ptr<iShape> NewShape() const override { return std::make_shared<cProbe>(kind_); }
    std::int32_t HitTest(std::int32_t, std::int32_t) const override { return kFalse; }

  private:
    const ShapeKind& kind_;
};

} // namespace

class cProbePlugin : public QObject, public iKindPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PROBE_IID)
    Q_INTERFACES(iKindPlugin)

  public:
    std::vector<std::shared_ptr<cShapeBase>> Kinds() const override {
        std::vector<std::shared_ptr<cShapeBase>> kinds;
        for (int i = 0; i < PROBE_KINDS; ++i)
            kinds.push_back(std::make_shared<cProbe>(kKinds[i]));
        return kinds;
    }
};

#include "ProbeKind.moc"
