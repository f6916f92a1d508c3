#pragma once

#include "shapes/LinkListCollection.h"
#include "shapes/ShapeValues.h"

#include <QUndoCommand>

#include <cstdint>
#include <memory>

// The steps of the drawing's history: each does one change through app/DrawingChanges
// and takes it back. Positions are those of the drawing when the step is done; the
// history undoes steps in reverse order, so they are right again when it is undone.

// A shape comes into the drawing at a position: a shape button, Duplicate.
class cInsertStep : public QUndoCommand {
  public:
    cInsertStep(std::int32_t position, std::shared_ptr<iShape> shape, const QString& text);
    void redo() override;
    void undo() override;

  private:
    std::int32_t position_;
    std::shared_ptr<iShape> shape_;
};

// The shape at a position leaves the drawing: Delete.
class cRemoveStep : public QUndoCommand {
  public:
    cRemoveStep(std::int32_t position, const QString& text);
    void redo() override;
    void undo() override;

  private:
    std::int32_t position_;
    std::shared_ptr<iShape> shape_;
};

// Other shapes take the drawing's place: Clear, Load.
class cReplaceStep : public QUndoCommand {
  public:
    cReplaceStep(LinkListCollection shapes, const QString& text);
    void redo() override { Swap(); }
    void undo() override { Swap(); }

  private:
    void Swap();
    LinkListCollection shapes_; // the drawing that is not showing
};

// A shape gets other values: Update, a move by drag. Steps of one run (a number other
// than kNoRun) on the same shape, one after the other, become one: arrow-key moves.
class cValuesStep : public QUndoCommand {
  public:
    static constexpr std::int32_t kNoRun = -1;

    cValuesStep(std::int32_t position, const ShapeValues& before, const ShapeValues& after,
                const QString& text, std::int32_t run = kNoRun);
    void redo() override;
    void undo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

  private:
    std::int32_t position_;
    ShapeValues before_;
    ShapeValues after_;
    std::int32_t run_;
};

// A shape moves to another position: Bring to Front, Send to Back.
class cReorderStep : public QUndoCommand {
  public:
    cReorderStep(std::int32_t from, std::int32_t to, const QString& text);
    void redo() override;
    void undo() override;

  private:
    std::int32_t from_;
    std::int32_t to_;
};
