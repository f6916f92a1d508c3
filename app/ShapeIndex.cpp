#include "app/ShapeIndex.h"

#include "shapes/ShapeKind.h"

#include <algorithm>
#include <limits>
#include <queue>

namespace {

constexpr std::int32_t kCellSize = 32;
constexpr std::int32_t kCells = (kDrawingSize + kCellSize - 1) / kCellSize; // per side
// A box at most this wide and high, cut to the area, counts as small: a search reaches
// this far up and left of an area for the cells of the small boxes that meet it.
constexpr std::int32_t kSmall = 3 * kCellSize;
constexpr std::int32_t kLargeList = kCells * kCells;
constexpr std::int32_t kAnywhereList = kLargeList + 1;
constexpr std::int32_t kNowhere = -1;
// Room between stacking numbers: a shape put between two others takes the middle.
constexpr std::int64_t kGap = std::int64_t{1} << 32;
constexpr ShapeBox kArea{0, 0, kDrawingSize - 1, kDrawingSize - 1};

bool Meet(const ShapeBox& a, const ShapeBox& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

ShapeBox Cut(const ShapeBox& box) {
    return {std::max(box.left, kArea.left), std::max(box.top, kArea.top),
            std::min(box.right, kArea.right), std::min(box.bottom, kArea.bottom)};
}

std::int32_t Grow(std::int32_t value, std::int32_t by) {
    const std::int64_t grown = std::int64_t{value} + by;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        grown, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::optional<ShapeBox> GrownBox(const iShape& shape) {
    const std::optional<ShapeBox> box = shape.Bounds();
    if (!box)
        return std::nullopt;
    constexpr std::int32_t r = cShapeIndex::kPenReach;
    return ShapeBox{Grow(box->left, -r), Grow(box->top, -r), Grow(box->right, r),
                    Grow(box->bottom, r)};
}

} // namespace

cShapeIndex::cShapeIndex() : lists_(static_cast<std::size_t>(kAnywhereList + 1)) {}

void cShapeIndex::Rebuild(const LinkListCollection& shapes) {
    entries_.clear();
    for (auto& list : lists_)
        list.clear();
    entries_.reserve(static_cast<std::size_t>(shapes.COUNT()));
    for (std::int32_t i = 1; i <= shapes.COUNT(); ++i) {
        if (const auto& shape = shapes.ITEM(i))
            Add(*shape, i * kGap);
    }
    changed_.AddWhole();
}

void cShapeIndex::Inserted(const LinkListCollection& shapes, std::int32_t position) {
    const auto& shape = shapes.ITEM(position);
    if (!shape)
        return;
    if (Contains(shape->Identity())) // listed twice, it could not be found by its number
        return Rebuild(shapes);
    Entry entry{shape.get(), 0, GrownBox(*shape), kNowhere};
    Place(shapes, position, entry);
}

void cShapeIndex::Restacked(const LinkListCollection& shapes, std::int32_t position) {
    const auto& shape = shapes.ITEM(position);
    const auto found = shape ? entries_.find(shape->Identity()) : entries_.end();
    if (found == entries_.end())
        return Rebuild(shapes);
    Entry entry = found->second;
    Unlist(entry);
    entries_.erase(found);
    Place(shapes, position, entry);
}

// Gives the entry a stacking number between its neighbours' and lists it; with no room
// left between them, numbers the whole drawing afresh.
void cShapeIndex::Place(const LinkListCollection& shapes, std::int32_t position, Entry& entry) {
    const std::optional<std::int64_t> order =
        OrderBetween(shapes.ITEM(position - 1).get(), shapes.ITEM(position + 1).get());
    if (!order)
        return Rebuild(shapes);
    entry.order = *order;
    Entry& placed = entries_[entry.shape->Identity()] = entry;
    List(placed);
    Touch(placed);
}

void cShapeIndex::Removed(const iShape& shape) {
    const auto found = entries_.find(shape.Identity());
    if (found == entries_.end())
        return;
    Unlist(found->second);
    Touch(found->second);
    entries_.erase(found);
}

void cShapeIndex::Reshaped(const iShape& shape) {
    const auto found = entries_.find(shape.Identity());
    if (found == entries_.end())
        return;
    Entry& entry = found->second;
    Touch(entry);
    Unlist(entry);
    entry.box = GrownBox(shape);
    List(entry);
    Touch(entry);
}

std::optional<ShapeBox> cShapeIndex::AreaOf(const iShape& shape) const {
    const auto found = entries_.find(shape.Identity());
    if (found == entries_.end() || !found->second.box)
        return std::nullopt;
    const ShapeBox& box = *found->second.box;
    return Meet(box, kArea) ? Cut(box) : ShapeBox{0, 0, -1, -1};
}

std::optional<std::int64_t> cShapeIndex::OrderBetween(const iShape* above,
                                                      const iShape* below) const {
    auto orderOf = [this](const iShape* shape) -> std::optional<std::int64_t> {
        const auto found = entries_.find(shape->Identity());
        if (found == entries_.end())
            return std::nullopt;
        return found->second.order;
    };
    const std::optional<std::int64_t> high = above ? orderOf(above) : std::nullopt;
    const std::optional<std::int64_t> low = below ? orderOf(below) : std::nullopt;
    constexpr std::int64_t most = std::numeric_limits<std::int64_t>::max() - kGap;
    constexpr std::int64_t least = std::numeric_limits<std::int64_t>::min() + kGap;
    if ((above && !high) || (below && !low))
        return std::nullopt;
    if (!high && !low)
        return 0;
    if (!low)
        return *high < most ? std::optional(*high + kGap) : std::nullopt;
    if (!high)
        return *low > least ? std::optional(*low - kGap) : std::nullopt;
    if (*low - *high < 2)
        return std::nullopt;
    return *high + (*low - *high) / 2;
}

void cShapeIndex::Add(const iShape& shape, std::int64_t order) {
    // A shape twice in the drawing is listed once: the counts then differ, and every
    // repaint is a whole one.
    if (Contains(shape.Identity()))
        return;
    Entry& entry = entries_[shape.Identity()] = Entry{&shape, order, GrownBox(shape), kNowhere};
    List(entry);
}

void cShapeIndex::List(Entry& entry) {
    entry.list = kNowhere;
    if (!entry.box) {
        entry.list = kAnywhereList;
    } else if (Meet(*entry.box, kArea)) {
        const ShapeBox cut = Cut(*entry.box);
        const bool small = cut.right - cut.left < kSmall && cut.bottom - cut.top < kSmall;
        entry.list = small ? cut.top / kCellSize * kCells + cut.left / kCellSize : kLargeList;
    }
    if (entry.list == kNowhere)
        return;
    auto& list = lists_[static_cast<std::size_t>(entry.list)];
    const auto at = std::upper_bound(
        list.begin(), list.end(), entry.order,
        [](std::int64_t order, const Entry* other) { return order < other->order; });
    list.insert(at, &entry);
}

void cShapeIndex::Unlist(const Entry& entry) {
    if (entry.list == kNowhere)
        return;
    auto& list = lists_[static_cast<std::size_t>(entry.list)];
    const auto at = std::lower_bound(
        list.begin(), list.end(), entry.order,
        [](const Entry* other, std::int64_t order) { return other->order < order; });
    if (at != list.end() && (*at)->order == entry.order)
        list.erase(at);
}

void cShapeIndex::Touch(const Entry& entry) {
    if (!entry.box)
        changed_.AddWhole();
    else if (Meet(*entry.box, kArea))
        changed_.Add(Cut(*entry.box));
}

void cShapeIndex::VisitTopDown(const ShapeBox& area,
                               const std::function<bool(const iShape&)>& visit) const {
    struct Cursor {
        std::int64_t order;
        std::size_t list;
        std::size_t at;
        bool operator>(const Cursor& other) const { return order > other.order; }
    };
    std::priority_queue<Cursor, std::vector<Cursor>, std::greater<>> next;
    auto start = [&](std::size_t list) {
        if (!lists_[list].empty())
            next.push({lists_[list].front()->order, list, 0});
    };
    const ShapeBox cells{std::max(0, area.left - kSmall) / kCellSize,
                         std::max(0, area.top - kSmall) / kCellSize,
                         std::min(kCells - 1, area.right / kCellSize),
                         std::min(kCells - 1, area.bottom / kCellSize)};
    for (std::int32_t row = cells.top; row <= cells.bottom; ++row) {
        for (std::int32_t column = cells.left; column <= cells.right; ++column)
            start(static_cast<std::size_t>(row * kCells + column));
    }
    start(kLargeList);
    start(kAnywhereList);
    while (!next.empty()) {
        const Cursor cursor = next.top();
        next.pop();
        const auto& list = lists_[cursor.list];
        const Entry& entry = *list[cursor.at];
        if (cursor.at + 1 < list.size())
            next.push({list[cursor.at + 1]->order, cursor.list, cursor.at + 1});
        if (entry.box && !Meet(*entry.box, area))
            continue;
        if (!visit(*entry.shape))
            return;
    }
}
