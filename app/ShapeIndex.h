#pragma once

#include "app/ChangedArea.h"
#include "shapes/LinkListCollection.h"
#include "shapes/ShapeBox.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

// Where the drawing's shapes lie and in which order they are painted, so that a repaint
// of a small area finds the shapes that meet it without walking the whole drawing. The
// drawing area is cut into square cells; a shape is listed once, in the cell of its
// box's top-left corner, if its box is small, else among the large ones; a shape of a
// kind without a box is listed as meeting everything, one outside the area nowhere.
// Every list is sorted by a stacking number that grows from the top shape down. The
// changes (app/DrawingChanges) keep it up to date and note what they touched.
class cShapeIndex {
  public:
    // How far the pen paints beyond a shape's box, with a pixel to spare.
    static constexpr std::int32_t kPenReach = 3;

    cShapeIndex();
    // Indexes a whole new drawing; its repaint is a whole one.
    void Rebuild(const LinkListCollection& shapes);
    // The shape now at that position came into the drawing, or moved there.
    void Inserted(const LinkListCollection& shapes, std::int32_t position);
    void Restacked(const LinkListCollection& shapes, std::int32_t position);
    // The shape left the drawing.
    void Removed(const iShape& shape);
    // The shape's values changed.
    void Reshaped(const iShape& shape);

    bool Contains(ShapeIdentity identity) const { return entries_.contains(identity); }
    // Where the shape can paint inside the drawing area: an empty box (right < left) when
    // nowhere, nothing when the index cannot tell.
    std::optional<ShapeBox> AreaOf(const iShape& shape) const;
    std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
    // What the changes touched since it was last cleared, the pen's reach included.
    cChangedArea& Changed() { return changed_; }
    // Calls visit for every shape whose box may meet the area (inclusive pixels inside
    // the drawing area), from the top shape down, until visit returns false.
    void VisitTopDown(const ShapeBox& area, const std::function<bool(const iShape&)>& visit) const;

  private:
    struct Entry {
        const iShape* shape = nullptr;
        std::int64_t order = 0;
        std::optional<ShapeBox> box; // grown by the pen's reach
        std::int32_t list = -1;      // kNowhere, or where it is listed
    };
    void Add(const iShape& shape, std::int64_t order);
    void List(Entry& entry);
    void Unlist(const Entry& entry);
    void Touch(const Entry& entry);
    std::optional<std::int64_t> OrderBetween(const iShape* above, const iShape* below) const;
    void Place(const LinkListCollection& shapes, std::int32_t position, Entry& entry);

    std::unordered_map<ShapeIdentity, Entry> entries_;
    std::vector<std::vector<const Entry*>> lists_; // the cells, then large, then anywhere
    cChangedArea changed_;
};
