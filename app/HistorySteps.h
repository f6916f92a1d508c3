#pragma once

#include "app/HistoryStep.h"
#include "shapes/LinkListCollection.h"
#include "shapes/ShapeValues.h"

#include <cstdint>
#include <memory>

// The steps of the drawing's history: each does one change through app/DrawingChanges
// and takes it back. Positions are those of the drawing when the step is done; the
// history undoes steps in reverse order, so they are right again when it is undone.

// A shape comes into the drawing at a position: a shape button, Duplicate.
class cInsertStep : public cHistoryStep {
  public:
    cInsertStep(std::int32_t position, std::shared_ptr<iShape> shape, const char* text);
    void redo() override;
    void undo() override;
    std::size_t Cost() const override;

  private:
    std::int32_t position_;
    std::shared_ptr<iShape> shape_;
};

// Shapes come in on top of the drawing, in their order: Paste.
class cPasteStep : public cHistoryStep {
  public:
    cPasteStep(LinkListCollection shapes, const char* text);
    void redo() override;
    void undo() override;
    std::size_t Cost() const override;

  private:
    LinkListCollection shapes_;
};

// The shape at a position leaves the drawing: Delete.
class cRemoveStep : public cHistoryStep {
  public:
    cRemoveStep(std::int32_t position, const char* text);
    void redo() override;
    void undo() override;
    std::size_t Cost() const override;

  private:
    std::int32_t position_;
    std::shared_ptr<iShape> shape_;
};

// Other shapes take the drawing's place: Clear, Load.
class cReplaceStep : public cHistoryStep {
  public:
    cReplaceStep(LinkListCollection shapes, const char* text);
    void redo() override { Swap(); }
    void undo() override { Swap(); }
    std::size_t Cost() const override;

  private:
    void Swap();
    LinkListCollection shapes_; // the drawing that is not showing
};

// A shape gets other values: Update, a move by drag. Steps of one run (a number other
// than kNoRun) on the same shape, one after the other, become one: arrow-key moves.
class cValuesStep : public cHistoryStep {
  public:
    static constexpr std::int32_t kNoRun = -1;

    cValuesStep(std::int32_t position, const ShapeValues& before, const ShapeValues& after,
                const char* text, std::int32_t run = kNoRun);
    void redo() override;
    void undo() override;
    std::size_t Cost() const override;
    bool MergeWith(const cHistoryStep& later) override;

  private:
    std::int32_t position_;
    ShapeValues before_;
    ShapeValues after_;
    std::int32_t run_;
};

// A shape moves to another position: Bring to Front, Send to Back.
class cReorderStep : public cHistoryStep {
  public:
    cReorderStep(std::int32_t from, std::int32_t to, const char* text);
    void redo() override;
    void undo() override;
    std::size_t Cost() const override;

  private:
    std::int32_t from_;
    std::int32_t to_;
};
