#include "app/ProgramState.h"

namespace {
std::unique_ptr<ProgramState> g_program;
}

ProgramState& Program() {
    if (!g_program)
        g_program = std::make_unique<ProgramState>();
    return *g_program;
}

void ReleaseProgram() {
    if (!g_program)
        return;
    g_program->Shapes.CLEAR();
    g_program->History.reset();
    g_program->ShapeTypes.CLEAR();
    g_program->ViewManager.reset();
    g_program.reset();
}

void ResetProgram() {
    ReleaseProgram();
    Program();
}
