// Measures each of Kestrune's bulk operations against a floor measured in the same run on
// the same data, and prints ours / floor. Run on the offscreen platform:
//   QT_QPA_PLATFORM=offscreen build/release/bench/kestrune_bench
#include "app/DrawingHistory.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "app/Selection.h"
#include "app/ShapeLookup.h"
#include "file/DrawingFile.h"
#include "shapes/LinkListCollection.h"
#include "shapes/RandomSource.h"
#include "shapes/ShapeKind.h"
#include "shapes/iShape.h"
#include "ui/DialogService.h"
#include "ui/GraphicControl.h"
#include "ui/GraphicService.h"
#include "ui/GraphicSurface.h"

#include <QApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <malloc.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kAreaId = 101;

// What the floor knows of a kind, read from its prototype's record: the keyword and how
// many values follow it.
struct FloorKind {
    std::string keyword;
    std::size_t values;
};

std::vector<FloorKind> FloorKinds(const LinkListCollection& prototypes) {
    std::vector<FloorKind> kinds;
    for (std::int32_t i = 1; i <= prototypes.COUNT(); ++i) {
        const std::string record = prototypes.ITEM(i)->ToText();
        kinds.push_back({record.substr(0, record.find(',')),
                         static_cast<std::size_t>(std::count(record.begin(), record.end(), ','))});
    }
    return kinds;
}

std::uint32_t KindNamed(const std::vector<FloorKind>& kinds, std::string_view keyword) {
    std::uint32_t kind = 0;
    while (kind < kinds.size() && kinds[kind].keyword != keyword)
        ++kind;
    return kind;
}

// One primitive as a shape asks for it, with its pen and brush: an ellipse in its box or
// a polygon.
struct Primitive {
    QPen pen;
    QBrush brush;
    std::optional<QRectF> ellipse;
    QPolygon polygon; // the surface paints polygons on whole pixels
    Qt::FillRule rule = Qt::WindingFill;
};

// Keeps what is painted on it as primitives, for the floor to paint again with one painter
// and nothing else.
class PrimitiveRecorder final : public QPaintEngine {
  public:
    PrimitiveRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    std::vector<Primitive> primitives;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyPen)
            pen_ = state.pen();
        if (state.state() & QPaintEngine::DirtyBrush)
            brush_ = state.brush();
    }
    void drawEllipse(const QRectF& box) override {
        primitives.push_back({pen_, brush_, box, {}, Qt::WindingFill});
    }
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override {
        primitives.push_back({pen_, brush_, std::nullopt, QPolygon(QList(points, points + count)),
                              mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill});
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        drawPolygon(QPolygonF(QList(points, points + count)).toPolygon().constData(), count, mode);
    }
    void drawRects(const QRectF*, int) override {} // the clear: the floor starts white
    void drawRects(const QRect*, int) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return QPaintEngine::User; }

  private:
    QPen pen_;
    QBrush brush_;
};

class PrimitiveDevice final : public QPaintDevice {
  public:
    QPaintEngine* paintEngine() const override { return &recorder; }
    mutable PrimitiveRecorder recorder;

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return kDrawingSize;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 96;
        }
    }
};

// What draw paints on the drawing area's surface, as primitives.
std::vector<Primitive> Recorded(WindowHandle dialog, const std::function<void()>& draw) {
    PrimitiveDevice device;
    QPainter painter(&device);
    GraphicSurface& surface = GraphicControlOf(GetControl(dialog, kAreaId))->Surface();
    surface.RecordInto(&painter);
    draw();
    surface.RecordInto(nullptr);
    painter.end();
    return std::move(device.recorder.primitives);
}

// The box a shape's primitives cover, in whole pixels, its edges included.
struct Box {
    std::int32_t left, top, right, bottom;
};

Box BoxOf(const std::vector<Primitive>& primitives) {
    QRectF box;
    for (const Primitive& p : primitives) {
        const qreal grow = p.pen.widthF() / 2 + 1;
        box |=
            (p.ellipse ? *p.ellipse : p.polygon.boundingRect()).adjusted(-grow, -grow, grow, grow);
    }
    const QRect whole = box.toAlignedRect();
    return {whole.left(), whole.top(), whole.right(), whole.bottom()};
}

// A shape as bare values and, for the hit floor, the box it covers: the floor's data.
struct PlainShape {
    std::uint32_t kind;
    std::array<std::int32_t, kMostShapeValues> values;
    Box box;
};

std::vector<PlainShape> ToPlain(WindowHandle dialog, const LinkListCollection& shapes,
                                const std::vector<FloorKind>& kinds) {
    std::vector<PlainShape> plain;
    GraphicAttach(dialog, kAreaId, false);
    GraphicSetWidth(2);
    for (std::int32_t i = 1; i <= shapes.COUNT(); ++i) {
        const auto& shape = shapes.ITEM(i);
        PlainShape s{KindNamed(kinds, shape->ShapeName()),
                     {},
                     BoxOf(Recorded(dialog, [&shape] { shape->Draw(std::nullopt); }))};
        const ShapeValues values = shape->Values();
        std::copy(values.begin(), values.end(), s.values.begin());
        plain.push_back(s);
    }
    GraphicDetach();
    return plain;
}

LinkListCollection Prototypes() {
    LinkListCollection prototypes;
    RegisterPrototypes(prototypes);
    return prototypes;
}

// A fixed mix of the registered kinds from a fixed seed.
void Build(LinkListCollection& shapes, const LinkListCollection& prototypes, int count) {
    SeedRandom(20261206);
    for (int i = 0; i < count; ++i)
        shapes.ADD(prototypes.ITEM(1 + i % prototypes.COUNT())->NewShape());
}

template <class Work> double BestMs(int repeats, Work work) {
    double best = 1e300;
    for (int r = 0; r < repeats; ++r) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

volatile std::int64_t g_sink = 0; // keeps results alive

// --- floors -------------------------------------------------------------------------

void PaintPrimitives(QPainter& painter, const std::vector<Primitive>& primitives) {
    for (const Primitive& p : primitives) {
        if (painter.pen() != p.pen)
            painter.setPen(p.pen);
        if (painter.brush() != p.brush)
            painter.setBrush(p.brush);
        if (p.ellipse)
            painter.drawEllipse(*p.ellipse);
        else
            painter.drawPolygon(p.polygon, p.rule);
    }
}

void PaintFloor(QImage& image, const std::vector<Primitive>& drawing) {
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::white);
    PaintPrimitives(painter, drawing);
}

std::vector<PlainShape> ParseFloor(const std::string& text, const std::vector<FloorKind>& kinds) {
    std::vector<PlainShape> shapes;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* lineEnd = std::search(p, end, "\r\n", "\r\n" + 2);
        const char* comma = std::find(p, lineEnd, ',');
        const std::string_view keyword(p, static_cast<std::size_t>(comma - p));
        PlainShape s{KindNamed(kinds, keyword), {}, {}};
        const char* q = comma;
        for (std::size_t f = 0; f < s.values.size() && q < lineEnd; ++f)
            q = std::from_chars(q + 1, lineEnd, s.values[f]).ptr;
        if (s.kind < kinds.size())
            shapes.push_back(s);
        p = lineEnd == end ? end : lineEnd + 2;
    }
    return shapes;
}

std::size_t FormatFloor(const std::vector<PlainShape>& shapes, const std::vector<FloorKind>& kinds,
                        std::vector<char>& buffer) {
    char* out = buffer.data();
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const PlainShape& s = shapes[i];
        const FloorKind& kind = kinds[s.kind];
        out = std::copy(kind.keyword.begin(), kind.keyword.end(), out);
        for (std::size_t f = 0; f < kind.values; ++f) {
            *out++ = ',';
            out = std::to_chars(out, buffer.data() + buffer.size(), s.values[f]).ptr;
        }
        if (i + 1 < shapes.size()) {
            *out++ = '\r';
            *out++ = '\n';
        }
    }
    return static_cast<std::size_t>(out - buffer.data());
}

// A point outside a shape's box needs no finer test.
std::int32_t HitSearchFloor(const std::vector<PlainShape>& shapes, std::int32_t x, std::int32_t y) {
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const Box& b = shapes[i].box;
        if (x >= b.left && x <= b.right && y >= b.top && y <= b.bottom)
            return static_cast<std::int32_t>(i + 1);
    }
    return 0;
}

struct Row {
    const char* operation;
    int count;
    double ours;
    double floor;
    double target;
};

void Print(const Row& row, const char* unit) {
    std::printf("| %-22s | %7d | %10.3f %-2s | %10.3f %-2s | %6.2fx | <= %.1fx %s |\n",
                row.operation, row.count, row.ours, unit, row.floor, unit, row.ours / row.floor,
                row.target, row.ours / row.floor <= row.target ? "ok" : "MISSED");
}

// --- interactions on the real main window ---------------------------------------------

// One interaction that changes or selects; prepare, untimed, comes before each one.
struct Interaction {
    const char* name;
    std::function<void(std::int32_t middle)> work;
    std::function<void()> prepare = [] {};
};

// The fastest of repeats runs of work, each after an untimed prepare.
double BestPreparedMs(int repeats, const Interaction& interaction) {
    double best = 1e300;
    for (int r = 0; r < repeats; ++r) {
        interaction.prepare();
        const std::int32_t middle = Program().Shapes.COUNT() / 2;
        best = std::min(best, BestMs(1, [&] { interaction.work(middle); }));
    }
    return best;
}

std::vector<Interaction> Interactions() {
    const WindowHandle main = Program().MainWindow;
    return {
        {"select",
         [main](std::int32_t) {
             SelectShape(main, FindShapeAt(Program().Shapes, 160, 160), Host());
         }},
        {"add", [](std::int32_t) { AddShape(Program().ShapeTypes.ITEM(1)->NewShape()); }},
        {"Update",
         [](std::int32_t middle) {
             ShapeValues values = Program().Shapes.ITEM(middle)->Values();
             values[0] += 5;
             UpdateShape(middle, values);
             RedrawShapes();
         }},
        {"Delete", [](std::int32_t middle) { DeleteShape(middle); }},
        {"Duplicate",
         [main](std::int32_t middle) { SelectShape(main, DuplicateShape(middle), Host()); }},
        {"Bring to Front", [](std::int32_t middle) { BringToFront(middle); }},
        {"arrow nudge",
         [](std::int32_t middle) {
             NudgeShape(middle, 1, 0, 0);
             RedrawSelected(*Program().Shapes.ITEM(middle));
         }},
        {"start of a drag",
         [main](std::int32_t middle) {
             BeginDragLayers(main, kDrawingAreaId, Program().Shapes, middle);
             EndDragLayers(main, kDrawingAreaId);
         }},
        {"undo of an add", [](std::int32_t) { UndoChange(); },
         [] { AddShape(Program().ShapeTypes.ITEM(1)->NewShape()); }},
    };
}

// Each interaction on the real main window with a drawing of 1,000, 10,000 and 100,000
// shapes, against one bare painter copying the area's image and drawing one shape. Each
// repaints one shape's box, so its cost must not follow the drawing's size.
void InteractionRows(const LinkListCollection& prototypes) {
    ResetProgram();
    RegisterPrototypes(Program().ShapeTypes);
    BuildMainWindow();
    ShowModeless(Program().MainWindow);
    const std::vector<Interaction> interactions = Interactions();
    std::printf("\n| interaction        |  shapes |       ours |      floor | target      |\n");
    std::printf("|--------------------|---------|------------|------------|-------------|\n");
    std::vector<std::vector<double>> costs(interactions.size());
    for (const int count : {1000, 10000, 100000}) {
        const int repeats = count >= 100000 ? 5 : 10;
        LinkListCollection shapes;
        Build(shapes, prototypes, count);
        LoadShapes(std::move(shapes));
        RedrawShapes();
        Program().History->clear();
        QImage image(318, 318, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QImage area = image.copy();
        const double floor = BestMs(repeats * 10, [&] {
            image = area.copy();
            QPainter painter(&image);
            painter.setBrush(QColor(168, 255, 255));
            painter.drawEllipse(QRectF(100, 100, 39, 39));
        });
        const double target = count >= 100000 ? 100 : 16;
        for (std::size_t i = 0; i < interactions.size(); ++i) {
            const double ours = BestPreparedMs(repeats, interactions[i]);
            costs[i].push_back(ours);
            std::printf("| %-18s | %7d | %7.3f ms | %7.3f ms | <= %3.0f ms %s |\n",
                        interactions[i].name, count, ours, floor, target,
                        ours <= target ? "ok" : "MISSED");
        }
    }
    std::printf("\nInteractions, ours at 100k against 1k shapes (at most 3x):\n");
    for (std::size_t i = 0; i < interactions.size(); ++i)
        std::printf("  %-18s %5.1fx %s\n", interactions[i].name, costs[i][2] / costs[i][0],
                    costs[i][2] <= 3 * costs[i][0] ? "ok" : "MISSED");
    CloseDialog(Program().MainWindow, 0);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const WindowHandle dialog =
        NewDialog(kPixelUnits, 0, "Bench", 0, 0, 320, 320,
                  Style::Caption | Style::SystemMenu | Style::MinimizeBox, 0);
    AddControl(kGraphicControl, dialog, kAreaId, "", 0, 0, 320, 320,
               Style::Border | Style::NotifyClicks, 0);
    ShowModeless(dialog);
    const LinkListCollection prototypes = Prototypes();
    const std::vector<FloorKind> kinds = FloorKinds(prototypes);

    std::printf("| operation              |  shapes |          ours |         floor |  ratio | "
                "target    |\n");
    std::printf("|------------------------|---------|---------------|---------------|--------|-----"
                "------|\n");
    std::vector<Row> repaint, load, save, hit, drag;
    for (const int count : {1000, 10000, 100000}) {
        const int repeats = count >= 100000 ? 3 : 10;
        LinkListCollection shapes;
        Build(shapes, prototypes, count);
        const std::vector<PlainShape> plain = ToPlain(dialog, shapes, kinds);
        const std::vector<Primitive> drawing =
            Recorded(dialog, [&] { DrawShapeList(dialog, kAreaId, shapes); });
        const std::string text = DrawingText(shapes).value_or("");

        QImage image(318, 318, QImage::Format_RGB32);
        repaint.push_back({"full repaint", count,
                           BestMs(repeats, [&] { DrawShapeList(dialog, kAreaId, shapes); }),
                           BestMs(repeats, [&] { PaintFloor(image, drawing); }), 1.3});
        load.push_back(
            {"load (parse and build)", count,
             BestMs(repeats, [&] { g_sink = g_sink + LoadDrawingText(text, prototypes).COUNT(); }),
             BestMs(repeats,
                    [&] {
                        g_sink = g_sink + static_cast<std::int64_t>(ParseFloor(text, kinds).size());
                    }),
             5});
        std::vector<char> buffer(text.size() + 64);
        save.push_back(
            {"save (build the text)", count,
             BestMs(
                 repeats,
                 [&] { g_sink = g_sink + static_cast<std::int64_t>(DrawingText(shapes)->size()); }),
             BestMs(repeats,
                    [&] {
                        g_sink =
                            g_sink + static_cast<std::int64_t>(FormatFloor(plain, kinds, buffer));
                    }),
             3});
        // One frame of a drag of the shape in the middle of the drawing: the floor paints
        // the frame's primitives over a copy of what lies beneath.
        const std::int32_t middle = count / 2;
        BeginDragLayers(dialog, kAreaId, shapes, middle);
        const std::vector<Primitive> moving =
            Recorded(dialog, [&] { DrawDragFrame(dialog, kAreaId, *shapes.ITEM(middle)); });
        const QImage beneath = image.copy();
        drag.push_back(
            {"drag frame", count,
             BestMs(repeats * 10, [&] { DrawDragFrame(dialog, kAreaId, *shapes.ITEM(middle)); }),
             BestMs(repeats * 10,
                    [&] {
                        image = beneath.copy();
                        QPainter painter(&image);
                        PaintPrimitives(painter, moving);
                    }),
             3});
        EndDragLayers(dialog, kAreaId);
        hit.push_back(
            {"click that hits nothing", count,
             BestMs(repeats * 10, [&] { g_sink = g_sink + FindShapeAt(shapes, -5, -5); }),
             BestMs(repeats * 10, [&] { g_sink = g_sink + HitSearchFloor(plain, -5, -5); }), 3});
    }
    for (const auto* rows : {&repaint, &load, &save, &hit, &drag})
        for (const Row& row : *rows)
            Print(row, "ms");

    // Memory held per shape in a drawing, against the bytes of its values.
    const int count = 100000;
    const std::size_t before = mallinfo2().uordblks;
    {
        LinkListCollection shapes;
        Build(shapes, prototypes, count);
        const double perShape = static_cast<double>(mallinfo2().uordblks - before) / count;
        double values = 0; // X, Y and the sizes, 32 bits each
        for (std::int32_t i = 1; i <= count; ++i)
            values += 4.0 * static_cast<double>(shapes.ITEM(i)->Values().size()) / count;
        Print({"memory per shape", count, perShape, values, 6}, "B ");
    }

    std::printf("\nGrowth, ours at 10x the shapes (linear: at most 11x):\n");
    for (const auto* rows : {&repaint, &load, &save, &hit, &drag}) {
        const std::vector<Row>& r = *rows;
        std::printf("  %-24s 1k->10k %5.1fx   10k->100k %5.1fx\n", r[0].operation,
                    r[1].ours / r[0].ours, r[2].ours / r[1].ours);
    }
    InteractionRows(prototypes);
    CloseDialog(dialog, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
