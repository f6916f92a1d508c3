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
#include "ui/DialogService.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <malloc.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

enum Kind { kCircle, kRectangle, kTriangle };

// A shape as bare values: the floor's data.
struct PlainShape {
    Kind kind;
    std::int32_t x, y, a, b;
};

// The floor knows the three kinds it paints and parses; anything else it paints as a
// triangle.
Kind KindNamed(std::string_view keyword) {
    return keyword == "circle" ? kCircle : keyword == "rectangle" ? kRectangle : kTriangle;
}

std::vector<PlainShape> ToPlain(const LinkListCollection& shapes) {
    std::vector<PlainShape> plain;
    for (std::int32_t i = 1; i <= shapes.COUNT(); ++i) {
        const auto& shape = shapes.ITEM(i);
        const ShapeValues v = shape->Values();
        plain.push_back({KindNamed(shape->ShapeName()), v[0], v[1], v[2], v.size() > 3 ? v[3] : 0});
    }
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

void PaintFloor(QImage& image, const std::vector<PlainShape>& shapes) {
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::white);
    QPen pen(Qt::black, 2);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(QColor(168, 255, 255));
    for (auto it = shapes.rbegin(); it != shapes.rend(); ++it) {
        const PlainShape& s = *it;
        switch (s.kind) {
        case kCircle:
            painter.drawEllipse(QRectF(s.x - s.a, s.y - s.a, 2 * s.a - 1, 2 * s.a - 1));
            break;
        case kRectangle: {
            const QPoint corners[4] = {
                {s.x, s.y}, {s.x + s.a, s.y}, {s.x + s.a, s.y + s.b}, {s.x, s.y + s.b}};
            painter.drawPolygon(corners, 4, Qt::WindingFill);
            break;
        }
        case kTriangle: {
            const QPoint corners[3] = {
                {s.x - s.a, s.y + s.a}, {s.x + s.a, s.y + s.a}, {s.x, s.y - s.a}};
            painter.drawPolygon(corners, 3, Qt::WindingFill);
            break;
        }
        }
    }
}

std::vector<PlainShape> ParseFloor(const std::string& text) {
    std::vector<PlainShape> shapes;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* lineEnd = std::search(p, end, "\r\n", "\r\n" + 2);
        const char* comma = std::find(p, lineEnd, ',');
        const std::string_view keyword(p, static_cast<std::size_t>(comma - p));
        PlainShape s{KindNamed(keyword), 0, 0, 0, 0};
        std::int32_t* fields[4] = {&s.x, &s.y, &s.a, &s.b};
        const char* q = comma;
        for (int f = 0; f < 4 && q < lineEnd; ++f)
            q = std::from_chars(q + 1, lineEnd, *fields[f]).ptr;
        shapes.push_back(s);
        p = lineEnd == end ? end : lineEnd + 2;
    }
    return shapes;
}

std::size_t FormatFloor(const std::vector<PlainShape>& shapes, std::vector<char>& buffer) {
    char* out = buffer.data();
    static const std::string_view names[] = {"circle", "rectangle", "triangle"};
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const PlainShape& s = shapes[i];
        const std::string_view name = names[s.kind];
        out = std::copy(name.begin(), name.end(), out);
        const std::int32_t values[4] = {s.x, s.y, s.a, s.b};
        for (int f = 0; f < (s.kind == kRectangle ? 4 : 3); ++f) {
            *out++ = ',';
            out = std::to_chars(out, buffer.data() + buffer.size(), values[f]).ptr;
        }
        if (i + 1 < shapes.size()) {
            *out++ = '\r';
            *out++ = '\n';
        }
    }
    return static_cast<std::size_t>(out - buffer.data());
}

bool HitFloor(const PlainShape& s, std::int32_t x, std::int32_t y) {
    auto wrap = [](std::int64_t v) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    };
    switch (s.kind) {
    case kCircle: {
        if (s.a < 0)
            return false;
        const std::uint64_t dx = static_cast<std::uint64_t>(std::llabs(std::int64_t{x} - s.x));
        const std::uint64_t dy = static_cast<std::uint64_t>(std::llabs(std::int64_t{y} - s.y));
        const auto r = static_cast<std::uint64_t>(s.a);
        return dx <= r && dy <= r && dx * dx + dy * dy <= r * r;
    }
    case kRectangle:
        return !(s.x > x || s.y > y || wrap(std::int64_t{s.x} + s.a) < x ||
                 wrap(std::int64_t{s.y} + s.b) < y);
    case kTriangle: {
        const std::int32_t w = wrap(std::int64_t{y} - s.y + s.a) / 2;
        return !(wrap(std::int64_t{s.y} + s.a) < y || wrap(std::int64_t{s.y} - s.a) > y ||
                 wrap(std::int64_t{s.x} - w) > x || wrap(std::int64_t{s.x} + w) < x);
    }
    }
    return false;
}

std::int32_t HitSearchFloor(const std::vector<PlainShape>& shapes, std::int32_t x, std::int32_t y) {
    for (std::size_t i = 0; i < shapes.size(); ++i)
        if (HitFloor(shapes[i], x, y))
            return static_cast<std::int32_t>(i + 1);
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
    AddControl(kGraphicControl, dialog, 101, "", 0, 0, 320, 320,
               Style::Border | Style::NotifyClicks, 0);
    ShowModeless(dialog);
    const LinkListCollection prototypes = Prototypes();

    std::printf("| operation              |  shapes |          ours |         floor |  ratio | "
                "target    |\n");
    std::printf("|------------------------|---------|---------------|---------------|--------|-----"
                "------|\n");
    std::vector<Row> repaint, load, save, hit, drag;
    for (const int count : {1000, 10000, 100000}) {
        const int repeats = count >= 100000 ? 3 : 10;
        LinkListCollection shapes;
        Build(shapes, prototypes, count);
        const std::vector<PlainShape> plain = ToPlain(shapes);
        const std::string text = DrawingText(shapes).value_or("");

        QImage image(318, 318, QImage::Format_RGB32);
        repaint.push_back({"full repaint", count,
                           BestMs(repeats, [&] { DrawShapeList(dialog, 101, shapes); }),
                           BestMs(repeats, [&] { PaintFloor(image, plain); }), 1.3});
        load.push_back(
            {"load (parse and build)", count,
             BestMs(repeats, [&] { g_sink = g_sink + LoadDrawingText(text, prototypes).COUNT(); }),
             BestMs(repeats,
                    [&] { g_sink = g_sink + static_cast<std::int64_t>(ParseFloor(text).size()); }),
             5});
        std::vector<char> buffer(text.size() + 64);
        save.push_back(
            {"save (build the text)", count,
             BestMs(
                 repeats,
                 [&] { g_sink = g_sink + static_cast<std::int64_t>(DrawingText(shapes)->size()); }),
             BestMs(
                 repeats,
                 [&] { g_sink = g_sink + static_cast<std::int64_t>(FormatFloor(plain, buffer)); }),
             3});
        // One frame of a drag of the shape in the middle of the drawing.
        const std::int32_t middle = count / 2;
        BeginDragLayers(dialog, 101, shapes, middle);
        const QImage beneath = image.copy();
        drag.push_back(
            {"drag frame", count,
             BestMs(repeats * 10, [&] { DrawDragFrame(dialog, 101, *shapes.ITEM(middle)); }),
             BestMs(repeats * 10,
                    [&] {
                        image = beneath.copy();
                        QPainter painter(&image);
                        painter.setBrush(QColor(168, 255, 255));
                        painter.drawEllipse(QRectF(100, 100, 39, 39));
                    }),
             3});
        EndDragLayers(dialog, 101);
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
        const double values = (3 + 4 + 3) * 4.0 / 3; // X, Y and the sizes, 32 bits each
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
